// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running a helper program: waiting for it with a deadline, or starting it detached. The helper
// gets this process's environment, no standard input and no standard output.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mezzurix::rates {

// A helper's messages are a line or two; more is cut off.
inline constexpr std::size_t kMaxHelperMessages = 4096;

struct HelperRun {
    enum class End {
        Exited,     // exitCode holds its exit status
        Killed,     // ended by a signal it did not get from us
        TimedOut,   // still running at the deadline: killed and waited for
        NotStarted, // messages says why
    };
    End end = End::NotStarted;
    int exitCode = -1;
    std::string messages; // what it wrote on its standard error, or why it did not start
};

// Runs `program` with `arguments` and waits for it; past `deadline` it is killed (SIGKILL).
HelperRun runWithDeadline(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                          std::chrono::milliseconds deadline);

// Starts `program` in a session of its own, not a child of this process (nobody has to wait for
// it), with its standard error discarded. nullopt once it runs, else why it could not start.
std::optional<std::string> startDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments);

} // namespace mezzurix::rates
