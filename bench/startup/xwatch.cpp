// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// xwatch: launches a program and times its first top-level window from X events.
//
//   xwatch [-h HOLD_MS] [-t TIMEOUT_MS] [-w WINDOW] [-v] [--] PROGRAM [ARGS...]
//
// Before starting the program it selects SubstructureNotify on the root window, so it sees the
// program's top-level windows being created and mapped (there is no window manager to reparent
// them). It forks and execs the program itself; the child reads CLOCK_MONOTONIC just before
// execvp and sends the reading over a close-on-exec pipe, so every time counts from the exec.
// Each top-level window gets a DAMAGE object as soon as it is created; the first damage on the
// mapped window after its MapNotify is its first paint. The program is kept alive until HOLD_MS
// (1000) after the map, its memory is read from /proc/PID/smaps_rollup, and it is terminated.
// The watcher waits only in poll() on the X connection and on a pidfd of the child, so each
// time is taken when its event arrives.
//
// With -w WINDOW (an X window id) the program is a client of a compositor that draws its output
// into that window, as weston's X11 backend does: its windows are no X windows, so the first
// damage on WINDOW after the exec is the first frame the compositor shows of it. Before the
// exec the watcher waits until WINDOW has been still for 200 ms (at most TIMEOUT_MS), so the
// repaint that removed a previous program's window is not taken for this one's. There is no map
// time then; the memory is read HOLD_MS after that first frame.
//
// Output, one line on standard output:
//   map_ms=12.345 paint_ms=15.678 rss_kb=28500 pss_kb=19000   (paint_ms=.. rss_kb=.. with -w)
// With -v the program's own output is kept and the events are traced on standard error.
// Exit status 0 on success; 1, with a message on standard error, when the program cannot be
// started, dies, or does not map and paint a window within TIMEOUT_MS (10000) of the exec.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

bool verbose = false;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "xwatch: %s\n", message.c_str());
    std::exit(1);
}

// A window can vanish before the watcher's DAMAGE request for it reaches the server, and some
// top-level windows (input-only ones) cannot carry a DAMAGE object: neither ends the watch.
int ignoreXErrors(Display *, XErrorEvent *error)
{
    if (verbose)
        std::fprintf(stderr, "xwatch: ignored X error %d on 0x%lx\n", int(error->error_code),
                     error->resourceid);
    return 0;
}

struct Memory {
    long rssKb = -1;
    long pssKb = -1;
};

Memory readMemory(pid_t pid)
{
    Memory memory;
    const std::string path = "/proc/" + std::to_string(pid) + "/smaps_rollup";
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return memory;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        long value = 0;
        if (std::sscanf(line, "Rss: %ld kB", &value) == 1)
            memory.rssKb = value;
        else if (std::sscanf(line, "Pss: %ld kB", &value) == 1)
            memory.pssKb = value;
    }
    std::fclose(file);
    return memory;
}

// A descriptor that becomes readable when the child exits, so a crash ends the wait at once.
int openPidfd(pid_t pid)
{
#ifdef SYS_pidfd_open
    return int(syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

// Terminates the child and reaps it; the program gets two seconds before it is killed.
void stopChild(pid_t pid, int pidfd)
{
    kill(pid, SIGTERM);
    if (pidfd >= 0) {
        pollfd exited{pidfd, POLLIN, 0};
        if (poll(&exited, 1, 2000) == 0)
            kill(pid, SIGKILL);
    }
    waitpid(pid, nullptr, 0);
}

struct ExecReport {
    double clockMs; // CLOCK_MONOTONIC just before execvp
    int error;      // errno of a failed execvp, 0 before it
};

// Forks and execs the program; returns its pid and, in execMs, the clock just before execvp.
pid_t launch(char **argv, int xFd, double &execMs)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        fail("pipe2 failed");
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        close(fds[0]);
        close(xFd); // the program opens its own connection
        if (!verbose) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            close(null);
        }
        ExecReport report{nowMs(), 0};
        (void)!write(fds[1], &report, sizeof report);
        execvp(argv[0], argv);
        report.error = errno;
        (void)!write(fds[1], &report, sizeof report);
        _exit(127);
    }
    close(fds[1]);
    ExecReport report{};
    ExecReport failure{};
    // The first report is the clock; the pipe then closes at a successful exec (end of file),
    // or carries a second report with the error of a failed one.
    if (read(fds[0], &report, sizeof report) != ssize_t(sizeof report))
        fail("the child did not report its start");
    const ssize_t got = read(fds[0], &failure, sizeof failure);
    close(fds[0]);
    if (got == ssize_t(sizeof failure)) {
        waitpid(pid, nullptr, 0);
        fail(std::string("cannot run ") + argv[0] + ": " + std::strerror(failure.error));
    }
    execMs = report.clockMs;
    return pid;
}

