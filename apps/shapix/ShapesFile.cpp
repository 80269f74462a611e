#include "ShapesFile.h"

#include "ToolError.h"
#include "Utf8.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace shapix_tool {

using nlohmann::json;

namespace {

    // Beyond these the control's pixel rounding (to int) and the five-decimal
    // exchange strings stop being exact; no drawing needs more.
    constexpr double kMaxWindowCoordinate = 100000.0;
    constexpr double kMaxModelCoordinate = 1.0e9;
    constexpr double kMaxBulge = 1.0e12; // a full circle is about 5e11

    const std::set<std::string> kOutlineFields { "id", "name", "points", "model", "bulges", "sideTypes",
        "sideTypeNames", "ref", "modelRef", "refSet", "comment" };
    const std::set<std::string> kDocumentFields { "units", "outlines", "comment" };

    // Builds error messages that point at one outline and one field.
    class Where {
    public:
        Where(const std::string& source)
            : m_source(source)
        {
        }

        void AtOutline(std::size_t index, const json* id)
        {
            m_outline = "outline " + std::to_string(index + 1);
            if (id && id->is_number_integer())
                m_outline += " (id " + std::to_string(id->get<long long>()) + ")";
        }

        [[noreturn]] void Fail(const std::string& message) const { throw ToolError(m_source + ": " + message); }
        [[noreturn]] void FailOutline(const std::string& message) const
        {
            throw ToolError(m_source + ": " + m_outline + ": " + message);
        }
        [[noreturn]] void FailField(const std::string& field, const std::string& message) const
        {
            FailOutline("field \"" + field + "\": " + message);
        }

    private:
        std::string m_source;
        std::string m_outline;
    };

    std::string Describe(const json& value)
    {
        std::string text = value.dump();
        if (text.size() > 40)
            text = text.substr(0, 37) + "...";
        return text;
    }

    double Number(const Where& where, const std::string& field, const json& value, double limit)
    {
        if (!value.is_number())
            where.FailField(field, "expected a number, got " + Describe(value));
        const double number = value.get<double>();
        if (!std::isfinite(number) || std::fabs(number) > limit) {
            std::ostringstream text;
            text << "the number " << Describe(value) << " is out of range (at most " << limit << " either way)";
            where.FailField(field, text.str());
        }
        return number;
    }

    std::array<double, 2> Pair(const Where& where, const std::string& field, const json& value, double limit)
    {
        if (!value.is_array() || value.size() != 2)
            where.FailField(field, "expected a pair [x, y], got " + Describe(value));
        return { Number(where, field, value[0], limit), Number(where, field, value[1], limit) };
    }

    std::vector<double> Pairs(const Where& where, const std::string& field, const json& value, double limit)
    {
        if (!value.is_array())
            where.FailField(field, "expected a list of [x, y] pairs, got " + Describe(value));
        std::vector<double> flat;
        for (std::size_t i = 0; i < value.size(); ++i) {
            const auto pair = Pair(where, field + "[" + std::to_string(i) + "]", value[i], limit);
            flat.push_back(pair[0]);
            flat.push_back(pair[1]);
        }
        return flat;
    }

    void CheckPerSide(const Where& where, const std::string& field, std::size_t count, int vertices)
    {
        if (count != static_cast<std::size_t>(vertices))
            where.FailField(field,
                "expected " + std::to_string(vertices) + " entries (one per side, as many as points), got "
                    + std::to_string(count));
    }

