#include "CadDrawing.h"
#include "ToolError.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

namespace shapix_tool {

namespace {

    // DXF's $INSUNITS codes 1 to 24, all lengths; the US survey units are
    // defined by 1 m = 39.37 in.
    constexpr double kSurveyInch = 1000.0 / 39.37;
    constexpr DxfUnit kUnits[] = {
        { 1, "inches", "in", 25.4 },
        { 2, "feet", "ft", 304.8 },
        { 3, "miles", "mi", 1609344.0 },
        { 4, "millimetres", "mm", 1.0 },
        { 5, "centimetres", "cm", 10.0 },
        { 6, "metres", "m", 1000.0 },
        { 7, "kilometres", "km", 1.0e6 },
        { 8, "microinches", "uin", 25.4e-6 },
        { 9, "mils", "mil", 0.0254 },
        { 10, "yards", "yd", 914.4 },
        { 11, "angstroms", "A", 1.0e-7 },
        { 12, "nanometres", "nm", 1.0e-6 },
        { 13, "microns", "um", 1.0e-3 },
        { 14, "decimetres", "dm", 100.0 },
        { 15, "decametres", "dam", 1.0e4 },
        { 16, "hectometres", "hm", 1.0e5 },
        { 17, "gigametres", "Gm", 1.0e12 },
        { 18, "astronomical units", "au", 1.495978707e14 },
        { 19, "light years", "ly", 9.4607304725808e18 },
        { 20, "parsecs", "pc", 3.0856775814913673e19 },
        { 21, "US survey feet", "ft-us", 12 * kSurveyInch },
        { 22, "US survey inches", "in-us", kSurveyInch },
        { 23, "US survey yards", "yd-us", 36 * kSurveyInch },
        { 24, "US survey miles", "mi-us", 63360 * kSurveyInch },
    };

} // namespace

const DxfUnit* DxfUnitOfCode(int code)
{
    for (const DxfUnit& unit : kUnits)
        if (unit.code == code)
            return &unit;
    return nullptr;
}

int DxfUnitsCode(const std::string& symbol)
{
    for (const DxfUnit& unit : kUnits)
        if (symbol == unit.symbol)
            return unit.code;
    return 0;
}

namespace {

    // The same bound as the shapes files' model coordinates.
    constexpr double kMaxCoordinate = 1.0e9;
    constexpr double kMaxBulge = 1.0e12;

    std::string Trim(std::string text)
    {
        const auto first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            return "";
        return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
    }

    // dxflib reads "nan", "1e999" or "12abc" as some number without a word;
    // so before it runs, every pair is checked for the shape a DXF file has
    // and every vertex number for being a finite number in range.
    void CheckPairs(const std::filesystem::path& path)
    {
        const std::string file = path.string();
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw ToolError(file + ": cannot open the file");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(Trim(line));
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();
        size_t start = 0;
        while (start + 1 < lines.size() && lines[start] == "999")
            start += 2;
        if (start + 1 >= lines.size() || lines[start] != "0" || lines[start + 1] != "SECTION")
            throw ToolError(file + ": not a DXF file: it does not start with a \"0 SECTION\" pair");
        std::string entity, handle, variable;
        bool inEntities = false;
        for (size_t i = start; i < lines.size(); i += 2) {
            char* end = nullptr;
            const long code = std::strtol(lines[i].c_str(), &end, 10);
            if (lines[i].empty() || *end != '\0')
                throw ToolError(file + ": line " + std::to_string(i + 1) + ": expected a group code, got \"" + lines[i] + "\"");
            if (i + 1 >= lines.size())
                throw ToolError(file + ": truncated: group code " + lines[i] + " on the last line has no value");
            const std::string& value = lines[i + 1];
            if (code == 0) {
                entity = value;
                handle.clear();
                variable.clear();
                if (value == "EOF" && i + 2 < lines.size())
                    throw ToolError(file + ": line " + std::to_string(i + 3) + ": data after \"0 EOF\"");
            } else if (code == 2 && entity == "SECTION") {
                inEntities = value == "ENTITIES" || value == "BLOCKS";
            } else if (code == 9 && entity == "SECTION") {
                variable = value;
            } else if (code == 70 && entity == "SECTION" && variable == "$INSUNITS") {
                // dxflib would read "abc" as 0, unitless, and 99 is no unit.
                const long units = std::strtol(value.c_str(), &end, 10);
                if (value.empty() || *end != '\0' || (units != 0 && !DxfUnitOfCode(static_cast<int>(units))))
                    throw ToolError(file + ": HEADER (line " + std::to_string(i + 2)
                        + "): field $INSUNITS (group 70): \"" + value + "\" is not a unit code from 0 to 24");
            } else if (code == 5) {
                handle = value;
            } else if (inEntities && (entity == "LWPOLYLINE" || entity == "VERTEX" || entity == "POLYLINE")
                && (code == 10 || code == 20 || code == 42)) {
                const double number = std::strtod(value.c_str(), &end);
                const double limit = code == 42 ? kMaxBulge : kMaxCoordinate;
                const char* field = code == 10 ? "x (group 10)" : code == 20 ? "y (group 20)" : "bulge (group 42)";
                if (value.empty() || *end != '\0' || !std::isfinite(number) || std::fabs(number) > limit)
                    throw ToolError(file + ": " + entity + (handle.empty() ? "" : " handle " + handle) + " (line "
                        + std::to_string(i + 2) + "): field " + field + ": \"" + value + "\" is not a finite number"
                        + (code == 42 ? "" : " within ±1e9"));
            }
        }
        if (lines.size() < 2 || lines[lines.size() - 2] != "0" || lines.back() != "EOF")
            throw ToolError(file + ": truncated: the file does not end with \"0 EOF\"");
    }

