#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sends one method call with a string argument of raw bytes over the session bus, bypassing the
checks of every D-Bus library, and prints what the bus does with it.
Usage: send_raw.py DESTINATION PATH INTERFACE MEMBER HEX_BYTES"""
import os
import socket
import struct
import sys


def pad(data, n):
    return data + b"\0" * (-len(data) % n)


def field(code, kind, value):
    encoded = bytes([len(value)]) + value if kind == b"g" else struct.pack("<I", len(value)) + value
    return bytes([code, 1]) + kind + b"\0" + encoded + b"\0"


def message(serial, dest, path, interface, member, body=b""):
    fields = b""
    parts = [(1, b"o", path), (2, b"s", interface), (3, b"s", member), (6, b"s", dest)]
    if body:
        parts.append((8, b"g", b"s"))
    for code, kind, value in parts:
        fields = pad(fields, 8) + field(code, kind, value)
    arg = struct.pack("<I", len(body)) + body + b"\0" if body else b""
    head = struct.pack("<cBBBIII", b"l", 1, 0, 1, len(arg), serial, len(fields)) + fields
    return pad(head, 8) + arg


def main():
    dest, path, interface, member, payload = sys.argv[1:6]
    address = os.environ["DBUS_SESSION_BUS_ADDRESS"].split(";")[0].split(":", 1)[1]
    keys = dict(item.split("=", 1) for item in address.split(","))
    where = keys["path"] if "path" in keys else "\0" + keys["abstract"]
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    sock.settimeout(5)
    sock.connect(where)
    sock.sendall(b"\0AUTH EXTERNAL " + str(os.getuid()).encode().hex().encode() + b"\r\n")
    if not sock.recv(256).startswith(b"OK"):
        sys.exit("the bus refused the authentication")
    sock.sendall(b"BEGIN\r\n")
    sock.sendall(message(1, b"org.freedesktop.DBus", b"/org/freedesktop/DBus", b"org.freedesktop.DBus", b"Hello"))
    sock.sendall(message(2, dest.encode(), path.encode(), interface.encode(), member.encode(),
                         bytes.fromhex(payload)))
    received = b""
    try:
        while chunk := sock.recv(4096):
            received += chunk
        print("the bus closed the connection")
    except (socket.timeout, ConnectionResetError):
        print("the bus kept the connection")
    if b"org.freedesktop.DBus.Error" in received:
        print("the bus answered with an error")


main()
