// The accessibility description as JSON (see AccessJson.h).
#include "automation/AccessJson.h"

#include "automation/JsonWriter.h"
#include "platform/AccessNode.h"

#include <utility>

namespace {

// A list member of the names whose flag is set; left out when none is.
void FlagList(CJsonWriter& json, std::string_view key,
              std::initializer_list<std::pair<bool, std::string_view>> flags) {
    bool any = false;
    for (const auto& [set, name] : flags) {
        if (!set) continue;
        if (!any) json.Key(key).BeginArray();
        any = true;
        json.String(name);
    }
    if (any) json.EndArray();
}

void WriteNode(CJsonWriter& json, const CAccessNode& node) {
    json.BeginObject();
    json.Key("id").String(node.id);
    json.Key("role").String(AccessRoleName(node.role));
    json.Key("name").String(node.name);
    if (!node.description.empty()) json.Key("description").String(node.description);
    if (!node.besideText.empty()) json.Key("beside").String(node.besideText);
    json.Key("bounds").BeginArray();
    for (const int edge : {node.bounds.left, node.bounds.top, node.bounds.right, node.bounds.bottom})
        json.Int(edge);
    json.EndArray();
    FlagList(json, "states",
             {{node.disabled, "disabled"}, {node.selected, "selected"}, {node.focused, "focused"}});
    if (node.pageCount > 0) {
        json.Key("page").Int(node.page);
        json.Key("pages").Int(node.pageCount);
    }
    FlagList(json, "actions", {{node.canFocus, "focus"}, {node.canActivate, "activate"}});
    if (!node.children.empty()) {
        json.Key("children").BeginArray();
        for (const CAccessNode& child : node.children) WriteNode(json, child);
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

std::string AccessJson(const CAccessNode& tree) {
    CJsonWriter json;
    WriteNode(json, tree);
    return json.Text();
}
