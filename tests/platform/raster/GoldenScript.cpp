#include "GoldenScript.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace golden {

using platform::raster::BrushSpec;
using platform::raster::PenSpec;
using platform::raster::Surface;

namespace {

struct State {
    Surface surface;
    PenSpec pen { 0, 0, 0 }; // BLACK_PEN
    BrushSpec brush { 0, 0xFFFFFF }; // WHITE_BRUSH
    POINT position { 0, 0 };
};

bool ParseColor(const std::string& text, COLORREF& color)
{
    if (text.size() < 3 || text.compare(0, 2, "0x") != 0)
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str() + 2, &end, 16);
    color = static_cast<COLORREF>(value);
    return *end == '\0' && value <= 0xFFFFFF;
}

} // namespace

bool RunScript(std::istream& script, std::vector<Canvas>& canvases, std::string& error)
{
    static const std::map<std::string, UINT> penStyles { { "solid", 0 }, { "dash", 1 }, { "dot", 2 },
        { "dashdot", 3 }, { "dashdotdot", 4 }, { "null", 5 }, { "insideframe", 6 } };
    State state;
    std::string text;
    for (int lineNo = 1; std::getline(script, text); ++lineNo) {
        text = text.substr(0, text.find('#'));
        std::istringstream in(text);
        std::string command;
        if (!(in >> command))
            continue;
        bool ok = true;
        const auto ints = [&](std::initializer_list<LONG*> targets) {
            for (LONG* t : targets)
                ok = ok && static_cast<bool>(in >> *t);
        };
        const auto color = [&](COLORREF& c) {
            std::string word;
            ok = ok && static_cast<bool>(in >> word) && ParseColor(word, c);
        };
        if (command == "canvas") {
            LONG w = 0, h = 0;
            COLORREF fill = 0;
            ints({ &w, &h });
            std::string word;
            if (ok && in >> word)
                ok = ParseColor(word, fill);
            state = State {};
            state.surface = Surface(w, h, fill);
        } else if (command == "pen") {
            std::string style;
            LONG width = 0;
            ok = static_cast<bool>(in >> style) && penStyles.count(style) == 1;
            ints({ &width });
            color(state.pen.color);
            if (ok)
                state.pen = PenSpec { penStyles.at(style), static_cast<int>(width), state.pen.color };
        } else if (command == "brush") {
            std::string style;
            in >> style;
            if (style == "solid")
                color(state.brush.color), state.brush.style = 0;
            else if (style == "null")
                state.brush.style = 1;
            else
                ok = false;
        } else if (command == "stock") {
            std::string name;
            in >> name;
            if (name == "NULL_BRUSH" || name == "HOLLOW_BRUSH")
                state.brush = { 1, 0 };
            else if (name == "BLACK_BRUSH")
                state.brush = { 0, 0x000000 };
            else if (name == "WHITE_BRUSH")
                state.brush = { 0, 0xFFFFFF };
            else if (name == "NULL_PEN")
                state.pen = { 5, 0, 0 };
            else if (name == "BLACK_PEN")
                state.pen = { 0, 0, 0x000000 };
            else if (name == "WHITE_PEN")
                state.pen = { 0, 0, 0xFFFFFF };
            else
                ok = false;
        } else if (command == "moveto" || command == "lineto") {
            POINT to {};
            ints({ &to.x, &to.y });
            if (ok && command == "lineto")
                platform::raster::DrawLine(state.surface, state.position, to, state.pen);
            state.position = to;
        } else if (command == "rectangle" || command == "ellipse") {
            RECT r {};
            ints({ &r.left, &r.top, &r.right, &r.bottom });
            if (ok && command == "rectangle")
                platform::raster::DrawRectangle(state.surface, r, state.pen, state.brush);
            else if (ok)
                platform::raster::DrawEllipse(state.surface, r, state.pen, state.brush);
        } else if (command == "arc") {
            RECT r {};
            POINT s {}, e {};
            ints({ &r.left, &r.top, &r.right, &r.bottom, &s.x, &s.y, &e.x, &e.y });
            if (ok)
                platform::raster::DrawArc(state.surface, r, s, e, state.pen);
        } else if (command == "fillsolidrect") {
            RECT r {};
            COLORREF c = 0;
            ints({ &r.left, &r.top, &r.right, &r.bottom });
            color(c);
            if (ok)
                platform::raster::FillSolidRect(state.surface, r, c);
        } else if (command == "setpixel") {
            LONG x = 0, y = 0;
            COLORREF c = 0;
            ints({ &x, &y });
            color(c);
            if (ok)
                state.surface.SetPixel(x, y, c);
        } else if (command == "dump") {
            std::string name;
            ok = static_cast<bool>(in >> name);
            if (ok)
                canvases.push_back({ name, lineNo, state.surface });
        } else {
            ok = false;
        }
        std::string extra;
        if (!ok || in >> extra) {
            error = "line " + std::to_string(lineNo) + ": cannot run '" + text + "'";
            return false;
        }
    }
    return true;
}

bool ReadPpm(const std::string& path, Surface& image)
{
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    if (!(file >> magic >> width >> height >> maxValue) || magic != "P6" || maxValue != 255 || width <= 0
        || height <= 0)
        return false;
    file.get(); // the single white-space byte before the samples
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    if (!file.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size())))
        return false;
    image = Surface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
            image.SetPixel(x, y, RGB(p[0], p[1], p[2]));
        }
    return true;
}

std::string FirstDifference(const Surface& expected, const Surface& actual)
{
    char text[160];
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
        std::snprintf(text, sizeof text, "size %dx%d, expected %dx%d", actual.Width(), actual.Height(),
            expected.Width(), expected.Height());
        return text;
    }
    int count = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (expected.Pixel(x, y) != actual.Pixel(x, y) && count++ == 0)
                firstX = x, firstY = y;
    if (count == 0)
        return "";
    std::snprintf(text, sizeof text, "%d pixels differ; first at (%d,%d): 0x%06X, expected 0x%06X", count, firstX,
        firstY, static_cast<unsigned>(actual.Pixel(firstX, firstY)), static_cast<unsigned>(expected.Pixel(firstX, firstY)));
    return text;
}

} // namespace golden
