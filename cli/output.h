// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Output lines collected in a buffer and written in large blocks.

#include <string>

namespace mezzurix::cli {

class Output {
public:
    explicit Output(int fd) : fd_(fd) {}
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Where callers append their text.
    std::string& text() { return text_; }
    // Writes the text out once enough of it has gathered.
    void lineDone();
    // Writes out all the text; false when the file descriptor refuses it, now or earlier (the
    // text is then dropped).
    bool flush();
    // The errno of the first write that failed, or 0.
    int writeError() const { return writeError_; }

private:
    int fd_;
    std::string text_;
    int writeError_ = 0;
};

} // namespace mezzurix::cli
