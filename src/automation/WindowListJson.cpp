// The window list as JSON (see WindowListJson.h).
#include "automation/WindowListJson.h"

#include "automation/JsonWriter.h"
#include "platform/Window.h"

std::string WindowListJson(const std::vector<CWindow*>& windows) {
    CJsonWriter json;
    json.BeginArray();
    for (const CWindow* window : windows) {
        const CRect client = window->GetClientRect();
        json.BeginObject();
        json.Key("title").String(window->GetTitle());
        json.Key("width").Int(client.Width());
        json.Key("height").Int(client.Height());
        if (const CMessageBoxInfo* box = window->GetMessageBoxInfo()) json.Key("text").String(box->text);
        // Only while it shows, so that pointer sessions list what they always did.
        if (const CWindowHandler* handler = window->GetHandler(); handler && handler->ShowsFocusRing())
            json.Key("focusRing").Bool(true);
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}
