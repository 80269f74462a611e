// What the X server really shows as the pointer (XFixes), for the editor's
// screen test; screenshots never contain the pointer.
//   shapix-cursor-probe ID      waits up to 3 s for the library's cursor ID
//                               (129, 1003, ...) with its hot spot; exit 1
//                               and both pictures when it does not come
//   shapix-cursor-probe --show  one line: size, hot spot and which library
//                               cursor it is ("library N" or "other HASH")
#include "Shapix.h"
#include "res/ShapixResources.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kLibraryCursors[] = { 129, 1003, 1004, 1006 };

struct Shown {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<unsigned> argb;
    std::string name; // a themed cursor's, when the server was told one
};

Shown Current(Display* display)
{
    Shown shown;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        shown.width = image->width;
        shown.height = image->height;
        shown.hotX = image->xhot;
        shown.hotY = image->yhot;
        // 32-bit ARGB values carried in longs.
        for (int i = 0; i < image->width * image->height; ++i)
            shown.argb.push_back(static_cast<unsigned>(image->pixels[i] & 0xFFFFFFFFu));
        if (image->atom != None) {
            char* name = XGetAtomName(display, image->atom);
            shown.name = name ? name : "";
            XFree(name);
        }
        XFree(image);
    }
    return shown;
}

// The cursor as the GTK backend hands it to the server: the monochrome
// masks as opaque black and white, transparent where the screen shows.
Shown Expected(int id)
{
    Shown expected;
    const HCURSOR cursor = LoadCursorW(ShapixResourceHandle(), MAKEINTRESOURCE(id));
    const platform::CursorResource* image = platform::CursorImage(cursor);
    if (!image)
        return expected;
    expected.width = expected.height = 32;
    expected.hotX = image->hotSpot.x;
    expected.hotY = image->hotSpot.y;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool andBit = image->andMask[y] & (0x80000000u >> x);
            const bool xorBit = image->xorMask[y] & (0x80000000u >> x);
            expected.argb.push_back(andBit && !xorBit ? 0u : !andBit && xorBit ? 0xFFFFFFFFu : 0xFF000000u);
        }
    }
    return expected;
}

bool Same(const Shown& a, const Shown& b)
{
    return a.width == b.width && a.height == b.height && a.hotX == b.hotX && a.hotY == b.hotY && a.argb == b.argb;
}

std::string Describe(const Shown& shown)
{
    return std::to_string(shown.width) + "x" + std::to_string(shown.height) + " hot " + std::to_string(shown.hotX)
        + "," + std::to_string(shown.hotY);
}

// '#' opaque dark, '.' opaque light, ' ' transparent, '+' anything else.
void Draw(const Shown& shown)
{
    for (int y = 0; y < shown.height; ++y) {
        std::string row;
        for (int x = 0; x < shown.width; ++x) {
            const unsigned p = shown.argb[static_cast<size_t>(y * shown.width + x)];
            const unsigned alpha = p >> 24;
            row += alpha == 0 ? ' ' : alpha < 255 ? '+' : (p & 0xFF) > 127 ? '.' : '#';
        }
        std::printf("  |%s|\n", row.c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: shapix-cursor-probe ID | --show\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0;
    if (!display || !XFixesQueryExtension(display, &event, &error)) {
        std::fprintf(stderr, "shapix-cursor-probe: no X display with XFixes\n");
        return 2;
    }
    if (std::strcmp(argv[1], "--show") == 0) {
        const Shown shown = Current(display);
        std::string which;
        for (int id : kLibraryCursors)
            if (Same(shown, Expected(id)))
                which = "library " + std::to_string(id);
        if (which.empty()) {
            unsigned long hash = 5381;
            for (unsigned p : shown.argb)
                hash = hash * 33 + p;
            which = "other " + std::to_string(hash) + (shown.name.empty() ? "" : " name " + shown.name);
        }
        std::printf("%s %s\n", Describe(shown).c_str(), which.c_str());
        return 0;
    }
    const int id = std::atoi(argv[1]);
    const Shown expected = Expected(id);
    if (expected.argb.empty()) {
        std::fprintf(stderr, "shapix-cursor-probe: the library has no cursor %s\n", argv[1]);
        return 2;
    }
    // The editor sets the cursor after it handled the motion; give it time.
    Shown shown;
    for (int attempt = 0; attempt < 60; ++attempt) {
        shown = Current(display);
        if (Same(shown, expected)) {
            std::printf("cursor %d on screen: %s\n", id, Describe(shown).c_str());
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::printf("cursor %d expected, %s\n", id, Describe(expected).c_str());
    Draw(expected);
    std::printf("on screen: %s\n", Describe(shown).c_str());
    Draw(shown);
    return 1;
}
