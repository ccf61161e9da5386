// CWidget: the base of every widget kind. A widget has a rectangle relative
// to its parent's top-left corner, texts, a fill colour, enabled and shown
// flags, an identifier, and owns its children in drawing order. Screens
// build trees with AddChild, find widgets again by WidgetId, and learn of
// clicks only through the WidgetId that ClickAt returns.
#pragma once

#include "base/MyException.h"
#include "gfx/DeviceContext.h"
#include "gfx/Geometry.h"
#include "platform/AccessNode.h"
#include "ui/WidgetId.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class CHoverCard;
class CRootPanel;
class CShadowLabel;

// Groups handed out by AddChild when asked for group -1 start here.
inline constexpr int kFirstAutomaticGroup = 100000;

class CWidget {
public:
    // Which widgets take the keyboard focus: every widget that reacts to a
    // click or shows something while hovered. A disabled widget still takes
    // focus, so that its hint can be read.
    enum class FocusPolicy {
        None,              // labels, panels: never focused
        Always,            // push buttons (tab heads, page buttons, choices)
        WhileShowingHover  // badges: only with a hint or a hover card to show
    };

    CWidget();
    CWidget(const CWidget&) = delete;
    CWidget& operator=(const CWidget&) = delete;
    // Deletes the children first to last.
    virtual ~CWidget();

    // Fields that screens read and write directly.
    CRect rect;                     // in the parent's coordinates; a root's: the window's
    std::string hint;               // shown by the root while the pointer rests here
    std::string caption;            // drawn by the widget itself
    std::string accessName;         // what a screen reader names it by; empty: the caption
    COLORREF fillColor = kNoColor;  // meaning and default depend on the kind
    bool enabled = true;            // false: the whole subtree ignores clicks
    bool shown = true;              // false: the subtree is not drawn, hovered or clicked
    // What a screen reader says of it before its hint or card: what a sighted
    // player reads beside it (a row's label and value, the page shown).
    std::string besideText;

    const WidgetId& Id() const { return id_; }
    void SetId(const WidgetId& id) { id_ = id; }
    const std::vector<std::unique_ptr<CWidget>>& Children() const { return children_; }

    // --- What kinds replace ---
    // The area for content in the widget's own coordinates: (0, 0, width, height).
    virtual CRect ContentRect() const;
    // A descendant yielded clicked; true consumes the click (it goes no
    // further up, and ClickAt returns none). origin is the parent's top-left
    // in window coordinates (rect + origin is this widget's area); root is
    // null when no root asked. source is the widget that yielded the click:
    // a nearer ancestor may already have removed it, so compare it, never
    // follow it.
    virtual bool OnChildClick(const WidgetId& clicked, CRootPanel* root, CPoint origin,
                              const CWidget* source);
    // The colour the kind draws its caption in, for kinds that have one of
    // their own (kNoColor: the device context's current colour); none for
    // kinds without. Read by tools that describe the tree.
    virtual std::optional<COLORREF> TextColor() const { return std::nullopt; }
    // True when the look depends on whether the widget is hovered.
    virtual bool RepaintsOnHover() const;
    // Whether the kind takes the keyboard focus (see FocusPolicy). None.
    virtual FocusPolicy GetFocusPolicy() const { return FocusPolicy::None; }
    // Says what the kind is for assistive technology: fills node's role (and
    // states of its own) after the describer (AccessDescription.h) has filled
    // the rest and the children. Leaves the role None: not a node of its own.
    virtual void Describe(CAccessNode& /*node*/) const {}
    // True when DrawSelf fills every pixel of the rectangle.
    virtual bool IsOpaque() const { return false; }
    // Draws the widget itself in rect + origin. Draws nothing.
    virtual void DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const;
    // DrawSelf, then every shown child, in list order, with this widget's
    // top-left added to the origin. A widget that lies wholly outside the
    // context's clip region is not drawn (only its lasting state is applied).
    virtual void DrawTree(CDC& dc, const WidgetId& hovered, CPoint origin) const;

    // Whether the widget takes the keyboard focus now, by its kind's policy.
    bool TakesFocus() const;

    // --- Its hover card ---
    // The card shown instead of the hint while the pointer rests here, or
    // null. The widget owns it; it lives outside the tree, and only its size
    // counts for where it shows.
    CHoverCard* OwnHoverCard() const { return hoverCard_.get(); }
    // Gives the widget of that id in this subtree (the first FindWidget
    // finds) a new, empty card of cardRect's size, identified as the widget;
    // the caller fills it. Raises CMyException when there is no such widget.
    CHoverCard* AddHoverCard(const CRect& cardRect, int group, int id, int sub);
    // The card of the widget of that id, or null.
    CHoverCard* FindHoverCard(const WidgetId& id) const;
    // The card of the widget of that id; raises CMyException when there is none.
    CHoverCard& HoverCard(const WidgetId& id) const;

