// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the table of the English unit names out as C++ source, so that the query reader starts
// with it instead of building it at every run. Usage: mezzurix-english-name-table OUTPUT.cpp

#include "name_sources.h"
#include "name_table.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr std::size_t kLineBytes = 96;  // of text, per line of the string literal

// `text` as C++ string literal pieces, one a line: bytes beyond printable ASCII as three-digit
// octal escapes, which end where they must whatever follows.
void writeText(std::ostream& out, std::string_view text)
{
    std::string line;
    const auto flush = [&] {
        out << "    \"" << line << "\"\n";
        line.clear();
    };
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            line += '\\';
            line += c;
        } else if (byte >= 0x20 && byte < 0x7f) {
            line += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            line += escape;
        }
        if (line.size() >= kLineBytes)
            flush();
    }
    if (!line.empty() || text.empty())
        flush();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: mezzurix-english-name-table OUTPUT.cpp\n";
        return 2;
    }
    using mezzurix::names::NameTable;
    const mezzurix::names::TableSource source = mezzurix::names::tableSource(nullptr);
    const NameTable table(source.entries);

    // Written beside the output and renamed at the end, so that a run cut short leaves no table
    // that a later build would take for complete.
    const std::string written = std::string(argv[1]) + ".part";
    std::ofstream out(written, std::ios::binary);
    out << "// Written by mezzurix-english-name-table from the unit catalogue when the program is built.\n"
           "#include \"english_name_table.h\"\n\n"
           "namespace mezzurix::names::english {\n\nnamespace {\n\n"
           "constexpr char kText[] =\n";
    writeText(out, table.text());
    out << "    ;\n\n// packed, raw, hash, text offset, code, size, flags\nconstexpr NameTable::Slot kSlots[] = {\n";
    for (const NameTable::Slot& slot : table.bucketSlots())
        out << "    {0x" << std::hex << slot.packed << "u, 0x" << slot.raw << "u, 0x" << slot.hash << "u, " << std::dec
            << slot.textOffset << "u, " << slot.code << ", " << slot.size << ", " << int(slot.flags) << "},\n";
    out << "};\n\nconstexpr std::uint32_t kStarts[] = {";
    std::size_t column = 0;
    for (const std::uint32_t start : table.starts()) {
        out << (column++ % 16 == 0 ? "\n    " : " ") << start << "u,";
    }
    out << "\n};\n\n} // namespace\n\n"
           "std::span<const NameTable::Slot> bucketSlots() { return kSlots; }\n"
           "std::span<const std::uint32_t> starts() { return kStarts; }\n"
           "std::string_view text() { return {kText, sizeof kText - 1}; }\n"
           "std::size_t maxTokens() { return "
        << source.maxTokens << "; }\n\n} // namespace mezzurix::names::english\n";
    out.close();
    if (!out || std::rename(written.c_str(), argv[1]) != 0) {
        std::cerr << "mezzurix-english-name-table: cannot write " << argv[1] << "\n";
        std::remove(written.c_str());
        return 1;
    }
    return 0;
}
