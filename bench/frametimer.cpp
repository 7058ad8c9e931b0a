// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a program from outside, through the X DAMAGE extension:
//  - the time from exec to the first settled frame: the last drawing of the
//    first burst that paints real content, a burst ending after 50 ms with no
//    more drawing;
//  - its peak resident memory (VmHWM) at that moment;
//  - input latency: from a synthetic Space (XTest) on "Избрах", after a right
//    pair has been selected by keyboard, to the last drawing it causes.
// Run it in an X server without a window manager.
//   frametimer PROGRAM PRESSES
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr double quietMs = 50.0; // a burst of drawing ends after this much quiet

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

long statusKiB(pid_t pid, const std::string &field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

class Watcher
{
public:
    explicit Watcher(Display *display) : display_(display)
    {
        int error = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
            std::fprintf(stderr, "frametimer: no DAMAGE extension\n");
            std::exit(2);
        }
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
    }

    // Handles X events until one reports drawing or the time runs out.
    // Returns the time the drawing was seen.
    std::optional<double> nextDrawing(double timeoutMs)
    {
        const double deadline = nowMs() + timeoutMs;
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == damageEvent_ + XDamageNotify) {
                    return nowMs();
                }
                handle(event);
            }
            const double left = deadline - nowMs();
            if (left <= 0) {
                return std::nullopt;
            }
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left) + 1);
        }
    }

    // Waits for drawing to start, then for it to stop; returns the time of
    // the last drawing of the burst.
    std::optional<double> burst(double startTimeoutMs)
    {
        std::optional<double> last = nextDrawing(startTimeoutMs);
        if (!last) {
            return std::nullopt;
        }
        while (const std::optional<double> next = nextDrawing(quietMs)) {
            last = next;
        }
        return last;
    }

    void waitQuiet(double ms)
    {
        while (nextDrawing(ms)) {
        }
    }

    Window mainWindow() const { return main_; }

    // Real content: more than a handful of colours on the main window.
    bool showsContent()
    {
        if (main_ == None) {
            return false;
        }
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, main_, &attributes);
        XImage *image = XGetImage(display_, main_, 0, 0, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
        if (!image) {
            return false;
        }
        std::set<unsigned long> colours;
        for (int y = 0; y < attributes.height; y += 3) {
            for (int x = 0; x < attributes.width; x += 3) {
                colours.insert(XGetPixel(image, x, y));
            }
        }
        XDestroyImage(image);
        return colours.size() > 16;
    }

private:
    void handle(const XEvent &event)
    {
        if (event.type == CreateNotify) {
            // Track drawing on every new top-level window from its start.
            XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && main_ == None) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display_, event.xmap.window, &attributes);
            if (attributes.width >= 200 && attributes.height >= 200) {
                main_ = event.xmap.window;
                // No window manager here: give the new window the focus, as one would.
                XSetInputFocus(display_, main_, RevertToParent, CurrentTime);
            }
        }
    }

    Display *display_;
    int damageEvent_ = 0;
    Window main_ = None;
};

class Keyboard
{
public:
    explicit Keyboard(Display *display) : display_(display) {}

    void tap(KeySym sym, bool shift = false)
    {
        const KeyCode shiftCode = XKeysymToKeycode(display_, XK_Shift_L);
        const KeyCode code = XKeysymToKeycode(display_, sym);
        if (shift) {
            XTestFakeKeyEvent(display_, shiftCode, True, 0);
        }
        XTestFakeKeyEvent(display_, code, True, 0);
        XTestFakeKeyEvent(display_, code, False, 0);
        if (shift) {
            XTestFakeKeyEvent(display_, shiftCode, False, 0);
        }
        XFlush(display_);
    }

    // In the focused list: to the top, down to the row, Space to select it.
    void pickRow(int row)
    {
        tap(XK_Home);
        for (int i = 0; i < row; ++i) {
            tap(XK_Down);
        }
        tap(XK_space);
    }

private:
    Display *display_;
};

// Rows of the title and of the author of each pair, by key, in the stored lists.
constexpr std::array<int, 14> titleOfKey = {0, 5, 3, 12, 13, 9, 2, 8, 10, 7, 6, 11, 4, 1};
constexpr std::array<int, 14> authorOfKey = {12, 7, 1, 0, 6, 5, 8, 10, 9, 3, 13, 2, 4, 11};

// The row a stored item has once the pairs with keys below `matched` are gone.
int rowNow(const std::array<int, 14> &ofKey, int key)
{
    int row = ofKey[static_cast<std::size_t>(key)];
    for (int earlier = 0; earlier < key; ++earlier) {
        if (ofKey[static_cast<std::size_t>(earlier)] < ofKey[static_cast<std::size_t>(key)]) {
            --row;
        }
    }
    return row;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: frametimer PROGRAM PRESSES\n");
        return 2;
    }
    const int presses = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "frametimer: no X display\n");
        return 2;
    }
    Watcher watcher(display);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(argv[1], argv[1], static_cast<char *>(nullptr));
        std::perror("frametimer: exec");
        _exit(127);
    }

    std::optional<double> settled;
    while (!settled) {
        const std::optional<double> end = watcher.burst(10000);
        if (!end) {
            std::fprintf(stderr, "frametimer: no frame within 10 s\n");
            kill(pid, SIGKILL);
            return 1;
        }
        if (watcher.showsContent()) {
            settled = end;
        }
    }
    std::printf("first_frame_ms %.2f\n", *settled - start);
    std::printf("peak_rss_kib %ld\n", statusKiB(pid, "VmHWM"));
    std::fflush(stdout);

    Keyboard keyboard(display);
    for (int press = 0; press < presses; ++press) {
        const int key = press % 14;
        if (press == 0) {
            keyboard.tap(XK_Tab); // from the instructions to the title list
        } else if (key == 0) {
            // Solved: "Чисти" (past the acronym column), then back to the titles.
            keyboard.tap(XK_Tab);
            keyboard.tap(XK_Tab);
            keyboard.tap(XK_space);
            keyboard.tap(XK_Tab);
            keyboard.tap(XK_Tab);
        } else {
            keyboard.tap(XK_Tab, true); // from "Избрах" back to the title list
            keyboard.tap(XK_Tab, true);
        }
        keyboard.pickRow(rowNow(titleOfKey, key));
        keyboard.tap(XK_Tab);
        keyboard.pickRow(rowNow(authorOfKey, key));
        keyboard.tap(XK_Tab);
        watcher.waitQuiet(100);

        const double pressed = nowMs();
        keyboard.tap(XK_space);
        const std::optional<double> end = watcher.burst(2000);
        if (!end) {
            std::fprintf(stderr, "frametimer: press %d drew nothing\n", press);
            kill(pid, SIGKILL);
            return 1;
        }
        std::printf("latency_ms %.2f\n", *end - pressed);
    }

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
