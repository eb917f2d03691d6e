// The engine of the web page: the main window's model and both windows' layout tables, compiled to
// WebAssembly. The page's script calls these few functions, with names and numbers in and JSON
// text out; everything it shows comes from here.
#include "ui/model/AboutWindowLayout.h"
#include "ui/model/Links.h"
#include "ui/model/MainWindowLayout.h"
#include "ui/model/MainWindowModel.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

using namespace ampora;
using namespace ampora::ui;

namespace {

MainWindowModel& model()
{
    static MainWindowModel theModel;
    return theModel;
}

// A tiny JSON writer: every value follows a comma where one is due, and the page reads the text
// with JSON.parse.
class Json {
public:
    Json& string(std::string_view text)
    {
        comma().text_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                text_ += escaped;
            } else {
                text_ += c;
            }
        }
        text_ += '"';
        return *this;
    }
    Json& number(int value) { return comma().append(std::to_string(value)); }
    Json& boolean(bool value) { return comma().append(value ? "true" : "false"); }
    Json& colour(Rgb rgb)
    {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
        return string(text);
    }
    Json& key(std::string_view name) { return string(name).append(":"); }
    Json& open(char bracket) { return comma().append({&bracket, 1}); }
    Json& close(char bracket) { return append({&bracket, 1}); }
    const char* text() const { return text_.c_str(); }

private:
    Json& append(std::string_view text)
    {
        text_ += text;
        return *this;
    }
    Json& comma()
    {
        if (!text_.empty() && !std::strchr("[{:,", text_.back()))
            text_ += ',';
        return *this;
    }

    std::string text_;
};

// The page's own words: what a tab shows once "X" has closed Ampora, as a page cannot close it.
constexpr const char* kClosedNotice = "Ampora 已关闭。";
constexpr const char* kReopen = "重新打开";

constexpr const char* kKindNames[] = {"picture",  "label",    "clickable", "selector",
                                      "tick-box", "text-box", "line"};

void writeWindow(Json& json, const WindowLayout& window)
{
    json.open('{').key("width").number(window.size.width);
    json.key("height").number(window.size.height);
    json.key("fontPixels").number(pointsToPixels(window.points));
    json.key("controls").open('[');
    for (const ControlRow& row : window.controls) {
        const PixelRect place = pixelRect(row);
        json.open('{').key("name").string(row.name);
        json.key("kind").string(kKindNames[static_cast<int>(row.kind)]);
        json.key("place").open('[');
        for (int side : {place.x, place.y, place.width, place.height})
            json.number(side);
        json.close(']');
        if (row.points > 0)
            json.key("fontPixels").number(pointsToPixels(row.points));
        if (row.caption)
            json.key("caption").string(row.caption);
        if (row.art)
            json.key("art").string(row.art);
        if (row.spokenName)
            json.key("spokenName").string(row.spokenName);
        if (row.toolTip)
            json.key("toolTip").string(row.toolTip);
        json.key("align").string((row.flags & Centred)        ? "center"
                                 : (row.flags & RightAligned) ? "right"
                                                              : "left");
        json.key("blackText").boolean(row.flags & BlackText);
        json.key("decoration").boolean(row.flags & Decoration);
        json.close('}');
    }
    json.close(']').close('}');
}

} // namespace

extern "C" {

// Both windows' tables, the keyboard order, every selector's items and the links' targets.
EMSCRIPTEN_KEEPALIVE const char* ampora_layout()
{
    static Json json;
    if (*json.text())
        return json.text();
    json.open('{').key("Form1");
    writeWindow(json, mainWindowLayout());
    json.key("Form3");
    writeWindow(json, aboutWindowLayout());
    json.key("tabOrder").open('[');
    for (const char* name : mainWindowTabOrder())
        json.string(name);
    json.close(']').key("items").open('{');
    for (const ControlRow& row : mainWindowLayout().controls) {
        if (row.kind != ControlKind::Selector)
            continue;
        json.key(row.name).open('[');
        for (const std::string& item : model().items(row.name))
            json.string(item);
        json.close(']');
    }
    json.close('}').key("targets").open('{');
    json.key("Label1L").string(kWebsiteTarget).key("Label2l").string(kFeedbackTarget);
    json.close('}').key("pressedLinkColour").colour(kLinkPressedColour);
    json.key("closedNotice").string(kClosedNotice).key("reopen").string(kReopen).close('}');
    return json.text();
}

EMSCRIPTEN_KEEPALIVE void ampora_load() { model().Form_Load(); }

EMSCRIPTEN_KEEPALIVE void ampora_pick(const char* selector, int item)
{
    model().pick(selector, item);
}

EMSCRIPTEN_KEEPALIVE void ampora_tick(const char* box, int ticked) { model().tick(box, ticked); }

// What the controls the model changed since the last call show now (at first, every control),
// and the estimate as a screen reader speaks it.
EMSCRIPTEN_KEEPALIVE const char* ampora_changes()
{
    static std::uint64_t drawn = 0;
    static Json json;
    json = Json();
    json.open('{').key("spokenEstimate").string(model().spokenEstimate());
    json.key("controls").open('{');
    const std::span<const ControlRow> rows = mainWindowLayout().controls;
    const auto write = [&rows](std::size_t row, const ControlState& state) {
        json.key(rows[row].name).open('{').key("enabled").boolean(state.enabled);
        json.key("visible").boolean(state.visible).key("item").number(state.item);
        json.key("ticked").boolean(state.ticked).key("caption").string(state.caption);
        json.key("toolTip").string(state.toolTip).key("colour").colour(state.colour).close('}');
    };
    model().forEachChange(std::exchange(drawn, model().revision()), write);
    json.close('}').close('}');
    return json.text();
}

} // extern "C"
