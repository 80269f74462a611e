#include "CadDrawing.h"
#include "ToolError.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

namespace shapix_tool {

namespace {

    // Five decimals, as in the exchange strings, without trailing zeros.
    std::string Num(double v)
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.5f", v);
        std::string text = buffer;
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        return text == "-0" ? "0" : text;
    }

    std::string XmlText(const std::string& text)
    {
        std::string out;
        for (const char c : text) {
            switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
            }
        }
        return out;
    }

    const char* const kColours[] = { "#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#17becf" };

} // namespace

std::string OutlineLayer(const Outline& outline)
{
    std::map<long, int> counts;
    for (const long type : outline.sideTypes)
        ++counts[type];
    long best = -1;
    int bestCount = 0;
    for (const long type : outline.sideTypes) {
        if (counts[type] > bestCount) {
            best = type;
            bestCount = counts[type];
        }
    }
    if (best < 0 || best >= static_cast<long>(outline.sideTypeNames.size()) || outline.sideTypeNames[best].empty())
        return "0";
    return outline.sideTypeNames[best];
}

CadDrawing DrawingOfShapes(const ShapesDocument& document, const std::string& source)
{
    CadDrawing drawing;
    drawing.insunits = DxfUnitsCode(document.units);
    for (const Outline& outline : document.outlines) {
        if (outline.model.empty())
            throw ToolError(source + ": outline id " + std::to_string(outline.id)
                + ": field \"model\": missing; drawings are exchanged in model units");
        CadPolyline polyline { OutlineLayer(outline), outline.model, outline.bulges };
        polyline.bulges.resize(outline.VertexCount(), 0.0);
        drawing.polylines.push_back(std::move(polyline));
    }
    return drawing;
}

std::string FormatSvg(const CadDrawing& drawing)
{
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    auto extend = [&](double x, double y) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    };
    for (const auto& p : drawing.polylines) {
        const size_t n = p.xy.size() / 2;
        for (size_t k = 0; k < n; ++k) {
            const double x0 = p.xy[2 * k], y0 = p.xy[2 * k + 1];
            const double x1 = p.xy[2 * ((k + 1) % n)], y1 = p.xy[2 * ((k + 1) % n) + 1];
            extend(x0, y0);
            const double b = p.bulges[k];
            const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
            if (std::fabs(b) <= 1) {
                // Within a half turn the arc stays in the box of its ends and
                // its middle point, taken on both sides of the chord.
                extend(mx + b / 2 * (y1 - y0), my - b / 2 * (x1 - x0));
                extend(mx - b / 2 * (y1 - y0), my + b / 2 * (x1 - x0));
            } else {
                const double radius = std::hypot(x1 - x0, y1 - y0) * (1 + b * b) / (4 * std::fabs(b));
                extend(mx - 2 * radius, my - 2 * radius);
                extend(mx + 2 * radius, my + 2 * radius);
            }
        }
    }
    for (const auto& l : drawing.lines)
        extend(l.x1, l.y1), extend(l.x2, l.y2);
    if (minX > maxX)
        minX = minY = 0, maxX = maxY = 1;
    // Room for the strokes.
    const double margin = 0.01 * std::max(maxX - minX, maxY - minY) + 1;

    std::map<std::string, std::vector<std::string>> groups; // layer -> elements, in first-seen order below
    std::vector<std::string> order;
    auto add = [&](const std::string& layer, std::string element) {
        if (!groups.count(layer))
            order.push_back(layer);
        groups[layer].push_back(std::move(element));
    };
    for (const auto& p : drawing.polylines) {
        const size_t n = p.xy.size() / 2;
        std::string d = "M " + Num(p.xy[0]) + " " + Num(p.xy[1]);
        for (size_t k = 0; k < n; ++k) {
            const size_t e = (k + 1) % n;
            const double x0 = p.xy[2 * k], y0 = p.xy[2 * k + 1], x1 = p.xy[2 * e], y1 = p.xy[2 * e + 1];
            const double b = p.bulges[k];
            if (b == 0) {
                d += " L " + Num(x1) + " " + Num(y1);
                continue;
            }
            const double radius = std::hypot(x1 - x0, y1 - y0) * (1 + b * b) / (4 * std::fabs(b));
            // y is down in both, so SVG's positive-angle sweep is our
            // clockwise positive bulge; more than a half turn when |b| > 1.
            d += " A " + Num(radius) + " " + Num(radius) + " 0 " + (std::fabs(b) > 1 ? "1" : "0") + " "
                + (b > 0 ? "1" : "0") + " " + Num(x1) + " " + Num(y1);
        }
        add(p.layer, "<path d=\"" + d + " Z\"/>");
    }
    for (const auto& l : drawing.lines)
        add(l.layer, "<line x1=\"" + Num(l.x1) + "\" y1=\"" + Num(l.y1) + "\" x2=\"" + Num(l.x2) + "\" y2=\"" + Num(l.y2) + "\"/>");

    std::ostringstream svg;
    const double width = maxX - minX + 2 * margin, height = maxY - minY + 2 * margin;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << Num(minX - margin) << " " << Num(minY - margin) << " "
        << Num(width) << " " << Num(height) << "\" width=\"" << Num(width) << "\" height=\"" << Num(height) << "\">\n"
        << "<rect x=\"" << Num(minX - margin) << "\" y=\"" << Num(minY - margin) << "\" width=\"" << Num(width)
        << "\" height=\"" << Num(height) << "\" fill=\"white\"/>\n";
    const double stroke = std::max(width, height) / 400;
    for (size_t g = 0; g < order.size(); ++g) {
        svg << "<g id=\"layer-" << g + 1 << "\" class=\"" << XmlText(order[g]) << "\" fill=\"none\" stroke=\""
            << kColours[g % 6] << "\" stroke-width=\"" << Num(stroke) << "\">\n<title>" << XmlText(order[g]) << "</title>\n";
        for (const auto& element : groups[order[g]])
            svg << element << "\n";
        svg << "</g>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}

} // namespace shapix_tool
