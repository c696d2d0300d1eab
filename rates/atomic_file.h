// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small files written whole or not at all, and read back with a bound on their size.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mezzurix::rates {

// Writes `contents` to a new file in the target's folder (made when missing), flushes it to disk
// and renames it over `target`. The message when that fails; `target` is then as it was.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view contents);

struct FileRead {
    std::optional<std::string> contents; // nullopt when there is no such file, or it could not be read
    std::string problem;                 // why not, unless the file is merely missing
};

// The whole file when it holds at most `maxBytes`.
FileRead readSmallFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace mezzurix::rates