    Outline ParseOutline(const Where& where, const json& node)
    {
        if (!node.is_object())
            where.FailOutline("expected an object, got " + Describe(node));
        for (const auto& item : node.items()) {
            if (!kOutlineFields.count(item.key()))
                where.FailField(item.key(),
                    "unknown field (known: id, name, points, model, bulges, sideTypes, sideTypeNames, ref, "
                    "modelRef, refSet, comment)");
        }

        Outline outline;
        if (!node.contains("id"))
            where.FailField("id", "missing");
        const json& id = node["id"];
        if (!id.is_number_integer() || id.get<long long>() < INT32_MIN || id.get<long long>() > INT32_MAX)
            where.FailField("id", "expected a whole number in the 32-bit range, got " + Describe(id));
        outline.id = static_cast<long>(id.get<long long>());

        if (node.contains("name")) {
            if (!node["name"].is_string())
                where.FailField("name", "expected a string, got " + Describe(node["name"]));
            outline.name = node["name"].get<std::string>();
        }
        if (node.contains("comment"))
            outline.comment = node["comment"].dump();

        if (!node.contains("points"))
            where.FailField("points", "missing");
        outline.points = Pairs(where, "points", node["points"], kMaxWindowCoordinate);
        const int vertices = outline.VertexCount();
        if (vertices < 3)
            where.FailField("points", "a closed outline needs at least 3 points, got " + std::to_string(vertices));

        if (node.contains("model")) {
            outline.model = Pairs(where, "model", node["model"], kMaxModelCoordinate);
            // The control would silently drop a model list of another length.
            if (outline.model.size() != outline.points.size())
                where.FailField("model",
                    "expected " + std::to_string(vertices) + " pairs (as many as points), got "
                        + std::to_string(outline.model.size() / 2));
        }

        if (node.contains("bulges")) {
            const json& bulges = node["bulges"];
            if (!bulges.is_array())
                where.FailField("bulges", "expected a list of numbers, got " + Describe(bulges));
            CheckPerSide(where, "bulges", bulges.size(), vertices);
            for (std::size_t i = 0; i < bulges.size(); ++i)
                outline.bulges.push_back(Number(where, "bulges[" + std::to_string(i) + "]", bulges[i], kMaxBulge));
        } else {
            outline.bulges.assign(vertices, 0.0);
        }

        if (node.contains("sideTypes")) {
            const json& types = node["sideTypes"];
            if (!types.is_array())
                where.FailField("sideTypes", "expected a list of whole numbers, got " + Describe(types));
            CheckPerSide(where, "sideTypes", types.size(), vertices);
            for (std::size_t i = 0; i < types.size(); ++i) {
                const json& type = types[i];
                // -1 is what the side dialog stores when no type is picked.
                if (!type.is_number_integer() || type.get<long long>() < -1 || type.get<long long>() > INT32_MAX)
                    where.FailField("sideTypes[" + std::to_string(i) + "]",
                        "expected a side-type index (-1 or more), got " + Describe(type));
                outline.sideTypes.push_back(static_cast<long>(type.get<long long>()));
            }
        } else {
            outline.sideTypes.assign(vertices, 0);
        }

        if (node.contains("sideTypeNames")) {
            const json& names = node["sideTypeNames"];
            if (!names.is_array())
                where.FailField("sideTypeNames", "expected a list of strings, got " + Describe(names));
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string field = "sideTypeNames[" + std::to_string(i) + "]";
                if (!names[i].is_string())
                    where.FailField(field, "expected a string, got " + Describe(names[i]));
                std::string name = names[i].get<std::string>();
                // TAB separates the fields of the exchange string.
                if (name.find('\t') != std::string::npos)
                    where.FailField(field, "a side-type name cannot hold a TAB");
                outline.sideTypeNames.push_back(std::move(name));
            }
        }

        if (node.contains("ref")) {
            outline.ref = Pair(where, "ref", node["ref"], kMaxWindowCoordinate);
            outline.refSet = true;
        }
        if (node.contains("modelRef"))
            outline.modelRef = Pair(where, "modelRef", node["modelRef"], kMaxModelCoordinate);
        if (node.contains("refSet")) {
            if (!node["refSet"].is_boolean())
                where.FailField("refSet", "expected true or false, got " + Describe(node["refSet"]));
            outline.refSet = node["refSet"].get<bool>();
            if (outline.refSet && !node.contains("ref"))
                where.FailField("refSet", "is true but the outline has no \"ref\"");
        }
        return outline;
    }

    json Flatten(const std::vector<double>& values)
    {
        json list = json::array();
        for (double value : values) {
            // Whole numbers are written without a fraction, as people write them.
            if (value == std::floor(value) && std::fabs(value) < 1e15)
                list.push_back(static_cast<long long>(value));
            else
                list.push_back(value);
        }
        return list;
    }

    json PairList(const std::vector<double>& flat)
    {
        json list = json::array();
        for (std::size_t i = 0; i + 1 < flat.size(); i += 2)
            list.push_back(Flatten({ flat[i], flat[i + 1] }));
        return list;
    }

    void ToArray(const std::vector<double>& values, CArray<double, const double&>& array)
    {
        array.RemoveAll();
        for (double value : values)
            array.Add(value);
    }

    std::vector<double> ToVector(const CArray<double, const double&>& array)
    {
        std::vector<double> values;
        for (INT_PTR i = 0; i < array.GetSize(); ++i)
            values.push_back(array[i]);
        return values;
    }

} // namespace

const Outline* ShapesDocument::Find(long id) const
{
    for (const Outline& outline : outlines) {
        if (outline.id == id)
            return &outline;
    }
    return nullptr;
}

ShapesDocument ParseShapes(const std::string& text, const std::string& source)
{
    Where where(source);
    json root;
    try {
        root = json::parse(text);
    } catch (const json::parse_error& error) {
        std::string message = error.what();
        // Keep "parse error at line 3, column 5: ...", drop the library tag.
        if (const auto tag = message.find("] "); tag != std::string::npos)
            message = message.substr(tag + 2);
        where.Fail("not valid JSON: " + message);
    }
    if (!root.is_object())
        where.Fail("expected a JSON object with a list \"outlines\"");
    for (const auto& item : root.items()) {
        if (!kDocumentFields.count(item.key()))
            where.Fail("unknown field \"" + item.key() + "\" (known: units, outlines, comment)");
    }
    ShapesDocument document;
    if (root.contains("units")) {
        if (!root["units"].is_string())
            where.Fail("field \"units\": expected a string, got " + Describe(root["units"]));
        document.units = root["units"].get<std::string>();
    }
    if (root.contains("comment"))
        document.comment = root["comment"].dump();
    if (!root.contains("outlines") || !root["outlines"].is_array())
        where.Fail("expected a list \"outlines\"");
    const json& outlines = root["outlines"];
    if (outlines.empty())
        where.Fail("the list \"outlines\" is empty");
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        const json& node = outlines[i];
        where.AtOutline(i, node.is_object() && node.contains("id") ? &node["id"] : nullptr);
        Outline outline = ParseOutline(where, node);
        // The control finds outlines by id: a second one would be unreachable.
        if (document.Find(outline.id))
            where.FailField("id", "the id " + std::to_string(outline.id) + " is used by an earlier outline");
        document.outlines.push_back(std::move(outline));
    }
    return document;
}

