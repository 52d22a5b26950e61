#include "web/tables.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "display/twips.h"
#include "session/element_table.h"
#include "session/menu_table.h"
#include "session/reading_order.h"
#include "session/schematic_table.h"
#include "session/session.h"
#include "session/tooltips.h"
#include "web/json.h"

namespace web {
namespace {

using session::ElementKind;

const char* KindName(ElementKind kind) {
    switch (kind) {
        case ElementKind::Button:
            return "button";
        case ElementKind::Label:
            return "label";
        case ElementKind::ValueLabel:
            return "valueLabel";
        case ElementKind::StatusLabel:
            return "statusLabel";
        case ElementKind::CheckBox:
            return "checkBox";
        case ElementKind::Option:
            return "option";
        case ElementKind::Frame:
            return "frame";
        case ElementKind::Slider:
            return "slider";
        case ElementKind::Plot:
            return "plot";
        case ElementKind::Timer:
            return "timer";
    }
    return "";
}

// A CSS colour from 0xRRGGBB.
std::string CssColour(unsigned rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFF);
    return text;
}

template <typename Row>
const char* TextFor(std::span<const Row> rows, std::string_view name, const char* Row::*key,
                    const char* Row::*text) {
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.*key == name; });
    return row == rows.end() ? "" : (*row).*text;
}

// In reading order, which is the order of the page and so its Tab order; a frame comes before
// what it holds, as the page needs to build them.
void WriteElements(Json& json) {
    json.Key("elements").BeginArray();
    for (const session::ElementRow* reading : session::WindowReadingOrder()) {
        const session::ElementRow& row = *reading;
        const display::Rect place =
            display::TwipsToPixels(row.left, row.top, row.width, row.height);
        json.BeginObject()
            .Field("name", row.name)
            .Field("kind", KindName(row.kind))
            .Field("caption", row.caption)
            .Field("container", row.container)
            .Field("left", place.left)
            .Field("top", place.top)
            .Field("width", place.width)
            .Field("height", place.height)
            .Field("color", row.textColor ? CssColour(row.textColor) : "")  // "": the style's
            .Field("family", row.family ? row.family : session::kDefaultFamily)
            // Hundredths of a point: the sizes are 8.25, 9.75 and the like.
            .Field("centipoints",
                   int((row.points > 0 ? row.points : session::kDefaultPoints) * 100 + 0.5))
            .Field("bold", row.bold)
            .Field("tooltip", TextFor(session::ToolTipTable(), row.name,
                                      &session::ToolTipRow::element, &session::ToolTipRow::text))
            .Field("accessibleName",
                   TextFor(session::AccessibleNameTable(), row.name,
                           &session::AccessibleNameRow::element, &session::AccessibleNameRow::name))
            .EndObject();
    }
    json.EndArray();
}

void WriteMenus(Json& json) {
    json.Key("menus").BeginArray();
    for (const session::MenuRow& row : session::MenuTable()) {
        json.BeginObject()
            .Field("name", row.name)
            .Field("caption", row.caption)
            .Field("topLevel", row.topLevel)
            .Field("checkable", (row.start & session::kMenuCheckable) != 0)
            .EndObject();
    }
    json.EndArray();
}

void WriteSchematic(Json& json) {
    json.Key("schematic").BeginArray();
    for (const session::SchematicRow& row : session::SchematicTable()) {
        json.BeginObject()
            .Field("name", row.name)
            .Field("container", row.container)
            .Field("circle", row.kind == session::PieceKind::Circle)
            .Field("color", CssColour(row.color))
            .Field("pen", row.penPixels)
            .Key("points")
            .BeginArray();
        for (int i = 0; i < row.count; ++i)
            json.BeginArray().Number(row.points[i].x).Number(row.points[i].y).EndArray();
        json.EndArray().EndObject();
    }
    json.EndArray();
}

void WriteState(Json& json, const session::Session& s, std::string_view name, std::string caption) {
    using session::Flag;
    const session::ElementStore& store = s.Store();
    json.Key(name)
        .BeginObject()
        .Field("enabled", store.Get(name, Flag::Enabled))
        .Field("visible", store.Get(name, Flag::Visible))
        .Field("checked", store.Get(name, Flag::Checked))
        .Field("caption", caption)
        .EndObject();
}

}  // namespace

std::string WindowTables() {
    Json json;
    json.BeginObject()
        .Key("client")
        .BeginObject()
        .Field("width", display::TwipsToPixels(session::kClientWidthTwips))
        .Field("height", display::TwipsToPixels(session::kClientHeightTwips))
        .EndObject();
    WriteElements(json);
    json.Key("larger").BeginArray();
    for (const char* name : session::kLargerLabels) json.String(name);
    json.EndArray().Field("largerCentipoints", int(session::kLargerPoints * 100 + 0.5));
    WriteMenus(json);
    WriteSchematic(json);
    json.EndObject();
    return json.Text();
}

std::string WindowState(const session::Session& s, const std::string& statusText) {
    Json json;
    json.BeginObject();
    for (const session::ElementRow& row : session::ElementTable()) {
        if (row.kind == ElementKind::Timer) continue;
        const bool status = row.kind == ElementKind::StatusLabel && !statusText.empty();
        WriteState(json, s, row.name, status ? statusText : s.Caption(row.name));
    }
    for (const session::MenuRow& row : session::MenuTable())
        WriteState(json, s, row.name, row.caption);
    for (const session::SchematicRow& row : session::SchematicTable()) {
        if (*row.name) WriteState(json, s, row.name, "");
    }
    json.Key("Timer1")
        .BeginObject()
        .Field("running", s.TimerRunning())
        .Field("interval", s.TimerInterval())
        .EndObject();
    json.EndObject();
    return json.Text();
}

}  // namespace web
