// SPDX-License-Identifier: GPL-3.0-or-later
// build/kluvian-probe COMMAND: measures the game from outside its process, as a player meets it:
// the keys and the pointer come from the X server's test extension, the pictures are read back
// from the screen.
//   f2            F2, then the time until the loading window has come and gone, and until
//                 the drawing's centre shows a picture (the first game after a black screen)
//   aim SECONDS   an arrow held (left, then right) and the pointer circling: new pictures
//                 a second on the screen
//   follow MOVES  the pointer jumps to a new place over the sky: time from the jump until the
//                 cross-hair's red centre is on the screen there (median, 90th percentile)
//   locate        prints where the drawing is on the screen, found by the black it shows
//                 before the first game; the other commands take that from KLUVIAN_DRAWING
//                 ("X Y W H"), or locate the drawing themselves.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::microseconds(long(ms * 1000)));
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Pixels of a screen rectangle, read through shared memory: fast enough to poll every
// millisecond.
class Grabber {
public:
    Grabber(Display* display, int w, int h) : display_(display) {
        const int screen = DefaultScreen(display);
        image_ = XShmCreateImage(display, DefaultVisual(display, screen),
                                 unsigned(DefaultDepth(display, screen)), ZPixmap, nullptr, &info_,
                                 unsigned(w), unsigned(h));
        info_.shmid =
            shmget(IPC_PRIVATE, std::size_t(image_->bytes_per_line * h), IPC_CREAT | 0600);
        info_.shmaddr = image_->data = static_cast<char*>(shmat(info_.shmid, nullptr, 0));
        info_.readOnly = False;
        XShmAttach(display, &info_);
        XSync(display, False);
        shmctl(info_.shmid, IPC_RMID, nullptr);
    }
    ~Grabber() {
        XShmDetach(display_, &info_);
        XDestroyImage(image_);
        shmdt(info_.shmaddr);
    }
    Grabber(const Grabber&) = delete;
    Grabber& operator=(const Grabber&) = delete;

    void Grab(int x, int y) {
        XShmGetImage(display_, DefaultRootWindow(display_), image_, x, y, AllPlanes);
    }
    unsigned long Pixel(int x, int y) const { return XGetPixel(image_, x, y); }
    std::size_t Hash() const {
        std::size_t h = 1469598103934665603ull;
        const auto* bytes = reinterpret_cast<const unsigned char*>(image_->data);
        for (int i = 0; i < image_->bytes_per_line * image_->height; ++i)
            h = (h ^ bytes[i]) * 1099511628211ull;
        return h;
    }

private:
    Display* display_;
    XShmSegmentInfo info_{};
    XImage* image_ = nullptr;
};

// The window's title as raw bytes: enough to compare an ASCII beginning, whether the title is
// in UTF-8 or a compound text.
std::string NameOf(Display* display, Window w) {
    XTextProperty property{};
    if (!XGetTextProperty(display, w, &property, XInternAtom(display, "_NET_WM_NAME", False)) &&
        !XGetTextProperty(display, w, &property, XA_WM_NAME))
        return {};
    std::string text(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
    return text;
}

// The first window below root whose name starts with prefix, and whose map state is viewable
// when viewable is asked for.
std::optional<Window> FindWindow(Display* display, Window under, const std::string& prefix,
                                 bool viewable, int depth = 0) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        if (NameOf(display, children[i]).rfind(prefix, 0) == 0) {
            XWindowAttributes attributes{};
            XGetWindowAttributes(display, children[i], &attributes);
            if (!viewable || attributes.map_state == IsViewable)
                found = children[i];
        }
        if (!found && depth < 3)
            found = FindWindow(display, children[i], prefix, viewable, depth + 1);
    }
    if (children)
        XFree(children);
    return found;
}

bool Shown(Display* display, Window w) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, w, &attributes) && attributes.map_state == IsViewable;
}

struct Rgb {
    int r, g, b;
};
Rgb Split(unsigned long pixel) {
    return {int((pixel >> 16) & 0xff), int((pixel >> 8) & 0xff), int(pixel & 0xff)};
}

class Probe {
public:
    explicit Probe(Display* display) : display_(display) {}

    bool FindDrawing() {
        const auto main = FindWindow(display_, DefaultRootWindow(display_), "Kluvian wer", true);
        if (!main)
            return false;
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, *main, &attributes);
        Window child = 0;
        int x = 0, y = 0;
        XTranslateCoordinates(display_, *main, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
        // Below the menu and the tool bar the drawing starts black: its first row of black.
        Grabber column(display_, 1, attributes.height);
        column.Grab(x + attributes.width - 3, y);
        for (int row = 0; row + 10 < attributes.height; ++row) {
            bool black = true;
            for (int k = 0; k < 10 && black; ++k)
                black = Split(column.Pixel(0, row + k)).r == 0 &&
                        Split(column.Pixel(0, row + k)).g == 0;
            if (black) {
                drawing_ = {x, y + row, attributes.width, attributes.height - row};
                return true;
            }
        }
        return false;
    }
    const Rect& Drawing() const { return drawing_; }
    void SetDrawing(const Rect& r) { drawing_ = r; }