    std::string FormatNumber(double value)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", value);
        return buffer;
    }

    std::string DecodeDxfText(const std::string& text)
    {
        std::string out;
        for (size_t i = 0; i < text.size(); ++i) {
            unsigned code = 0;
            if (text.compare(i, 3, "\\U+") == 0 && i + 7 <= text.size()
                && std::sscanf(text.c_str() + i + 3, "%4x", &code) == 1) {
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                i += 6;
            } else {
                out += text[i];
            }
        }
        return out;
    }

    struct Found {
        std::string layer;
        std::string handle;
        bool closed = false;
        std::vector<double> xy, bulges; // as drawn: y up, DXF bulge sign
    };

    class Collector : public DL_CreationAdapter {
    public:
        std::vector<Found> polylines;
        std::map<std::string, int> others; // type -> count
        std::map<std::string, int> layerCounts;
        int insunits = 0;

        using DL_CreationAdapter::setVariableInt;
        void setVariableInt(const std::string& key, int value, int code) override
        {
            if (key == "$INSUNITS" && code == 70)
                insunits = value;
        }

        void addPolyline(const DL_PolylineData& data) override
        {
            Found found;
            found.layer = DecodeDxfText(getAttributes().getLayer());
            const int handle = getAttributes().getHandle();
            if (handle >= 0) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%X", handle);
                found.handle = buffer;
            }
            found.closed = (data.flags & 1) != 0;
            if (m_blocks == 0)
                polylines.push_back(std::move(found));
            m_current = m_blocks == 0;
        }
        void addVertex(const DL_VertexData& data) override
        {
            if (!m_current || polylines.empty())
                return;
            polylines.back().xy.push_back(data.x);
            polylines.back().xy.push_back(data.y);
            polylines.back().bulges.push_back(data.bulge);
        }
        void addBlock(const DL_BlockData&) override { ++m_blocks; }
        void endBlock() override { m_blocks = std::max(0, m_blocks - 1); }

        void addPoint(const DL_PointData&) override { Other("POINT"); }
        void addLine(const DL_LineData&) override { Other("LINE"); }
        void addXLine(const DL_XLineData&) override { Other("XLINE"); }
        void addRay(const DL_RayData&) override { Other("RAY"); }
        void addArc(const DL_ArcData&) override { Other("ARC"); }
        void addCircle(const DL_CircleData&) override { Other("CIRCLE"); }
        void addEllipse(const DL_EllipseData&) override { Other("ELLIPSE"); }
        void addSpline(const DL_SplineData&) override { Other("SPLINE"); }
        void addInsert(const DL_InsertData&) override { Other("INSERT"); }
        void addTrace(const DL_TraceData&) override { Other("TRACE"); }
        void add3dFace(const DL_3dFaceData&) override { Other("3DFACE"); }
        void addSolid(const DL_SolidData&) override { Other("SOLID"); }
        void addMText(const DL_MTextData&) override { Other("MTEXT"); }
        void addText(const DL_TextData&) override { Other("TEXT"); }
        void addHatch(const DL_HatchData&) override { Other("HATCH"); }
        void addImage(const DL_ImageData&) override { Other("IMAGE"); }
        void addLeader(const DL_LeaderData&) override { Other("LEADER"); }
        void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { Other("DIMENSION"); }
        void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { Other("DIMENSION"); }
        void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { Other("DIMENSION"); }
        void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override { Other("DIMENSION"); }
        void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override { Other("DIMENSION"); }
        void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override { Other("DIMENSION"); }
        void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override { Other("DIMENSION"); }

    private:
        void Other(const std::string& type)
        {
            if (m_blocks == 0)
                ++others[type + "\t" + DecodeDxfText(getAttributes().getLayer())];
        }
        int m_blocks = 0;
        bool m_current = false;
    };

} // namespace

