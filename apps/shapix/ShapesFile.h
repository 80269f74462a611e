// Shapes files: a JSON document with a list of outlines, read into and
// written from the library's shape records through their TAB-separated
// exchange strings (SetData on the way in, GetObjData and GetData on the
// way out), so the tool exercises exactly the format a host uses.
//
//   { "units": "mm",
//     "comment": "...",                                     any value, kept on save
//     "outlines": [ { "id": 1, "name": "Plate",
//                     "points": [[70, 70], [570, 70], ...],   window pixels
//                     "model": [[0, 0], [1000, 0], ...],      host units
//                     "bulges": [0, 0.41421, ...],            one per side
//                     "sideTypes": [0, 1, ...],               one per side
//                     "sideTypeNames": ["直边", "圆角"],
//                     "ref": [320, 220], "modelRef": [500, 300],
//                     "refSet": true,
//                     "comment": "..." } ] }                any value, kept on save
#pragma once

#include "Shapix.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace shapix_tool {

struct Outline {
    long id = 0;
    std::string name;
    std::vector<double> points; // window x0, y0, x1, y1, ...
    std::vector<double> model; // the same vertices in model units; empty: none
    std::vector<double> bulges; // side k runs from vertex k to vertex k + 1
    std::vector<long> sideTypes;
    std::vector<std::string> sideTypeNames;
    std::array<double, 2> ref { 0, 0 };
    std::array<double, 2> modelRef { 0, 0 };
    // False: the control places the reference point itself (the centre of
    // the vertices' box).
    bool refSet = false;
    // The outline's "comment" as JSON text, kept on save like the file's;
    // the control does not hold it, so hosts carry it over by id.
    std::string comment;

    int VertexCount() const { return static_cast<int>(points.size() / 2); }
};

struct ShapesDocument {
    std::string units; // informative only, kept on save
    // The top-level "comment" as JSON text: the reader takes any value
    // there, and a save hands it back as it came. Empty: none.
    std::string comment;
    std::vector<Outline> outlines;

    const Outline* Find(long id) const;
};

// `source` names the text in error messages (usually the file's path).
ShapesDocument ParseShapes(const std::string& text, const std::string& source);
ShapesDocument ReadShapesFile(const std::filesystem::path& path);
// One outline per block, one field per line.
std::string FormatShapes(const ShapesDocument& document);

// The host's side of the exchange: the record is filled with SetData from
// strings written by the record's own writers (numbers "%.5lf"), and read
// back with GetData.
void FillRecord(const Outline& outline, CShapixCtrl::CPicDerData& record);
Outline ReadRecord(CShapixCtrl::CPicDerData& record);

} // namespace shapix_tool
