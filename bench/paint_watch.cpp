// Watches an X display for the first top-level window of a given size to be mapped and then
// painted, and prints both moments on CLOCK_MONOTONIC (the clock Python's time.monotonic() reads),
// so a launcher can subtract its own launch moment.
//
//   paint_watch WIDTH HEIGHT TIMEOUT_SECONDS
//
// Prints "ready" once it listens (launch the program after that), then "map SECONDS" and
// "paint SECONDS". The display must have a black root window (Xvfb -br): toolkits map their
// windows without a background, so the window shows the black root until its first frame is
// drawn. "Painted" is the first poll (every 2 ms) at which at least half of the window's pixels
// are no longer black. Exits 1 on time-out.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

constexpr int kPollMs = 2;
constexpr int kSampleStep = 3; // every third pixel in each direction is enough to see a frame

double monotonic_seconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct DisplayCloser {
    void operator()(Display *d) const { XCloseDisplay(d); }
};
struct ImageDestroyer {
    void operator()(XImage *image) const { XDestroyImage(image); }
};

// Waits for the MapNotify of a child of the root window with the wanted size.
Window wait_for_map(Display *display, int width, int height, double deadline) {
    const int fd = ConnectionNumber(display);
    while (monotonic_seconds() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 && attributes.width == width &&
                attributes.height == height)
                return event.xmap.window;
        }
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 50);
    }
    return None;
}

// Share of sampled pixels of the window's rectangle on the root window that are not black.
double painted_share(Display *display, Window root, int x, int y, int width, int height) {
    std::unique_ptr<XImage, ImageDestroyer> image(XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap));
    if (!image)
        return 0;
    long lit = 0, sampled = 0;
    for (int row = 0; row < height; row += kSampleStep)
        for (int column = 0; column < width; column += kSampleStep) {
            ++sampled;
            if ((XGetPixel(image.get(), column, row) & 0xFFFFFF) != 0)
                ++lit;
        }
    return sampled == 0 ? 0 : static_cast<double>(lit) / static_cast<double>(sampled);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: paint_watch WIDTH HEIGHT TIMEOUT_SECONDS\n");
        return 2;
    }
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    const double deadline = monotonic_seconds() + std::atof(argv[3]);
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "paint_watch: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display.get());
    XSelectInput(display.get(), root, SubstructureNotifyMask);
    XSync(display.get(), False);
    std::printf("ready\n");
    std::fflush(stdout);

    const Window window = wait_for_map(display.get(), width, height, deadline);
    if (window == None)
        return 1;
    std::printf("map %.6f\n", monotonic_seconds());
    std::fflush(stdout);

    while (monotonic_seconds() < deadline) {
        Window child;
        int x = 0, y = 0;
        XTranslateCoordinates(display.get(), window, root, 0, 0, &x, &y, &child);
        // Only the part on the screen can be read back.
        const int screen_width = DisplayWidth(display.get(), DefaultScreen(display.get()));
        const int screen_height = DisplayHeight(display.get(), DefaultScreen(display.get()));
        const int left = std::max(x, 0), top = std::max(y, 0);
        const int right = std::min(x + width, screen_width), bottom = std::min(y + height, screen_height);
        if (right > left && bottom > top &&
            painted_share(display.get(), root, left, top, right - left, bottom - top) >= 0.5) {
            std::printf("paint %.6f\n", monotonic_seconds());
            return 0;
        }
        const timespec pause{0, kPollMs * 1'000'000L};
        nanosleep(&pause, nullptr);
    }
    return 1;
}