    // --- The tree ---
    // Creates a Kind with its defaults, identified (group, id, sub), and
    // appends it to the children of the widget parent names in this subtree,
    // or of this widget when parent names none here. Group -1 stands for the
    // next automatic group: the larger of 100000 and one more than the largest
    // group in this subtree (compared as unsigned numbers).
    template <class Kind>
    Kind* AddChild(const CRect& childRect, int group, int id, int sub, const WidgetId& parent);
    // A full-size CShadowLabel over the content area (ContentRect), showing text.
    CShadowLabel* AddMessageLabel(std::string_view text);
    void RemoveChild(const CWidget* child);
    void RemoveAllChildren();  // first to last

    // Depth first: the children (in list order, recursively) before the widget
    // itself. Null when nothing matches.
    CWidget* FindWidget(const WidgetId& id);
    const CWidget* FindWidget(const WidgetId& id) const;
    template <class Kind>
    Kind* FindWidgetAs(const WidgetId& id) {
        return dynamic_cast<Kind*>(FindWidget(id));
    }
    // The widget of that id and kind, which the caller knows to be in the
    // tree; raises CMyException when it is not (a mistake in a screen's
    // building shows in the error box instead of crashing).
    template <class Kind>
    Kind& WidgetAs(const WidgetId& id) {
        if (Kind* found = FindWidgetAs<Kind>(id)) return *found;
        throw CMyException(MissingWidgetText(id));
    }
    // The matching widget's rect + the origins above it: the widget itself
    // first, then the children in list order. Empty when nothing matches.
    CRect FindRect(const WidgetId& id, CPoint origin) const;

    // Sets the caption; id and sub only when they are not -1.
    void SetCaptionAndId(std::string_view text, int id, int sub);

    // --- Input ---
    // The deepest shown widget under the point, later siblings (drawn on top)
    // first; disabled widgets count. Null when none.
    const CWidget* HitTest(int x, int y, CPoint origin) const;
    // The WidgetId the click at the point yields: what the first child (in
    // list order) yields, offered to each ancestor's OnChildClick on the way
    // up, nearest first; none once one of them consumes it. When no child
    // yields, this widget's own id if the point is inside. Disabled or hidden
    // widgets yield nothing, so clicks on them fall through to the next
    // sibling and then to the parent.
    WidgetId ClickAt(int x, int y, CRootPanel* root, CPoint origin);
    // What a click landing on target (a widget of this subtree) yields, by
    // the same way up as ClickAt, but whatever lies at target's coordinates:
    // what the keyboard does to the focused widget. Null when the click
    // cannot land there (target or an ancestor disabled or hidden).
    std::optional<WidgetId> ActivateWidget(const CWidget& target, CRootPanel* root, CPoint origin);

protected:
    // Like AddChild, but always appends to this widget's own children.
    template <class Kind>
    Kind* AddOwnChild(const CRect& childRect, int group, int id, int sub);

    // Applies what DrawSelf leaves set in the context for later widgets, when
    // DrawSelf is skipped because the widget lies outside the clip region.
    virtual void ApplyLastingDrawState(CDC& dc) const;

    // The error text for a look-up of id that the tree cannot answer.
    static std::string MissingWidgetText(const WidgetId& id);

private:
    // DrawSelf, clipped to leave out the rectangles of opaque shown children.
    void DrawSelfAroundOpaqueChildren(CDC& dc, const WidgetId& hovered, CPoint origin, CPoint inner) const;
    // A click on its way up: what it yields so far, which widget yielded it,
    // and whether an ancestor has consumed it.
    struct ClickOutcome {
        WidgetId id = WidgetId::None();
        const CWidget* source = nullptr;
        bool consumed = false;
    };
    // lands(widget, origin) tells whether the click lands on a widget (at
    // rect + origin) that none of its children has yielded for.
    template <class Lands>
    ClickOutcome RouteClick(const Lands& lands, CRootPanel* root, CPoint origin);

    // Group -1 resolved against this widget's subtree.
    int ResolveGroup(int group) const;
    unsigned LargestGroup() const;

    WidgetId id_;
    std::vector<std::unique_ptr<CWidget>> children_;
    std::unique_ptr<CHoverCard> hoverCard_;
};

template <class Kind>
Kind* CWidget::AddChild(const CRect& childRect, int group, int id, int sub, const WidgetId& parent) {
    const int resolved = ResolveGroup(group);
    CWidget* host = FindWidget(parent);
    return (host ? host : this)->template AddOwnChild<Kind>(childRect, resolved, id, sub);
}

template <class Kind>
Kind* CWidget::AddOwnChild(const CRect& childRect, int group, int id, int sub) {
    static_assert(std::is_base_of_v<CWidget, Kind>, "widgets derive from CWidget");
    auto child = std::make_unique<Kind>();
    Kind* added = child.get();
    CWidget& widget = *added;
    widget.rect = childRect;
    widget.id_ = {ResolveGroup(group), id, sub};
    children_.push_back(std::move(child));
    return added;
}