DxfImport ReadDxf(const std::filesystem::path& path, const std::set<std::string>& layers, int width, int height)
{
    const std::string file = path.string();
    CheckPairs(path);
    Collector collector;
    DL_Dxf dxf;
    if (!dxf.in(file, &collector))
        throw ToolError(file + ": cannot read the file");

    DxfImport result;
    result.insunits = collector.insunits;
    const DxfUnit* unit = DxfUnitOfCode(collector.insunits);
    if (unit)
        result.document.units = "mm";
    auto chosen = [&](const std::string& layer) { return layers.empty() || layers.count(layer) > 0; };
    for (const auto& [key, count] : collector.others) {
        const std::string type = key.substr(0, key.find('\t'));
        result.skipped[chosen(key.substr(key.find('\t') + 1)) ? type : "on other layers"] += count;
    }
    int index = 0;
    for (const Found& found : collector.polylines) {
        ++index;
        const std::string entity = "polyline " + std::to_string(index)
            + (found.handle.empty() ? "" : " (handle " + found.handle + ")") + " on layer \"" + found.layer + "\"";
        if (!chosen(found.layer)) {
            ++result.skipped["on other layers"];
            continue;
        }
        if (!found.closed) {
            ++result.skipped["open polyline"];
            continue;
        }
        // Model units are millimetres whenever the drawing says what its
        // units are.
        std::vector<double> xy = found.xy;
        if (unit) {
            for (size_t k = 0; k < xy.size(); ++k) {
                xy[k] *= unit->millimetres;
                if (std::fabs(xy[k]) > kMaxCoordinate)
                    throw ToolError(file + ": " + entity + ": field vertices: " + FormatNumber(found.xy[k]) + " "
                        + unit->name + " is " + FormatNumber(xy[k]) + " mm, beyond ±1e9");
            }
        }
        // CAD programs often close an outline by repeating its first vertex
        // as well as setting the closed flag; that last vertex would make a
        // side of no length. The side into it is the real closing side, so
        // its bulge (stored at the vertex before) stays.
        int count = static_cast<int>(found.bulges.size());
        auto same = [&](int a, int b) {
            return std::round(xy[2 * a] * 1e5) == std::round(xy[2 * b] * 1e5)
                && std::round(xy[2 * a + 1] * 1e5) == std::round(xy[2 * b + 1] * 1e5);
        };
        bool repeated = false;
        while (count > 1 && same(count - 1, 0)) {
            --count;
            repeated = true;
        }
        if (count < 3)
            throw ToolError(file + ": " + entity + ": field vertices: a closed outline needs at least 3, got "
                + std::to_string(count) + (repeated ? " distinct (the last repeats the first)" : ""));
        Outline outline;
        outline.id = static_cast<long>(result.document.outlines.size()) + 1;
        outline.name = found.layer + " " + std::to_string(outline.id);
        for (int k = 0; k < count; ++k) {
            // y up to y down; a counter-clockwise arc as the CAD program
            // shows it is then a negative bulge of ours.
            outline.model.push_back(xy[2 * k]);
            outline.model.push_back(0.0 - xy[2 * k + 1]);
            outline.bulges.push_back(0.0 - found.bulges[k]);
            outline.sideTypes.push_back(0);
        }
        outline.sideTypeNames = { found.layer.empty() ? "0" : found.layer };
        result.document.outlines.push_back(std::move(outline));
    }
    if (result.document.outlines.empty())
        throw ToolError(file + ": no closed polyline" + (layers.empty() ? "" : " on the chosen layers"));

    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    for (const Outline& outline : result.document.outlines) {
        for (size_t k = 0; k + 1 < outline.model.size(); k += 2) {
            minX = std::min(minX, outline.model[k]), maxX = std::max(maxX, outline.model[k]);
            minY = std::min(minY, outline.model[k + 1]), maxY = std::max(maxY, outline.model[k + 1]);
        }
    }
    // The drawing fills the middle 80% of the window, like a fitted view.
    const double spanX = std::max(maxX - minX, 1e-9), spanY = std::max(maxY - minY, 1e-9);
    const double scale = std::min(0.8 * width / spanX, 0.8 * height / spanY);
    for (Outline& outline : result.document.outlines) {
        for (size_t k = 0; k + 1 < outline.model.size(); k += 2) {
            outline.points.push_back(std::round(width / 2.0 + (outline.model[k] - (minX + maxX) / 2) * scale));
            outline.points.push_back(std::round(height / 2.0 + (outline.model[k + 1] - (minY + maxY) / 2) * scale));
        }
        // Through the control's own strings, so the file holds what a host
        // would get back.
        CShapixCtrl::CPicDerData record;
        FillRecord(outline, record);
        Outline back = ReadRecord(record);
        back.refSet = false;
        outline = std::move(back);
    }
    return result;
}

} // namespace shapix_tool
