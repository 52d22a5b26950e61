#include "web/dialog_tables.h"

#include <emscripten/version.h>

#include <cstdio>

#include "display/twips.h"
#include "help/help_places.h"
#include "help/topics.h"
#include "session/dialog_texts.h"
#include "web/json.h"

namespace web {
namespace {

#define CORVANE_TEXT(x) #x
#define CORVANE_VERSION_TEXT(major, minor, tiny) \
    CORVANE_TEXT(major) "." CORVANE_TEXT(minor) "." CORVANE_TEXT(tiny)
// What the page was built with, for the about box's second line.
constexpr const char* kBuiltWith = "emscripten " CORVANE_VERSION_TEXT(
    __EMSCRIPTEN_major__, __EMSCRIPTEN_minor__, __EMSCRIPTEN_tiny__) " for the browser";

int Centipoints(double points) { return int(points * 100 + 0.5); }

void WritePlace(Json& json, std::string_view key, const help::TwipRect& twips) {
    const display::Rect place = twips.Pixels(display::kDefaultDpi);
    json.Key(key)
        .BeginObject()
        .Field("left", place.left)
        .Field("top", place.top)
        .Field("width", place.width)
        .Field("height", place.height)
        .EndObject();
}

std::string Replaced(std::string text, std::string_view mark, std::string_view by) {
    if (const auto at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), by);
    return text;
}

void WriteHelp(Json& json) {
    json.Key("help")
        .BeginObject()
        .Field("caption", session::kHelpCaption)
        .Field("selectTopic", session::kHelpSelectTopic)
        .Field("quit", session::kHelpQuit)
        .Field("family", session::kDialogTypeface)
        .Field("centipoints", Centipoints(session::kHelpElementPoints))
        .Field("titleCentipoints", Centipoints(session::kHelpTitlePoints))
        .Field("textCentipoints", Centipoints(session::kHelpTextPoints))
        .Field("width", display::TwipsToPixels(help::kHelpWidthTwips))
        .Field("height", display::TwipsToPixels(help::kHelpHeightTwips))
        .Key("places")
        .BeginObject();
    WritePlace(json, "lblSelectTopic", help::kSelectTopicPlace);
    WritePlace(json, "tvwHelpTree", help::kTreePlace);
    WritePlace(json, "rtfHelpDisplay", help::kTextPlace);
    WritePlace(json, "cmdQuit", help::kQuitPlace);
    json.EndObject().Key("topics").BeginArray();
    for (const help::HelpTopic& topic : help::HelpTopics())
        json.BeginObject().Field("title", topic.title).Field("parent", topic.parent).EndObject();
    json.EndArray().EndObject();
}

void WriteAbout(Json& json) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%06x", session::kAboutBandColour);
    json.Key("about")
        .BeginObject()
        .Field("caption", session::kAboutCaption)
        .Field("ok", session::kAboutOk)
        .Field("family", session::kDialogTypeface)
        .Field("width", display::TwipsToPixels(session::kAboutWidthTwips))
        .Field("height", display::TwipsToPixels(session::kAboutHeightTwips))
        .Key("band")
        .BeginObject()
        .Field("color", colour);
    WritePlace(json, "place", session::kAboutBandPlace);
    json.EndObject();
    WritePlace(json, "okPlace", session::kAboutOkPlace);
    json.Key("lines").BeginArray();
    for (const session::AboutLine& line : session::kAboutLines) {
        json.BeginObject()
            .Field("name", line.name)
            .Field("text", Replaced(Replaced(line.text, "%1", CORVANE_VERSION), "%2", kBuiltWith))
            .Field("centipoints", Centipoints(line.points))
            .Field("bold", line.bold);
        WritePlace(json, "place", line.place);
        json.EndObject();
    }
    json.EndArray().EndObject();
}

}  // namespace

std::string DialogTables() {
    Json json;
    json.BeginObject();
    WriteHelp(json);
    WriteAbout(json);
    json.EndObject();
    return json.Text();
}

std::string TopicText(std::string_view title) {
    const help::HelpTopic* topic = help::TopicTitled(title);
    return topic ? help::TopicDisplayText(*topic) : std::string();
}

}  // namespace web
