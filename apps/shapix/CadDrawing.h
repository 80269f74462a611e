// Drawings exchanged with CAD programs: closed polylines with bulges and
// single lines, each on a named layer. Coordinates are model units with the
// shapes files' y-down axis and our bulge sign (positive: clockwise on a
// y-down screen); the DXF side flips both, the SVG side needs neither.
#pragma once

#include "ShapesFile.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace shapix_tool {

struct CadPolyline {
    std::string layer;
    std::vector<double> xy; // x0, y0, x1, y1, ...
    std::vector<double> bulges; // one per side, the last closes the outline
};

struct CadLine {
    std::string layer;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct CadDrawing {
    std::vector<CadPolyline> polylines;
    std::vector<CadLine> lines;
    int insunits = 0; // DXF $INSUNITS of the coordinates; 0: unitless
};

// A drawing unit of DXF's $INSUNITS and its size in millimetres, the model
// unit of every drawing that declares one.
struct DxfUnit {
    int code;
    const char* name; // plural, for messages
    const char* symbol; // as a shapes file's "units" names it
    double millimetres;
};
// The unit of a $INSUNITS code from 1 to 24; null for 0 (unitless) and
// codes DXF does not define.
const DxfUnit* DxfUnitOfCode(int code);
// The $INSUNITS code of a shapes file's "units" ("mm", "in", ...); 0 when
// it names no unit DXF knows.
int DxfUnitsCode(const std::string& symbol);

// The layer an outline is drawn on: the name of its most common side type
// (the first such on a tie), "0" when it names none.
std::string OutlineLayer(const Outline& outline);
// Every outline of the document by its model coordinates; `source` names
// the file when an outline has none.
CadDrawing DrawingOfShapes(const ShapesDocument& document, const std::string& source);

// DXF (R2000, ASCII) through dxflib; y and bulge signs flipped to y-up.
void WriteDxf(const CadDrawing& drawing, const std::filesystem::path& path);
// SVG in model units: one group per layer, one path per polyline made of
// straight segments and exact arc commands.
std::string FormatSvg(const CadDrawing& drawing);

struct DxfImport {
    ShapesDocument document;
    std::map<std::string, int> skipped; // entity type -> count, never silent
    int insunits = 0; // the drawing's $INSUNITS; 0 also when it has none
};

// Closed LWPOLYLINEs and POLYLINEs of `layers` (all when empty) become
// outlines; window points fit the drawing into the middle of width x height.
// A drawing that declares its unit comes in millimetres ("units": "mm");
// a unitless one keeps its numbers and leaves "units" out.
DxfImport ReadDxf(const std::filesystem::path& path, const std::set<std::string>& layers, int width, int height);

} // namespace shapix_tool
