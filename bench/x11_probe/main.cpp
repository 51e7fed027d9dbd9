// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures a running X11 program from outside, without touching it:
//
//   x11_probe start TITLE LOGFILE PROGRAM [ARGS...]
//       Starts PROGRAM (output to LOGFILE) and waits for a top-level window
//       named TITLE to be mapped. Prints "PID MILLISECONDS CPU_MILLISECONDS":
//       the monotonic clock from just before the fork to the MapNotify, and
//       the CPU time the program's threads had used by then (the scheduler's
//       count, not inflated by other processes). Then it stays until the
//       program ends (so that it is reaped) and exits with its status. Exit
//       status 1 when no such window appears within 30 s.
//   x11_probe checksum X Y W H
//       Prints a checksum of the pixels of a rectangle of the root window.
//   x11_probe keys X Y W H COUNT
//       Sends the key "7" and then BackSpace COUNT times each through XTest
//       to the window that has the input focus, and times each from the
//       moment the key is sent to the moment the rectangle's pixels show it
//       (the 7 drawn, then the original pixels back). Pixels that change on
//       their own (a blinking caret) are learnt first and ignored. Prints one
//       line per key kind: median, maximum, all samples.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// From libXtst (the library xdotool uses); declared here so that only the
// runtime library is needed.
extern "C" int XTestFakeKeyEvent(Display* display, unsigned int keycode, Bool isPress,
                                 unsigned long delay);

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void sleepMs(double ms) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ms / 1000);
    ts.tv_nsec = static_cast<long>((ms - static_cast<double>(ts.tv_sec) * 1000) * 1e6);
    nanosleep(&ts, nullptr);
}

Display* openDisplay() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_probe: cannot open the display\n");
        std::exit(2);
    }
    return display;
}

std::string windowName(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (name.empty()) {
        char* legacy = nullptr;
        if (XFetchName(display, window, &legacy) && legacy) {
            name = legacy;
            XFree(legacy);
        }
    }
    return name;
}

// CPU time used so far by all threads of a process, from the scheduler's
// per-thread accounting (nanoseconds on the CPU, first field of schedstat).
double cpuMs(pid_t pid) {
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR* tasks = opendir(dir.c_str());
    if (!tasks) {
        return -1;
    }
    double ns = 0;
    while (dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string path = dir + "/" + entry->d_name + "/schedstat";
        if (FILE* f = std::fopen(path.c_str(), "r")) {
            unsigned long long onCpu = 0;
            if (std::fscanf(f, "%llu", &onCpu) == 1) {
                ns += static_cast<double>(onCpu);
            }
            std::fclose(f);
        }
    }
    closedir(tasks);
    return ns / 1e6;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0; // a window may vanish while its name is read
}

int commandStart(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: x11_probe start TITLE LOGFILE PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[2];
    Display* display = openDisplay();
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        const int log = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
        }
        setsid(); // its own process group: the probe may exit before it
        execvp(argv[4], argv + 4);
        std::perror("exec");
        _exit(127);
    }

    const int fd = ConnectionNumber(display);
    while (nowMs() - start < 30000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowName(display, event.xmap.window) == title) {
                const double shown = nowMs();
                std::printf("%d %.1f %.1f\n", static_cast<int>(pid), shown - start, cpuMs(pid));
                std::fflush(stdout);
                XCloseDisplay(display);
                int status = 0;
                while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
                }
                return WIFEXITED(status) ? WEXITSTATUS(status) : 0;
            }
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "x11_probe: %s ended before its window appeared\n", argv[4]);
            return 1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval timeout{0, 20000};
        select(fd + 1, &fds, nullptr, nullptr, &timeout);
    }
    std::fprintf(stderr, "x11_probe: no window \"%s\" within 30 s\n", title.c_str());
    kill(pid, SIGTERM);
    return 1;
}

struct Rect {
    int x, y, w, h;
};

Rect parseRect(char** argv) {
    return {std::atoi(argv[0]), std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3])};
}

std::vector<unsigned long> grab(Display* display, const Rect& r) {
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), r.x, r.y, static_cast<unsigned>(r.w),
                  static_cast<unsigned>(r.h), AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    if (!image) {
        return pixels;
    }
    pixels.reserve(static_cast<std::size_t>(r.w * r.h));
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            pixels.push_back(XGetPixel(image, x, y));
        }
    }
    XDestroyImage(image);
    return pixels;
}

