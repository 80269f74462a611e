// Replays the GDI oracle's drawing scripts (golden/cases.txt) through our
// raster layer, and reads the oracle's PPM images, so that each golden
// image can be compared with our own drawing of the same script.
#pragma once

#include "platform/raster/Raster.h"

#include <istream>
#include <string>
#include <vector>

namespace golden {

struct Canvas {
    std::string name; // the dump name
    int line = 0; // script line of the dump
    platform::raster::Surface surface;
};

// Runs every command of the script; false with a message naming the line
// on an unknown command or a bad argument.
bool RunScript(std::istream& script, std::vector<Canvas>& canvases, std::string& error);

// Binary PPM (P6, 8-bit RGB) to COLORREF pixels.
bool ReadPpm(const std::string& path, platform::raster::Surface& image);

// "" when equal, else where and how they first differ.
std::string FirstDifference(const platform::raster::Surface& expected, const platform::raster::Surface& actual);

} // namespace golden
