// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark harness for X11. Launches each given program in turn, in interleaved rounds,
// and measures from just before the process starts to its top-level window being mapped
// (MapNotify on the root window) and first drawn (the first DAMAGE event on that window), then
// reads its resident memory (VmRSS) once the window has shown. Prints medians and the ratios of
// every program to the last one. Qt creates its windows without a server-painted background,
// so the first damage is the program's own first paint.
//
// Usage: bench-startup [--rounds N] [--settle-ms MS] [--timeout-ms MS] NAME=PROGRAM ...
// Needs DISPLAY set to a server with the DAMAGE extension (Xvfb has it).

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRounds = 15;
constexpr int kDefaultSettleMs = 300;    // lets the program finish what it does right after showing
constexpr int kDefaultTimeoutMs = 20000; // a program that shows nothing by then has failed

struct Program {
    std::string name;
    std::string path;
    std::vector<double> mappedMs;
    std::vector<double> drawnMs;
    std::vector<double> rssKiB;
};

struct Sample {
    double mappedMs;
    double drawnMs;
    double rssKiB;
};

[[noreturn]] void die(const std::string& message)
{
    std::fprintf(stderr, "bench-startup: %s\n", message.c_str());
    std::exit(2);
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<double> residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr);
    }
    return std::nullopt;
}

class Display {
public:
    Display()
    {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_))
            die("cannot connect to the X server (is DISPLAY set?)");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (damage == nullptr || !damage->present)
            die("the X server has no DAMAGE extension");
        damageEventBase_ = damage->first_event;
        auto version = xcb_damage_query_version_reply(
            conn_, xcb_damage_query_version(conn_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr);
        std::free(version);

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        pidAtom_ = atom("_NET_WM_PID");
        xcb_flush(conn_);
    }
    ~Display() { xcb_disconnect(conn_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn_))
            std::free(event);
    }

    // Runs `path` and waits for its window; nullopt when it shows none in time.
    std::optional<Sample> measure(const std::string& path, int settleMs, int timeoutMs)
    {
        drain();
        std::set<xcb_window_t> created;
        xcb_window_t mapped = XCB_NONE;
        double mappedMs = 0;
        std::optional<double> drawnMs;

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        pid_t pid = 0;
        const Clock::time_point start = Clock::now();
        const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0)
            die("cannot start " + path + ": " + std::strerror(rc));

        const int fd = xcb_get_file_descriptor(conn_);
        while (!drawnMs && msSince(start) < timeoutMs) {
            xcb_generic_event_t* event = xcb_poll_for_event(conn_);
            if (event == nullptr) {
                if (xcb_connection_has_error(conn_))
                    die("lost the X connection");
                pollfd pfd{fd, POLLIN, 0};
                poll(&pfd, 1, 50);
                int status = 0;
                if (waitpid(pid, &status, WNOHANG) == pid) {
                    std::fprintf(stderr, "bench-startup: %s exited before showing a window\n",
                                 path.c_str());
                    return std::nullopt;
                }
                continue;
            }
            const double now = msSince(start);
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (e->parent == root_ && !e->override_redirect) {
                    // Watch for drawing from before the window can be mapped.
                    xcb_damage_create(conn_, xcb_generate_id(conn_), e->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(conn_);
                    created.insert(e->window);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (mapped == XCB_NONE && created.count(e->window) && windowPid(e->window) == pid) {
                    mapped = e->window;
                    mappedMs = now;
                }
            } else if (type == damageEventBase_ + XCB_DAMAGE_NOTIFY) {
                auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (mapped != XCB_NONE && e->drawable == mapped)
                    drawnMs = now;
            }
            std::free(event);
        }

        std::optional<Sample> sample;
        if (drawnMs) {
            std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
            if (const auto rss = residentKiB(pid))
                sample = Sample{mappedMs, *drawnMs, *rss};
        } else {
            std::fprintf(stderr, "bench-startup: %s showed no drawn window within %d ms\n",
                         path.c_str(), timeoutMs);
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        return sample;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        auto* reply = xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : XCB_NONE;
        std::free(reply);
        return result;
    }

    pid_t windowPid(xcb_window_t window)
    {
        auto* reply = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = 0;
        if (reply != nullptr && xcb_get_property_value_length(reply) == 4)
            pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    uint8_t damageEventBase_ = 0;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

int intArg(const char* text, const char* what)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 1000000)
        die(std::string("bad value for ") + what + ": " + text);
    return static_cast<int>(value);
}

} // namespace

int main(int argc, char* argv[])
{
    int rounds = kDefaultRounds;
    int settleMs = kDefaultSettleMs;
    int timeoutMs = kDefaultTimeoutMs;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--rounds" || arg == "--settle-ms" || arg == "--timeout-ms") && i + 1 < argc) {
            const int value = intArg(argv[++i], arg.c_str());
            (arg == "--rounds" ? rounds : arg == "--settle-ms" ? settleMs : timeoutMs) = value;
        } else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0) {
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}});
        } else {
            die("usage: bench-startup [--rounds N] [--settle-ms MS] [--timeout-ms MS] NAME=PROGRAM ...");
        }
    }
    if (programs.empty() || rounds == 0)
        die("nothing to measure");

    Display display;
    // One uncounted round first, so that no program pays alone for a cold file cache.
    for (Program& p : programs)
        display.measure(p.path, 0, timeoutMs);
    bool failed = false;
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            // Alternate the order so that neither program always runs right after the other.
            Program& p = programs[round % 2 ? programs.size() - 1 - k : k];
            if (const auto s = display.measure(p.path, settleMs, timeoutMs)) {
                p.mappedMs.push_back(s->mappedMs);
                p.drawnMs.push_back(s->drawnMs);
                p.rssKiB.push_back(s->rssKiB);
            } else {
                failed = true;
            }
        }
    }

    std::printf("%-20s %6s %12s %12s %10s\n", "program", "runs", "mapped ms", "drawn ms", "RSS MiB");
    for (const Program& p : programs)
        std::printf("%-20s %6zu %12.1f %12.1f %10.1f\n", p.name.c_str(), p.drawnMs.size(),
                    median(p.mappedMs), median(p.drawnMs), median(p.rssKiB) / 1024);
    const Program& base = programs.back();
    for (std::size_t k = 0; k + 1 < programs.size(); ++k) {
        const Program& p = programs[k];
        const std::string label = p.name + "/" + base.name;
        std::printf("%-27s %12.2f %12.2f %10.2f\n", label.c_str(),
                    median(p.mappedMs) / median(base.mappedMs),
                    median(p.drawnMs) / median(base.drawnMs), median(p.rssKiB) / median(base.rssKiB));
    }
    std::printf("(medians of %d interleaved rounds)\n", rounds);
    return failed ? 1 : 0;
}
