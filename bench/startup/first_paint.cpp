// Starts a program and reports, once, the time from exec until its first
// top-level window is first drawn into (the X DAMAGE extension reports the
// first drawing into a mapped window; "mapped" alone comes too early), then
// its resident memory once idle. Runs on the display named by DISPLAY.
// Windows that cannot be drawn into (input-only ones, such as the one a
// D-Bus autolaunch maps) are not watched. The program is stopped when this
// tool ends, however it ends; one that shows nothing for 30 s is a failure.
//
//   first_paint IDLE_MS PROGRAM [ARGS...]
//   prints: <milliseconds to first paint> <resident kB once idle>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace {

constexpr int kPaintTimeoutSeconds = 30;

// A window that went away between its creation and our look at it raises
// an X error; Xlib's default handler would end this tool, not the program.
int IgnoreError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

bool CanBeDrawnInto(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.c_class == InputOutput;
}

// Waits for the next event, at most until `deadline`.
bool NextEvent(Display* display, XEvent* event, std::chrono::steady_clock::time_point deadline) {
    while (XPending(display) == 0) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::seconds(0)) {
            return false;
        }
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        timeval timeout{static_cast<time_t>(micros / 1000000),
                        static_cast<suseconds_t>(micros % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &timeout);
    }
    XNextEvent(display, event);
    return true;
}

// Starts the program; the kernel stops it should this tool die first.
pid_t Start(char** argv) {
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        execv(argv[0], argv);
        _exit(127);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 2000; waited += 10) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);  // hung, in a D-Bus call say
    waitpid(pid, nullptr, 0);
}

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_paint IDLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int idleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_paint: no display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_paint: no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Start(argv + 2);
    if (pid < 0) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", argv[2]);
        return 2;
    }
    const auto deadline = start + std::chrono::seconds(kPaintTimeoutSeconds);

    // Damage is watched from a window's creation, so no early drawing is
    // missed; it counts once the window is mapped.
    std::set<Window> mapped;
    double firstPaintMs = -1;
    while (firstPaintMs < 0) {
        XEvent event;
        if (!NextEvent(display, &event, deadline)) {
            std::fprintf(stderr, "first_paint: %s drew no window in %d s\n", argv[2],
                         kPaintTimeoutSeconds);
            Stop(pid);
            return 1;
        }
        if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
            !event.xcreatewindow.override_redirect &&
            CanBeDrawnInto(display, event.xcreatewindow.window)) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify) {
            mapped.insert(event.xmap.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
            if (mapped.count(damage->drawable) != 0) {
                firstPaintMs = std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - start)
                                   .count();
            }
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    const long rss = ResidentKilobytes(pid);
    Stop(pid);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", firstPaintMs, rss);
    return 0;
}