ShapesDocument ReadShapesFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ToolError(path.string() + ": cannot open the file");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseShapes(text.str(), path.string());
}

std::string FormatShapes(const ShapesDocument& document)
{
    std::string out = "{\n";
    if (!document.units.empty())
        out += "  \"units\": " + json(document.units).dump() + ",\n";
    // Parsed again so that text a caller put there cannot break the file.
    if (!document.comment.empty())
        out += "  \"comment\": " + json::parse(document.comment).dump() + ",\n";
    out += "  \"outlines\": [\n";
    for (std::size_t i = 0; i < document.outlines.size(); ++i) {
        const Outline& outline = document.outlines[i];
        std::vector<std::pair<std::string, json>> fields {
            { "id", outline.id },
            { "name", outline.name },
            { "points", PairList(outline.points) },
            { "model", PairList(outline.model) },
            { "bulges", Flatten(outline.bulges) },
            { "sideTypes", outline.sideTypes },
            { "sideTypeNames", outline.sideTypeNames },
            { "ref", Flatten({ outline.ref[0], outline.ref[1] }) },
            { "modelRef", Flatten({ outline.modelRef[0], outline.modelRef[1] }) },
            { "refSet", outline.refSet },
        };
        if (!outline.comment.empty())
            fields.emplace_back("comment", json::parse(outline.comment));
        out += "    {\n";
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (fields[f].first == "model" && outline.model.empty())
                continue;
            out += "      " + json(fields[f].first).dump() + ": " + fields[f].second.dump();
            out += f + 1 < fields.size() ? ",\n" : "\n";
        }
        out += i + 1 < document.outlines.size() ? "    },\n" : "    }\n";
    }
    out += "  ]\n}\n";
    return out;
}

void FillRecord(const Outline& outline, CShapixCtrl::CPicDerData& record)
{
    CString points, model, bulges, sideTypes, sideTypeNames;
    CArray<double, const double&> values;
    ToArray(outline.points, values);
    record.WriValFromArray(points, values);
    ToArray(outline.model, values);
    record.WriValFromArray(model, values);
    ToArray(outline.bulges, values);
    record.WriValFromArray(bulges, values);
    for (long type : outline.sideTypes)
        sideTypes.AppendFormat(L"%d\t", static_cast<int>(type));
    CStringArray names;
    for (const std::string& name : outline.sideTypeNames)
        names.Add(FromUtf8(name));
    record.WriPropFromstrAry(sideTypeNames, names);

    const double ref[2] = { outline.ref[0], outline.ref[1] };
    const double modelRef[2] = { outline.modelRef[0], outline.modelRef[1] };
    const LONG id = outline.id;
    // No model list at all leaves the record's empty, so every vertex has
    // none (-1, -1), rather than a list of the wrong length.
    record.SetData(
        id, &points, outline.model.empty() ? nullptr : &model, &sideTypes, &sideTypeNames, &bulges, ref, modelRef);
    // The name and the "place it yourself" flag have no string form.
    record.m_strName = FromUtf8(outline.name);
    record.m_bRefSet = outline.refSet;
}

Outline ReadRecord(CShapixCtrl::CPicDerData& record)
{
    CString points, model, sideTypes, sideTypeNames, bulges;
    double ref[2] = {};
    double modelRef[2] = {};
    record.GetData(&points, &model, &sideTypes, &sideTypeNames, &bulges, ref, modelRef);

    Outline outline;
    outline.id = record.m_nID;
    outline.name = ToUtf8(record.m_strName);
    CArray<double, const double&> values;
    record.GetPointsFromStr(points, values);
    outline.points = ToVector(values);
    record.GetPointsFromStr(model, values);
    outline.model = ToVector(values);
    record.GetBulgeFromstrAry(bulges, values);
    outline.bulges = ToVector(values);
    CStringArray texts;
    record.GetPropFromstrAry(sideTypes, texts);
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        outline.sideTypes.push_back(std::wcstol(texts[i].GetString(), nullptr, 10));
    record.GetPropFromstrAry(sideTypeNames, texts);
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        outline.sideTypeNames.push_back(ToUtf8(texts[i]));
    outline.ref = { ref[0], ref[1] };
    outline.modelRef = { modelRef[0], modelRef[1] };
    outline.refSet = true; // the control always reports where it put the point
    return outline;
}

} // namespace shapix_tool