    void Key(KeySym key, bool down) {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, key), down ? True : False, 0);
        XFlush(display_);
    }
    void MoveTo(int x, int y) {
        XTestFakeMotionEvent(display_, -1, drawing_.x + x, drawing_.y + y, 0);
        XFlush(display_);
    }

    int F2() {
        const auto t0 = Clock::now();
        Key(XK_F2, true);
        Key(XK_F2, false);
        std::optional<Window> loading;
        // A walk of the window tree is a few dozen requests: not so often that the X server
        // spends its time on them rather than on the game.
        while (!loading && MsSince(t0) < 3000) {
            loading = FindWindow(display_, DefaultRootWindow(display_), "Trwa", true);
            if (!loading)
                SleepMs(2);
        }
        if (!loading) {
            std::printf("the loading window was not seen\n");
            return 1;
        }
        while (Shown(display_, *loading) && MsSince(t0) < 30000)
            SleepMs(0.5);
        const double gone = MsSince(t0);
        Grabber centre(display_, 1, 1);
        double shown = -1;
        while (MsSince(t0) < 30000) {
            centre.Grab(drawing_.x + drawing_.w / 2, drawing_.y + drawing_.h / 2);
            const Rgb c = Split(centre.Pixel(0, 0));
            if (c.r + c.g + c.b > 60) {
                shown = MsSince(t0);
                break;
            }
            SleepMs(0.5);
        }
        std::printf("F2 to playing: %.0f ms (the loading window gone), %.0f ms (a picture at the "
                    "drawing's centre)\n",
                    gone, shown);
        return 0;
    }

    int Aim(double seconds) {
        // A band across the mountains: panning moves it in every frame that pans.
        const int bandHeight = 16;
        Grabber band(display_, drawing_.w, bandHeight);
        long pictures = 0;
        std::size_t last = 0;
        const auto t0 = Clock::now();
        double nextMove = 0;
        int step = 0;
        for (const KeySym arrow : {XK_Left, XK_Right}) {
            Key(arrow, true);
            const auto half = Clock::now();
            while (MsSince(half) < seconds * 500) {
                if (MsSince(t0) >= nextMove) { // the pointer circles at about 1.5 turns a second
                    const double a = step++ * 0.04;
                    MoveTo(drawing_.w / 2 + int(120 * std::cos(a)),
                           drawing_.h / 3 + int(80 * std::sin(a)));
                    nextMove += 4;
                }
                band.Grab(drawing_.x, drawing_.y + drawing_.h / 2);
                const std::size_t h = band.Hash();
                if (h != last) {
                    ++pictures;
                    last = h;
                }
                SleepMs(0.7);
            }
            Key(arrow, false);
        }
        std::printf(
            "Aiming and panning: %.1f new pictures a second on the screen (%ld in %.1f s)\n",
            double(pictures) / (MsSince(t0) / 1000), pictures, MsSince(t0) / 1000);
        return 0;
    }

    int Follow(int moves) {
        Grabber spot(display_, 5, 5);
        std::vector<double> ms;
        int late = 0;
        std::srand(7);
        for (int i = 0; i < moves; ++i) {
            // Over the sky, away from the texts, a fresh place each time.
            const int x = drawing_.w / 4 + std::rand() % (drawing_.w / 2);
            const int y = drawing_.h / 6 + std::rand() % (drawing_.h / 4);
            const auto t0 = Clock::now();
            MoveTo(x, y);
            double seen = -1;
            while (MsSince(t0) < 500) {
                spot.Grab(drawing_.x + x - 2, drawing_.y + y - 2);
                bool red = false;
                for (int py = 0; py < 5 && !red; ++py)
                    for (int px = 0; px < 5 && !red; ++px) {
                        const Rgb c = Split(spot.Pixel(px, py));
                        red = c.r > 170 && c.g < 100 && c.b < 100;
                    }
                if (red) {
                    seen = MsSince(t0);
                    break;
                }
                SleepMs(0.25);
            }
            if (seen < 0)
                ++late;
            else
                ms.push_back(seen);
            SleepMs(120 + std::rand() % 50); // moves fall at any moment of a frame
        }
        if (ms.empty()) {
            std::printf("Pointer to cross-hair: never seen\n");
            return 1;
        }
        std::sort(ms.begin(), ms.end());
        auto at = [&](double q) {
            return ms[std::min(ms.size() - 1, std::size_t(q * double(ms.size())))];
        };
        std::printf("Pointer to cross-hair on the screen: median %.1f ms, 90th percentile %.1f ms, "
                    "max %.1f ms (%zu moves, %d not seen within 500 ms)\n",
                    at(0.5), at(0.9), ms.back(), ms.size(), late);
        return 0;
    }

private:
    Display* display_;
    Rect drawing_;
};

// The probe walks the window tree while the game makes and drops windows (the loading window,
// a dialog): a window gone between two requests is no error, it is simply no longer there.
int IgnoreWindowsGone(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        return 0;
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "kluvian-probe: X error: %s\n", text);
    std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kluvian-probe locate | f2 | aim SECONDS | follow MOVES\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "kluvian-probe: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreWindowsGone);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor) ||
        !XShmQueryExtension(display)) {
        std::fprintf(stderr, "kluvian-probe: the X server lacks XTEST or MIT-SHM\n");
        return 1;
    }
    Probe probe(display);
    Rect at;
    if (const char* given = std::getenv("KLUVIAN_DRAWING");
        given && std::sscanf(given, "%d %d %d %d", &at.x, &at.y, &at.w, &at.h) == 4)
        probe.SetDrawing(at);
    else if (!probe.FindDrawing()) {
        std::fprintf(stderr, "kluvian-probe: no main window with a black drawing on the screen\n");
        return 1;
    }
    const std::string what = argv[1];
    const double amount = argc > 2 ? std::atof(argv[2]) : 0;
    int status = 2;
    if (what == "locate") {
        const Rect& r = probe.Drawing();
        std::printf("%d %d %d %d\n", r.x, r.y, r.w, r.h);
        status = 0;
    } else if (what == "f2")
        status = probe.F2();
    else if (what == "aim")
        status = probe.Aim(amount > 0 ? amount : 6);
    else if (what == "follow")
        status = probe.Follow(amount > 0 ? int(amount) : 48);
    XCloseDisplay(display);
    return status;
}
