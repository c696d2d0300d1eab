// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace mezzurix::cli {

namespace {

// One read takes what a pipe holds at once; a kept line always fits beside it.
constexpr std::size_t kReadSize = 64 * 1024;

// A line's end, "\r\n" at the longest, is no part of its length.
constexpr std::size_t kMaxLineEnd = 2;

std::string_view withoutCarriageReturn(std::string_view text)
{
    return text.ends_with('\r') ? text.substr(0, text.size() - 1) : text;
}

} // namespace

LineReader::LineReader(int fd, std::size_t maxKept, std::function<void()> beforeWait)
    : fd_(fd), maxKept_(maxKept), beforeWait_(std::move(beforeWait)), buffer_(kReadSize + maxKept + kMaxLineEnd)
{
}

bool LineReader::fill()
{
    if (eof_)
        return false;
    // Keep the unread bytes at the front, then read behind them.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (beforeWait_)
        beforeWait_();
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        readError_ = got < 0 ? errno : 0;
        eof_ = true;
        return false;
    }
}

bool LineReader::next(std::string_view& line)
{
    std::size_t scanned = 0;  // bytes of the current line already searched for its end
    for (;;) {
        if (skipping_) {
            const auto* end = static_cast<const char*>(std::memchr(buffer_.data() + begin_, '\n', end_ - begin_));
            if (end == nullptr) {
                begin_ = end_;
                if (!fill())
                    return false;
                continue;
            }
            begin_ = static_cast<std::size_t>(end - buffer_.data()) + 1;
            skipping_ = false;
        }
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const std::size_t window = std::min(available, maxKept_ + kMaxLineEnd);
        const auto* newline = static_cast<const char*>(std::memchr(start + scanned, '\n', window - scanned));
        if (newline != nullptr) {
            const auto length = static_cast<std::size_t>(newline - start);
            begin_ += length + 1;
            line = withoutCarriageReturn({start, length});
            return true;
        }
        if (available >= maxKept_ + kMaxLineEnd) {
            // Too long: hand out the first maxKept + 1 bytes and pass over the rest later.
            line = {start, maxKept_ + 1};
            begin_ += maxKept_ + 1;
            skipping_ = true;
            return true;
        }
        scanned = available;
        if (!fill()) {
            if (available == 0)
                return false;
            line = withoutCarriageReturn({buffer_.data() + begin_, available});
            begin_ = end_;
            return true;
        }
    }
}

} // namespace mezzurix::cli
