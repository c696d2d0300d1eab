// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output.h"

#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace mezzurix::cli {

namespace {

// A pipe's capacity: one write fills it.
constexpr std::size_t kBlockBytes = 64 * 1024;

} // namespace

void Output::lineDone()
{
    if (text_.size() >= kBlockBytes)
        flush();
}

bool Output::flush()
{
    std::size_t written = 0;
    while (writeError_ == 0 && written < text_.size()) {
        const ssize_t n = ::write(fd_, text_.data() + written, text_.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            writeError_ = n < 0 ? errno : EIO;
        else
            written += static_cast<std::size_t>(n);
    }
    text_.clear();
    return writeError_ == 0;
}

} // namespace mezzurix::cli
