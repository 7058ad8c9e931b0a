// SPDX-License-Identifier: GPL-3.0-or-later
// Sends random real input to a window through the XTest extension: keys, and
// clicks, double clicks, right clicks and wheel turns anywhere in the window,
// inside and outside its controls. Prints the program's resident memory every
// 1000 events.
//   soak_driver WINDOW-ID PID EVENTS SEED
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

long residentKiB(long pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1; // the program has gone
}

struct Key
{
    KeySym sym;
    bool shift;
    bool control;
};

// Keys a pupil might press. Nothing with Alt or Super: those belong to the
// window manager (Alt+F4 closes the window, which is not a fault).
const std::vector<Key> keys = {
    {XK_Tab, false, false},    {XK_Tab, true, false},        {XK_Up, false, false},
    {XK_Down, false, false},   {XK_Left, false, false},      {XK_Right, false, false},
    {XK_Home, false, false},   {XK_End, false, false},       {XK_Prior, false, false},
    {XK_Next, false, false},   {XK_space, false, false},     {XK_Return, false, false},
    {XK_Escape, false, false}, {XK_BackSpace, false, false}, {XK_Delete, false, false},
    {XK_a, false, false},      {XK_z, false, false},         {XK_a, false, true},
    {XK_c, false, true},       {XK_v, false, true},          {XK_x, false, true},
    {XK_z, false, true},       {XK_space, false, true},      {XK_Down, true, false},
    {XK_End, true, false},     {XK_Menu, false, false},      {XK_F1, false, false},
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: soak_driver WINDOW-ID PID EVENTS SEED\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const long pid = std::strtol(argv[2], nullptr, 10);
    const int events = std::atoi(argv[3]);
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10));

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "soak_driver: no X display\n");
        return 2;
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int left = 0;
    int top = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &child);

    std::printf("soak: %d events, seed %u, window %dx%d at %d,%d\n", events, seed, attributes.width,
                attributes.height, left, top);
    std::fflush(stdout);
    std::mt19937 random(seed);
    auto below = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);

    for (int event = 1; event <= events; ++event) {
        if (below(2) == 0) {
            const Key &key = keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
            const KeyCode code = XKeysymToKeycode(display, key.sym);
            if (key.shift) {
                XTestFakeKeyEvent(display, shift, True, 0);
            }
            if (key.control) {
                XTestFakeKeyEvent(display, control, True, 0);
            }
            XTestFakeKeyEvent(display, code, True, 0);
            XTestFakeKeyEvent(display, code, False, 0);
            if (key.control) {
                XTestFakeKeyEvent(display, control, False, 0);
            }
            if (key.shift) {
                XTestFakeKeyEvent(display, shift, False, 0);
            }
        } else {
            // Anywhere in the window: the lists, buttons, text box and the gaps.
            XTestFakeMotionEvent(display, -1, left + below(attributes.width),
                                 top + below(attributes.height), 0);
            const int roll = below(20);
            const unsigned button = roll < 14 ? 1 : roll < 16 ? 3 : roll < 18 ? 4 : 5;
            const int clicks = roll == 0 ? 2 : 1;
            for (int i = 0; i < clicks; ++i) {
                XTestFakeButtonEvent(display, button, True, 0);
                XTestFakeButtonEvent(display, button, False, 0);
            }
        }
        XSync(display, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        if (event % 1000 == 0) {
            // Let the program catch up before reading its memory.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long rss = residentKiB(pid);
            std::printf("soak: event %d, VmRSS %ld KiB\n", event, rss);
            std::fflush(stdout);
            if (rss < 0) {
                std::fprintf(stderr, "soak: the program has gone after %d events\n", event);
                return 1;
            }
        }
    }
    XCloseDisplay(display);
    return 0;
}
