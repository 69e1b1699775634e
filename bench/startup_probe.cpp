// Starts a program on the X display and reports, on one line, the time from
// the start of its process to the mapping of its first top-level window (in
// milliseconds) and its resident memory a moment later (in KiB); then ends it.
//   startup_probe PROGRAM [ARGUMENTS...]
// The display must have no window manager, so that top-level windows are
// children of the root window.
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

/// Waits for a MapNotify of a normal top-level window; false after the limit.
bool waitForMap(Display* display, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        poll(&connection, 1, 10);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(display, std::chrono::seconds(30));
    const auto shown = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it settle
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: %s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %ld\n", std::chrono::duration<double, std::milli>(shown - start).count(), rss);
    return 0;
}
