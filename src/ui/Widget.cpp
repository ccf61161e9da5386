// The widget base: tree building, look-ups, drawing order and click routing.
#include "ui/Widget.h"

#include "base/FormatText.h"
#include "gfx/ScopedDCState.h"
#include "ui/HoverCard.h"
#include "ui/ShadowLabel.h"

#include <algorithm>
#include <optional>
#include <utility>

CWidget::CWidget() = default;

CWidget::~CWidget() { RemoveAllChildren(); }

std::string CWidget::MissingWidgetText(const WidgetId& id) {
    return FormatText("界面中没有控件(%d,%d,%d)", id.group, id.id, id.sub);
}

CRect CWidget::ContentRect() const { return {0, 0, rect.Width(), rect.Height()}; }

bool CWidget::OnChildClick(const WidgetId&, CRootPanel*, CPoint, const CWidget*) { return false; }

bool CWidget::RepaintsOnHover() const { return false; }

void CWidget::DrawSelf(CDC&, const WidgetId&, CPoint) const {}

void CWidget::ApplyLastingDrawState(CDC&) const {}

void CWidget::DrawTree(CDC& dc, const WidgetId& hovered, CPoint origin) const {
    // Text drawn one pixel off (shadows, outlines) can reach one pixel
    // beyond the rectangle.
    CRect ink = rect.Offset(origin.x, origin.y);
    ink.InflateRect(1);
    const CPoint inner{origin.x + rect.left, origin.y + rect.top};
    if (dc.RectVisible(ink))
        DrawSelfAroundOpaqueChildren(dc, hovered, origin, inner);
    else
        ApplyLastingDrawState(dc);
    // Children may stick out of their parent, so each decides for itself.
    for (const auto& child : children_)
        if (child->shown) child->DrawTree(dc, hovered, inner);
}

// What an opaque child covers would be painted over when the child is drawn
// after this widget: it is left out of this widget's own drawing.
void CWidget::DrawSelfAroundOpaqueChildren(CDC& dc, const WidgetId& hovered, CPoint origin,
                                           CPoint inner) const {
    std::optional<CScopedDCState> clip;  // saved only when cut
    for (const auto& child : children_) {
        const CRect area = child->rect.Offset(inner.x, inner.y);
        // One outside the clip area would change nothing.
        if (!child->shown || !child->IsOpaque() || !dc.RectVisible(area)) continue;
        if (!clip) clip.emplace(dc, CScopedDCState::Part::ClipRegion);
        dc.ExcludeClipRect(area);
    }
    DrawSelf(dc, hovered, origin);
}

bool CWidget::TakesFocus() const {
    switch (GetFocusPolicy()) {
        case FocusPolicy::None:
            return false;
        case FocusPolicy::Always:
            return true;
        case FocusPolicy::WhileShowingHover:
            return !hint.empty() || hoverCard_ != nullptr;
    }
    return false;
}

CHoverCard* CWidget::AddHoverCard(const CRect& cardRect, int group, int id, int sub) {
    const WidgetId owner{group, id, sub};
    CWidget* widget = FindWidget(owner);
    if (!widget) throw CMyException(MissingWidgetText(owner));
    widget->hoverCard_ = std::make_unique<CHoverCard>();
    widget->hoverCard_->rect = cardRect;
    widget->hoverCard_->SetId(owner);
    return widget->hoverCard_.get();
}

CHoverCard* CWidget::FindHoverCard(const WidgetId& id) const {
    const CWidget* widget = FindWidget(id);
    return widget ? widget->OwnHoverCard() : nullptr;
}

CHoverCard& CWidget::HoverCard(const WidgetId& id) const {
    if (CHoverCard* card = FindHoverCard(id)) return *card;
    throw CMyException(MissingWidgetText(id));
}

int CWidget::ResolveGroup(int group) const {
    if (group != -1) return group;
    // Unsigned: a negative group counts as a very large one.
    const unsigned next = LargestGroup() + 1u;
    return static_cast<int>(std::max(next, static_cast<unsigned>(kFirstAutomaticGroup)));
}

unsigned CWidget::LargestGroup() const {
    unsigned largest = static_cast<unsigned>(id_.group);
    for (const auto& child : children_) largest = std::max(largest, child->LargestGroup());
    return largest;
}

CShadowLabel* CWidget::AddMessageLabel(std::string_view text) {
    auto* label = AddOwnChild<CShadowLabel>(ContentRect(), -1, -1, -1);
    label->caption = text;
    return label;
}

void CWidget::RemoveChild(const CWidget* child) {
    std::erase_if(children_, [child](const auto& owned) { return owned.get() == child; });
}

void CWidget::RemoveAllChildren() {
    for (auto& child : children_) child.reset();
    children_.clear();
}

const CWidget* CWidget::FindWidget(const WidgetId& id) const {
    for (const auto& child : children_)
        if (const CWidget* found = child->FindWidget(id)) return found;
    return id_ == id ? this : nullptr;
}

CWidget* CWidget::FindWidget(const WidgetId& id) {
    return const_cast<CWidget*>(std::as_const(*this).FindWidget(id));
}

CRect CWidget::FindRect(const WidgetId& id, CPoint origin) const {
    if (id_ == id) return rect.Offset(origin.x, origin.y);
    const CPoint inner{origin.x + rect.left, origin.y + rect.top};
    for (const auto& child : children_) {
        const CRect found = child->FindRect(id, inner);
        if (!found.IsRectEmpty()) return found;
    }
    return {};
}

void CWidget::SetCaptionAndId(std::string_view text, int id, int sub) {
    caption = text;
    if (id != -1) id_.id = id;
    if (sub != -1) id_.sub = sub;
}

const CWidget* CWidget::HitTest(int x, int y, CPoint origin) const {
    const CPoint inner{origin.x + rect.left, origin.y + rect.top};
    for (auto child = children_.rbegin(); child != children_.rend(); ++child) {
        if (!(*child)->shown) continue;
        if (const CWidget* hit = (*child)->HitTest(x, y, inner)) return hit;
    }
    if (!shown) return nullptr;
    return rect.Offset(origin.x, origin.y).PtInRect(x, y) ? this : nullptr;
}

WidgetId CWidget::ClickAt(int x, int y, CRootPanel* root, CPoint origin) {
    const auto inside = [x, y](const CWidget& widget, CPoint at) {
        return widget.rect.Offset(at.x, at.y).PtInRect(x, y);
    };
    return RouteClick(inside, root, origin).id;
}

std::optional<WidgetId> CWidget::ActivateWidget(const CWidget& target, CRootPanel* root, CPoint origin) {
    const auto isTarget = [&target](const CWidget& widget, CPoint) { return &widget == &target; };
    const ClickOutcome outcome = RouteClick(isTarget, root, origin);
    if (!outcome.consumed && outcome.id.IsNone()) return std::nullopt;
    return outcome.id;
}

template <class Lands>
CWidget::ClickOutcome CWidget::RouteClick(const Lands& lands, CRootPanel* root, CPoint origin) {
    if (!enabled || !shown) return {};
    const CPoint inner{origin.x + rect.left, origin.y + rect.top};
    for (const auto& child : children_) {
        const ClickOutcome outcome = child->RouteClick(lands, root, inner);
        // A consumed click stops here: no other sibling gets it.
        if (outcome.consumed) return outcome;
        if (outcome.id.IsNone()) continue;
        if (OnChildClick(outcome.id, root, origin, outcome.source)) return {.consumed = true};
        return outcome;
    }
    if (lands(*this, origin)) return {id_, this, false};
    return {};
}
