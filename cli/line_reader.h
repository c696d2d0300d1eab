// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads lines from a file descriptor in bounded memory, whatever the input holds.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace mezzurix::cli {

class LineReader {
public:
    // A line longer than `maxKept` bytes is handed out cut to maxKept + 1 bytes, so that the
    // caller sees it is too long; the rest of it is read past without being kept. `beforeWait`
    // runs whenever no complete line is buffered and the reader is about to wait for input.
    LineReader(int fd, std::size_t maxKept, std::function<void()> beforeWait);

    // The next line without its end ("\n" or "\r\n"), valid until the next call; false at the
    // end of the input or on a read error (see readError()).
    bool next(std::string_view& line);
    // The errno of a failed read, or 0.
    int readError() const { return readError_; }

private:
    bool fill();

    int fd_;
    std::size_t maxKept_;
    std::function<void()> beforeWait_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    bool skipping_ = false;  // passing over the rest of a line that was too long
    bool eof_ = false;
    int readError_ = 0;
};

} // namespace mezzurix::cli