// Waits until no damage has come on the watched window for quietMs; false after timeoutMs.
bool waitForStillness(Display *display, int damageEvent, double quietMs, double timeoutMs)
{
    const double startMs = nowMs();
    double lastMs = startMs;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                XDamageSubtract(display, reinterpret_cast<XDamageNotifyEvent &>(event).damage, None,
                                None);
                lastMs = nowMs();
            }
        }
        const double now = nowMs();
        if (now - lastMs >= quietMs)
            return true;
        if (now - startMs >= timeoutMs)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, int(quietMs - (now - lastMs)) + 1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const char *usage =
        "usage: xwatch [-h HOLD_MS] [-t TIMEOUT_MS] [-w WINDOW] [-v] [--] PROGRAM [ARGS...]";
    double holdMs = 1000;
    double timeoutMs = 10000;
    Window compositorOutput = None;
    int opt;
    while ((opt = getopt(argc, argv, "+h:t:w:v")) != -1) {
        switch (opt) {
        case 'h':
            holdMs = std::atof(optarg);
            break;
        case 't':
            timeoutMs = std::atof(optarg);
            break;
        case 'w':
            compositorOutput = Window(std::strtoul(optarg, nullptr, 0));
            if (compositorOutput == None)
                fail("-w needs the id of the compositor's window");
            break;
        case 'v':
            verbose = true;
            break;
        default:
            fail(usage);
        }
    }
    if (optind >= argc)
        fail(usage);

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(ignoreXErrors);
    int damageEvent = 0, damageError = 0, major = 1, minor = 1;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XDamageQueryVersion(display, &major, &minor))
        fail("the X server has no DAMAGE extension");
    int fixesEvent = 0, fixesError = 0, fixesMajor = 5, fixesMinor = 0;
    if (!XFixesQueryExtension(display, &fixesEvent, &fixesError) ||
        !XFixesQueryVersion(display, &fixesMajor, &fixesMinor))
        fail("the X server has no XFIXES extension");
    const Window root = DefaultRootWindow(display);
    std::map<Window, Damage> damages; // every top-level window created so far
    Window mapped = None;
    if (compositorOutput != None) {
        damages[compositorOutput] = XDamageCreate(display, compositorOutput, XDamageReportNonEmpty);
        mapped = compositorOutput;
        if (!waitForStillness(display, damageEvent, 200, timeoutMs))
            fail("the compositor's window never stopped changing");
    } else {
        XSelectInput(display, root, SubstructureNotifyMask);
    }
    XSync(display, False); // the selection is in place before the program starts

    const int xFd = ConnectionNumber(display);
    double execMs = 0;
    const pid_t pid = launch(argv + optind, xFd, execMs);
    const int pidfd = openPidfd(pid);

    double mapMs = -1;
    double paintMs = -1;
    bool exited = false;
    while (paintMs < 0 && !exited) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const double atMs = nowMs() - execMs;
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                const Window window = event.xcreatewindow.window;
                damages[window] = XDamageCreate(display, window, XDamageReportNonEmpty);
                if (verbose)
                    std::fprintf(stderr, "xwatch: %8.3f ms created 0x%lx %dx%d\n", atMs, window,
                                 event.xcreatewindow.width, event.xcreatewindow.height);
            } else if (event.type == MapNotify && event.xmap.event == root && mapped == None &&
                       !event.xmap.override_redirect) {
                mapped = event.xmap.window;
                mapMs = atMs;
                if (verbose)
                    std::fprintf(stderr, "xwatch: %8.3f ms mapped 0x%lx\n", atMs, mapped);
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &notify = reinterpret_cast<const XDamageNotifyEvent &>(event);
                if (verbose)
                    std::fprintf(stderr, "xwatch: %8.3f ms damage on 0x%lx: %dx%d+%d+%d\n", atMs,
                                 notify.drawable, notify.area.width, notify.area.height,
                                 notify.area.x, notify.area.y);
                if (notify.drawable == mapped && mapped != None) {
                    paintMs = atMs;
                    break;
                }
                // Damage before the map (or on another window) is not the first paint: re-arm.
                XDamageSubtract(display, notify.damage, None, None);
            }
        }
        if (paintMs >= 0)
            break;
        const double leftMs = timeoutMs - (nowMs() - execMs);
        if (leftMs <= 0) {
            stopChild(pid, pidfd);
            fail(mapped == None ? "no window was mapped in time" : "the window was not painted");
        }
        pollfd fds[2] = {{xFd, POLLIN, 0}, {pidfd, POLLIN, 0}};
        const int ready = poll(fds, pidfd >= 0 ? 2 : 1, int(leftMs) + 1);
        if (ready < 0 && errno != EINTR)
            fail("poll failed");
        if (pidfd >= 0 && (fds[1].revents & POLLIN))
            exited = !XPending(display); // drain the X events that came before the exit first
    }
    if (exited) {
        waitpid(pid, nullptr, 0);
        fail("the program exited before painting its window");
    }

    // Memory after the program has settled, one second after the window appeared.
    const double holdUntil = execMs + (compositorOutput != None ? paintMs : mapMs) + holdMs;
    for (double leftMs; (leftMs = holdUntil - nowMs()) > 0;) {
        pollfd exitedFd{pidfd, POLLIN, 0};
        if (poll(&exitedFd, pidfd >= 0 ? 1 : 0, int(leftMs) + 1) > 0) {
            waitpid(pid, nullptr, 0);
            fail("the program exited before its memory was read");
        }
    }
    const Memory memory = readMemory(pid);
    stopChild(pid, pidfd);
    if (memory.rssKb < 0 || memory.pssKb < 0)
        fail("cannot read /proc/" + std::to_string(pid) + "/smaps_rollup");

    if (compositorOutput == None)
        std::printf("map_ms=%.3f ", mapMs);
    std::printf("paint_ms=%.3f rss_kb=%ld pss_kb=%ld\n", paintMs, memory.rssKb, memory.pssKb);
    XCloseDisplay(display);
    return 0;
}