int commandChecksum(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: x11_probe checksum X Y W H\n");
        return 2;
    }
    Display* display = openDisplay();
    const std::vector<unsigned long> pixels = grab(display, parseRect(argv + 2));
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned long p : pixels) {
        hash = (hash ^ p) * 1099511628211ull;
    }
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
    return pixels.empty() ? 1 : 0;
}

// Pixels that differ from `reference` outside the masked ones.
bool differs(const std::vector<unsigned long>& now, const std::vector<unsigned long>& reference,
             const std::vector<bool>& unstable) {
    if (now.size() != reference.size()) {
        return true;
    }
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (!unstable[i] && now[i] != reference[i]) {
            return true;
        }
    }
    return false;
}

// Time from sending the key to `done(pixels)`; -1 after 2 s. The clock
// starts before the request is sent: a probe descheduled on a busy machine
// then counts too much, never too little.
template <typename Done> double timeKey(Display* display, KeyCode key, const Rect& r, Done done) {
    const double sent = nowMs();
    XTestFakeKeyEvent(display, key, True, 0);
    XTestFakeKeyEvent(display, key, False, 0);
    XSync(display, False); // the server has taken the key
    while (nowMs() - sent < 2000) {
        if (done(grab(display, r))) {
            return nowMs() - sent;
        }
        sleepMs(0.25);
    }
    return -1;
}

void printSamples(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%s median_ms=%.2f max_ms=%.2f samples_ms=", what, samples[samples.size() / 2],
                samples.back());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::printf("%s%.2f", i ? "," : "", samples[i]);
    }
    std::printf("\n");
}

int commandKeys(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: x11_probe keys X Y W H COUNT\n");
        return 2;
    }
    const Rect r = parseRect(argv + 2);
    const int count = std::max(1, std::atoi(argv[6]));
    Display* display = openDisplay();
    const KeyCode seven = XKeysymToKeycode(display, XK_7);
    const KeyCode backspace = XKeysymToKeycode(display, XK_BackSpace);

    // Learn what changes without a key: 1.5 s covers a full caret blink.
    const std::vector<unsigned long> reference = grab(display, r);
    if (reference.empty()) {
        std::fprintf(stderr, "x11_probe: cannot read the rectangle\n");
        return 2;
    }
    std::vector<bool> unstable(reference.size(), false);
    for (const double t0 = nowMs(); nowMs() - t0 < 1500; sleepMs(5)) {
        const std::vector<unsigned long> now = grab(display, r);
        for (std::size_t i = 0; i < now.size(); ++i) {
            unstable[i] = unstable[i] || now[i] != reference[i];
        }
    }
    const auto stable = std::count(unstable.begin(), unstable.end(), false);
    if (stable == 0) {
        std::fprintf(stderr, "x11_probe: every pixel of the rectangle changes on its own\n");
        return 2;
    }

    std::mt19937 random(12345);
    std::uniform_real_distribution<double> pause(20.0, 80.0);
    std::vector<double> typed;
    std::vector<double> erased;
    for (int i = 0; i < count; ++i) {
        const double t = timeKey(display, seven, r, [&](const std::vector<unsigned long>& now) {
            return differs(now, reference, unstable);
        });
        if (t < 0) {
            std::fprintf(stderr, "x11_probe: the typed 7 did not show within 2 s\n");
            return 1;
        }
        typed.push_back(t);
        sleepMs(pause(random));
        const double e = timeKey(display, backspace, r, [&](const std::vector<unsigned long>& now) {
            return !differs(now, reference, unstable);
        });
        if (e < 0) {
            std::fprintf(stderr,
                         "x11_probe: the sheet did not return after BackSpace within 2 s\n");
            return 1;
        }
        erased.push_back(e);
        sleepMs(pause(random));
    }
    std::printf("ignored_pixels=%ld of %zu\n",
                static_cast<long>(reference.size()) - static_cast<long>(stable), reference.size());
    printSamples("key_7", typed);
    printSamples("key_BackSpace", erased);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "start") {
        return commandStart(argc, argv);
    }
    if (command == "checksum") {
        return commandChecksum(argc, argv);
    }
    if (command == "keys") {
        return commandKeys(argc, argv);
    }
    std::fprintf(stderr, "usage: x11_probe start|checksum|keys ...\n");
    return 2;
}
