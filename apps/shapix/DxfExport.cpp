#include "CadDrawing.h"
#include "ToolError.h"

#include <dl_dxf.h>

#include <map>
#include <memory>

namespace shapix_tool {

namespace {

    // R2000 files are read in the drawing's code page; \U+XXXX keeps
    // non-ASCII layer names (our side type names are often Chinese) intact.
    std::string EscapeDxfText(const std::string& utf8)
    {
        std::string out;
        for (size_t i = 0; i < utf8.size();) {
            const unsigned char c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                const bool forbidden = std::string("<>/\\\":;?*|=`").find(static_cast<char>(c)) != std::string::npos;
                out += forbidden ? '_' : static_cast<char>(c);
                ++i;
                continue;
            }
            const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
            unsigned code = c & (0x3F >> extra);
            for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
                code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\U+%04X", code);
            out += buffer;
            i += extra + 1;
        }
        return out;
    }

    // 0.0 - v, not -v: a negated zero would be written as "-0".
    double Flip(double v) { return 0.0 - v; }

} // namespace

void WriteDxf(const CadDrawing& drawing, const std::filesystem::path& path)
{
    std::map<std::string, int> layers { { "0", 0 } };
    for (const auto& polyline : drawing.polylines)
        layers.emplace(EscapeDxfText(polyline.layer), 0);
    for (const auto& line : drawing.lines)
        layers.emplace(EscapeDxfText(line.layer), 0);

    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> dw(dxf.out(path.string().c_str(), DL_Codes::AC1015));
    if (!dw)
        throw ToolError(path.string() + ": cannot write the DXF");
    dxf.writeHeader(*dw);
    // Without it a CAD program guesses the unit from its own settings.
    dw->dxfString(9, "$INSUNITS");
    dw->dxfInt(70, drawing.insunits);
    dw->sectionEnd();
    dw->sectionTables();
    dxf.writeVPort(*dw);
    dw->tableLinetypes(3);
    dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw->tableEnd();
    dw->tableLayers(static_cast<int>(layers.size()));
    int color = 1;
    for (const auto& layer : layers) {
        dxf.writeLayer(*dw, DL_LayerData(layer.first, 0), DL_Attributes("", layer.first == "0" ? 7 : color, 0, "CONTINUOUS", 1.0));
        if (layer.first != "0")
            color = color % 6 + 1;
    }
    dw->tableEnd();
    dw->tableStyle(1);
    dxf.writeStyle(*dw, DL_StyleData("Standard", 0, 2.5, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw->tableEnd();
    dxf.writeView(*dw);
    dxf.writeUcs(*dw);
    dw->tableAppid(1);
    dxf.writeAppid(*dw, "ACAD");
    dw->tableEnd();
    dxf.writeDimStyle(*dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(*dw);
    dw->tableEnd();
    dw->sectionEnd();
    dw->sectionBlocks();
    dxf.writeBlock(*dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, "*Model_Space");
    dxf.writeBlock(*dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, "*Paper_Space");
    dxf.writeBlock(*dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, "*Paper_Space0");
    dw->sectionEnd();
    dw->sectionEntities();
    for (const auto& polyline : drawing.polylines) {
        const int count = static_cast<int>(polyline.xy.size() / 2);
        DL_Attributes attributes(EscapeDxfText(polyline.layer), 256, -1, "BYLAYER", 1.0);
        dxf.writePolyline(*dw, DL_PolylineData(count, 0, 0, 1), attributes);
        for (int k = 0; k < count; ++k)
            dxf.writeVertex(*dw, DL_VertexData(polyline.xy[2 * k], Flip(polyline.xy[2 * k + 1]), 0.0, Flip(polyline.bulges[k])));
        dxf.writePolylineEnd(*dw);
    }
    for (const auto& line : drawing.lines)
        dxf.writeLine(*dw, DL_LineData(line.x1, Flip(line.y1), 0.0, line.x2, Flip(line.y2), 0.0),
            DL_Attributes(EscapeDxfText(line.layer), 256, -1, "BYLAYER", 1.0));
    dw->sectionEnd();
    dxf.writeObjects(*dw);
    dxf.writeObjectsEnd(*dw);
    dw->dxfEOF();
    dw->close();
}

} // namespace shapix_tool
