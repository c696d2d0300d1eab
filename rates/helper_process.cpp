// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/helper_process.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/close_range.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace mezzurix::rates {

namespace {

using Clock = std::chrono::steady_clock;

// Without a process descriptor to wait on (kernels before 5.3), the child is looked at this often.
constexpr int kPollWithoutPidfdMs = 10;

// The argument vector execve wants, pointing into `words`.
std::vector<char*> argumentVector(std::vector<std::string>& words)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

std::vector<std::string> commandWords(const std::filesystem::path& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return words;
}

std::string cannotStart(const std::filesystem::path& program, int error)
{
    return "cannot start " + program.string() + ": " + std::strerror(error);
}

// A descriptor that becomes readable when the process ends; -1 where the kernel has none.
int processDescriptor(pid_t pid)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

void closeIfOpen(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Reads what is there, false when nothing was; closes `fd` at its end. Past kMaxHelperMessages
// the bytes are dropped.
bool readMessages(int& fd, std::string& messages)
{
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return false;
    if (n <= 0) {
        closeIfOpen(fd);
        return false;
    }
    messages.append(buffer, std::min(static_cast<std::size_t>(n), kMaxHelperMessages - messages.size()));
    return true;
}

void finish(HelperRun& run, int status)
{
    if (WIFEXITED(status)) {
        run.end = HelperRun::End::Exited;
        run.exitCode = WEXITSTATUS(status);
    } else {
        run.end = HelperRun::End::Killed;
    }
}

pid_t waitFor(pid_t pid, int& status, int options)
{
    pid_t done;
    do
        done = ::waitpid(pid, &status, options);
    while (done < 0 && errno == EINTR);
    return done;
}

} // namespace

HelperRun runWithDeadline(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                          std::chrono::milliseconds deadline)
{
    const Clock::time_point end = Clock::now() + deadline;
    HelperRun run;
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        run.messages = cannotStart(program, errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    // None of this program's other files (sockets, locks) stays open in the helper.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    std::vector<std::string> words = commandWords(program, arguments);
    const std::vector<char*> argv = argumentVector(words);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(errorPipe[1]);
    int messages = errorPipe[0];
    if (spawned != 0) {
        closeIfOpen(messages);
        run.messages = cannotStart(program, spawned);
        return run;
    }
    int ended = processDescriptor(pid);
    int status = 0;
    for (;;) {
        const pid_t done = waitFor(pid, status, WNOHANG);
        if (done != 0) {
            // What it wrote just before it ended is still in the pipe.
            ::fcntl(messages, F_SETFL, O_NONBLOCK);
            while (messages >= 0 && readMessages(messages, run.messages)) {
            }
            if (done == pid)
                finish(run, status);
            else
                run.end = HelperRun::End::Killed; // reaped elsewhere: its end is unknown
            break;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0) {
            ::kill(pid, SIGKILL);
            waitFor(pid, status, 0);
            run.end = HelperRun::End::TimedOut;
            break;
        }
        pollfd watched[2];
        nfds_t count = 0;
        if (messages >= 0)
            watched[count++] = {messages, POLLIN, 0};
        if (ended >= 0)
            watched[count++] = {ended, POLLIN, 0};
        const int wait = ended >= 0 ? static_cast<int>(left.count())
                                    : std::min(static_cast<int>(left.count()), kPollWithoutPidfdMs);
        if (::poll(watched, count, wait) > 0 && messages >= 0 && watched[0].revents != 0)
            readMessages(messages, run.messages);
    }
    closeIfOpen(messages);
    closeIfOpen(ended);
    return run;
}

std::optional<std::string> startDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> words = commandWords(program, arguments);
    const std::vector<char*> argv = argumentVector(words);
    // The grandchild reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return cannotStart(program, errno);
    const pid_t child = ::fork();
    if (child == 0) {
        // Only calls that are safe between fork and exec in a threaded program from here on.
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        const int null = ::open("/dev/null", O_RDWR);
        for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
            ::dup2(null, fd);
        // The rest closes at the exec, the report pipe too, which stays open until then.
        ::close_range(STDERR_FILENO + 1, ~0U, CLOSE_RANGE_CLOEXEC);
        ::execve(program.c_str(), argv.data(), environ);
        const int error = errno;
        [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    const int forkError = errno;
    ::close(report[1]);
    if (child < 0) {
        ::close(report[0]);
        return cannotStart(program, forkError);
    }
    int status = 0;
    waitFor(child, status, 0);
    int execError = 0;
    ssize_t got;
    do
        got = ::read(report[0], &execError, sizeof execError);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof execError))
        return cannotStart(program, execError);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return cannotStart(program, EAGAIN);
    return std::nullopt;
}

} // namespace mezzurix::rates
