// Role names, the spoken description and look-up in an accessibility description.
#include "platform/AccessNode.h"

#include <array>

std::string_view AccessRoleName(AccessRole role) {
    static constexpr std::array<std::string_view, 10> kNames{
        "none", "window", "dialog", "alertdialog", "button", "tablist", "tab", "tabpanel", "group", "text"};
    return kNames[static_cast<std::size_t>(role)];
}

std::string CAccessNode::FullDescription() const {
    std::string full;
    for (const std::string* part : {&besideText, &description, &pageText})
        if (!part->empty()) full += (full.empty() ? "" : " ") + *part;
    return full;
}

const CAccessNode* CAccessNode::Find(std::string_view nodeId) const {
    if (id == nodeId) return this;
    for (const CAccessNode& child : children)
        if (const CAccessNode* found = child.Find(nodeId)) return found;
    return nullptr;
}
