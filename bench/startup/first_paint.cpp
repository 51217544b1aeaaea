// Starts a program and reports, once, the time from exec until its first
// top-level window is first drawn into (the X DAMAGE extension reports the
// first drawing into a mapped window; "mapped" alone comes too early), then
// its resident memory once idle. Runs on the display named by DISPLAY.
//
//   first_paint IDLE_MS PROGRAM [ARGS...]
//   prints: <milliseconds to first paint> <resident kB once idle>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>

extern char** environ;

namespace {

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
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", argv[2]);
        return 2;
    }

    // Damage is watched from a window's creation, so no early drawing is
    // missed; it counts once the window is mapped.
    std::set<Window> mapped;
    double firstPaintMs = -1;
    while (firstPaintMs < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
            !event.xcreatewindow.override_redirect) {
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
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", firstPaintMs, rss);
    return 0;
}
