// Describing a widget tree for assistive technology.
#include "ui/AccessDescription.h"

#include "base/TrimmedText.h"
#include "ui/HoverCard.h"
#include "ui/RootPanel.h"

#include <map>
#include <utility>

namespace {

// The captions of a hover card's widgets, in drawing order, one space apart.
void CollectText(const CWidget& widget, std::string& text) {
    if (!widget.shown) return;
    const std::string caption = TrimmedText(widget.caption);
    if (!caption.empty()) text += (text.empty() ? "" : " ") + caption;
    for (const auto& child : widget.Children()) CollectText(*child, text);
}

class CDescriber {
public:
    CDescriber(const CWidget* focused, AccessWidgets* widgets) : focused_(focused), widgets_(widgets) {}

    // Appends widget's node to out, or its children's when it is none of its own.
    void Add(const CWidget& widget, CPoint origin, bool enabled, std::vector<CAccessNode>& out) {
        if (!widget.shown) return;
        CAccessNode node;
        node.bounds = widget.rect.Offset(origin.x, origin.y);
        node.disabled = !(enabled && widget.enabled);
        const CPoint inner{node.bounds.left, node.bounds.top};
        for (const auto& child : widget.Children()) Add(*child, inner, !node.disabled, node.children);
        node.name = TrimmedText(widget.accessName.empty() ? widget.caption : widget.accessName);
        node.besideText = TrimmedText(widget.besideText);
        if (const CHoverCard* card = widget.OwnHoverCard())
            CollectText(*card, node.description);
        else
            node.description = TrimmedText(widget.hint);
        node.canFocus = widget.TakesFocus();
        node.canActivate = node.canFocus && !node.disabled;
        node.focused = node.canFocus && focused_ && widget.Id() == focused_->Id();
        node.id = UniqueId(widget.Id());
        if (widgets_) (*widgets_)[node.id] = &widget;
        widget.Describe(node);
        if (node.role == AccessRole::None) {
            for (CAccessNode& child : node.children) out.push_back(std::move(child));
            return;
        }
        if (node.canFocus) node.name = UniqueName(std::move(node.name));
        out.push_back(std::move(node));
    }

private:
    std::string UniqueId(const WidgetId& id) {
        const std::string text =
            std::to_string(id.group) + "." + std::to_string(id.id) + "." + std::to_string(id.sub);
        return Numbered(ids_, text, "#");
    }
    std::string UniqueName(std::string name) { return Numbered(names_, std::move(name), " "); }
    static std::string Numbered(std::map<std::string, int>& seen, std::string text, const char* separator) {
        const int count = ++seen[text];
        return count == 1 ? text : text + separator + std::to_string(count);
    }

    const CWidget* focused_;
    AccessWidgets* widgets_;
    std::map<std::string, int> ids_;
    std::map<std::string, int> names_;
};

}  // namespace

CAccessNode DescribeWindow(const CRootPanel& root, const CWidget* focused, AccessRole windowRole,
                           const std::string& title, AccessWidgets* widgets) {
    CDescriber describer(focused, widgets);
    CAccessNode window;
    window.id = "window";
    window.role = windowRole;
    window.name = root.accessName.empty() ? title : TrimmedText(root.accessName);
    window.bounds = root.rect;
    for (const auto& child : root.Children())
        describer.Add(*child, {root.rect.left, root.rect.top}, root.enabled, window.children);
    return window;
}
