// Widget trees as JSON (see WidgetJson.h).
#include "automation/WidgetJson.h"

#include "automation/JsonWriter.h"
#include "ui/WidgetHost.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <typeinfo>
#include <vector>

namespace {

std::string KindName(const CWidget& widget) {
    const char* mangled = typeid(widget).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                      std::free);
    std::string kind = status == 0 && name ? name.get() : mangled;
    // Kinds private to one file are still their own kind.
    constexpr std::string_view kPrivate = "(anonymous namespace)::";
    if (kind.rfind(kPrivate, 0) == 0) kind.erase(0, kPrivate.size());
    return kind;
}

// "#rrggbb", or null for kNoColor.
void WriteColor(CJsonWriter& json, COLORREF color) {
    if (color == kNoColor) {
        json.Null();
        return;
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
    json.String(text);
}

void WriteRect(CJsonWriter& json, const CRect& rect) {
    json.BeginArray().Int(rect.left).Int(rect.top).Int(rect.right).Int(rect.bottom).EndArray();
}

// One widget and its subtree; origin is its parent's top-left in the window;
// focused: the widget that has the keyboard focus.
void WriteWidget(CJsonWriter& json, const CWidget& widget, int originX, int originY, const CWidget* focused);

// The members of the widget's object, without the braces.
void WriteWidgetMembers(CJsonWriter& json, const CWidget& widget, int originX, int originY,
                        const CWidget* focused) {
    const CRect& r = widget.rect;
    const CRect area{r.left + originX, r.top + originY, r.right + originX, r.bottom + originY};
    const WidgetId& id = widget.Id();
    json.Key("kind").String(KindName(widget));
    json.Key("id").BeginArray().Int(id.group).Int(id.id).Int(id.sub).EndArray();
    json.Key("rect");
    WriteRect(json, area);
    json.Key("caption").String(widget.caption);
    json.Key("hint").String(widget.hint);
    json.Key("enabled").Bool(widget.enabled);
    json.Key("shown").Bool(widget.shown);
    if (&widget == focused) json.Key("focused").Bool(true);
    json.Key("fill");
    WriteColor(json, widget.fillColor);
    if (const std::optional<COLORREF> text = widget.TextColor()) {
        json.Key("text");
        WriteColor(json, *text);
    }
    json.Key("children").BeginArray();
    for (const auto& child : widget.Children()) WriteWidget(json, *child, area.left, area.top, focused);
    json.EndArray();
}

void WriteWidget(CJsonWriter& json, const CWidget& widget, int originX, int originY, const CWidget* focused) {
    json.BeginObject();
    WriteWidgetMembers(json, widget, originX, originY, focused);
    json.EndObject();
}

}  // namespace

std::string WidgetTreeJson(const CWidgetHost& host) {
    const CRootPanel& root = host.Root();
    const CWidget* focused = host.Focus().FocusedWidget();
    CJsonWriter json;
    json.BeginObject();
    WriteWidgetMembers(json, root, 0, 0, focused);
    json.Key("hintBox");
    if (root.HintText().empty() || root.HintRect().IsRectEmpty() || root.ActiveHoverCard()) {
        json.Null();
    } else {
        json.BeginObject().Key("rect");
        WriteRect(json, root.HintRect());
        json.Key("text").String(root.HintText()).EndObject();
    }
    json.Key("hoverCard");
    if (const CHoverCard* card = root.ActiveHoverCard()) {
        // The root places the card by the pointer, as it draws it; the
        // card's own rect gives only its size.
        const CRect& box = root.HintRect();
        WriteWidget(json, *card, box.left - root.rect.left - card->rect.left,
                    box.top - root.rect.top - card->rect.top, nullptr);
    } else {
        json.Null();
    }
    json.EndObject();
    return json.Text();
}
