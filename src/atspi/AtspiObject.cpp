// The accessible objects' GObject types (see AtspiObject.h). The types are
// registered by hand, so that no C cast of GLib's macros reaches our code.
#include "atspi/AtspiObject.h"

#include <array>
#include <utility>

namespace {

struct CAtspiInstance {
    AtkObject parent;
    CAtspiData* data;
};

struct CAtspiClass {
    AtkObjectClass parent;
};

GObjectClass* gAtkObjectClass = nullptr;

GType BaseType();

// Whether object is one of ours (the bus may hand us anything).
bool IsOurs(AtkObject* object) {
    return object &&
           g_type_check_instance_is_a(static_cast<GTypeInstance*>(static_cast<void*>(object)), BaseType());
}

CAtspiData& Data(void* object) { return *static_cast<CAtspiInstance*>(object)->data; }
AtkObject* Object(void* object) { return static_cast<AtkObject*>(object); }

// AtkObject.

gint ChildCount(AtkObject* object) { return static_cast<gint>(Data(object).children.size()); }

AtkObject* RefChild(AtkObject* object, gint index) {
    const std::vector<AtkObject*>& children = Data(object).children;
    if (index < 0 || static_cast<std::size_t>(index) >= children.size()) return nullptr;
    return static_cast<AtkObject*>(g_object_ref(children[static_cast<std::size_t>(index)]));
}

gint IndexInParent(AtkObject* object) {
    AtkObject* parent = atk_object_get_parent(object);
    if (!IsOurs(parent)) return -1;  // the application has no parent
    const std::vector<AtkObject*>& siblings = Data(parent).children;
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i] == object) return static_cast<gint>(i);
    return -1;
}

AtkStateSet* RefStateSet(AtkObject* object) {
    const CAtspiData& data = Data(object);
    AtkStateSet* states = atk_state_set_new();
    if (data.defunct) {
        atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
        return states;
    }
    const bool enabled = !data.node.disabled;
    const std::array<std::pair<bool, AtkStateType>, 11> flags{{
        {data.kind != AtspiKind::Application, ATK_STATE_VISIBLE},
        {data.kind != AtspiKind::Application, ATK_STATE_SHOWING},
        {enabled, ATK_STATE_ENABLED},
        {enabled, ATK_STATE_SENSITIVE},
        {data.node.canFocus, ATK_STATE_FOCUSABLE},
        {data.focused, ATK_STATE_FOCUSED},
        {data.node.role == AccessRole::Tab, ATK_STATE_SELECTABLE},
        {data.node.selected, ATK_STATE_SELECTED},
        {data.active, ATK_STATE_ACTIVE},
        {data.node.role == AccessRole::Dialog || data.node.role == AccessRole::AlertDialog, ATK_STATE_MODAL},
        {data.kind == AtspiKind::Status, ATK_STATE_READ_ONLY},
    }};
    for (const auto& [set, state] : flags)
        if (set) atk_state_set_add_state(states, state);
    return states;
}

AtkAttributeSet* Attribute(AtkAttributeSet* set, const char* name, const char* value) {
    auto* attribute = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
    attribute->name = g_strdup(name);
    attribute->value = g_strdup(value);
    return g_slist_append(set, attribute);
}

// The status line is a polite live region.
AtkAttributeSet* Attributes(AtkObject* object) {
    if (Data(object).kind != AtspiKind::Status) return nullptr;
    AtkAttributeSet* set = Attribute(nullptr, "live", "polite");
    set = Attribute(set, "container-live", "polite");
    return Attribute(set, "atomic", "true");
}

void Finalize(GObject* object) {
    delete static_cast<CAtspiInstance*>(static_cast<void*>(object))->data;
    gAtkObjectClass->finalize(object);
}

void InitClass(gpointer klass, gpointer) {
    gAtkObjectClass = static_cast<GObjectClass*>(g_type_class_peek_parent(klass));
    static_cast<GObjectClass*>(klass)->finalize = Finalize;
    auto* atk = static_cast<AtkObjectClass*>(klass);
    atk->get_n_children = ChildCount;
    atk->ref_child = RefChild;
    atk->get_index_in_parent = IndexInParent;
    atk->ref_state_set = RefStateSet;
    atk->get_attributes = Attributes;
}

void InitInstance(GTypeInstance* instance, gpointer) {
    static_cast<CAtspiInstance*>(static_cast<void*>(instance))->data = new CAtspiData;
}

// AtkComponent: the node's area at the window's scale, on the screen, in the
// window, or within its parent.

CRect ScaledBounds(const CAtspiData& data) {
    const CRect& b = data.node.bounds;
    return {b.left * data.scale, b.top * data.scale, b.right * data.scale, b.bottom * data.scale};
}

void GetExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coords) {
    const CAtspiData& data = Data(component);
    CRect area = ScaledBounds(data);
    if (coords == ATK_XY_SCREEN) {
        area.OffsetRect(data.origin.x, data.origin.y);
    } else if (coords == ATK_XY_PARENT) {
        AtkObject* parent = atk_object_get_parent(Object(component));
        if (IsOurs(parent)) {
            const CRect outer = ScaledBounds(Data(parent));
            area.OffsetRect(-outer.left, -outer.top);
        }
    }
    if (x) *x = area.left;
    if (y) *y = area.top;
    if (width) *width = area.Width();
    if (height) *height = area.Height();
}

gboolean GrabFocus(AtkComponent* component) {
    const CAtspiData& data = Data(component);
    return data.request && data.request(AccessAction::Focus);
}

void InitComponent(gpointer iface, gpointer) {
    auto* component = static_cast<AtkComponentIface*>(iface);
    component->get_extents = GetExtents;
    component->grab_focus = GrabFocus;
}

// AtkAction: a widget that takes the focus has one action, the one Space
// does to the focused widget.

constexpr const char* kActionName = "click";

gint ActionCount(AtkAction* action) { return Data(action).node.canFocus ? 1 : 0; }

gboolean DoAction(AtkAction* action, gint index) {
    const CAtspiData& data = Data(action);
    return index == 0 && data.request && data.request(AccessAction::Activate);
}

const gchar* ActionName(AtkAction* action, gint index) {
    return index == 0 && ActionCount(action) > 0 ? kActionName : nullptr;
}

const gchar* ActionText(AtkAction*, gint) { return nullptr; }

void InitAction(gpointer iface, gpointer) {
    auto* action = static_cast<AtkActionIface*>(iface);
    action->get_n_actions = ActionCount;
    action->do_action = DoAction;
    action->get_name = ActionName;
    action->get_localized_name = ActionName;
    action->get_description = ActionText;
    action->get_keybinding = ActionText;
}

// AtkText: a label's or the status line's words, in characters, which a
// screen reader reads as the player's eye would (flat review).

gint CharacterCount(AtkText* text) { return static_cast<gint>(g_utf8_strlen(Data(text).text.c_str(), -1)); }

gchar* GetText(AtkText* text, gint start, gint end) {
    const gint count = CharacterCount(text);
    if (end < 0 || end > count) end = count;
    if (start < 0) start = 0;
    if (start > end) start = end;
    return g_utf8_substring(Data(text).text.c_str(), start, end);
}

gunichar CharacterAt(AtkText* text, gint offset) {
    if (offset < 0 || offset >= CharacterCount(text)) return 0;
    return g_utf8_get_char(g_utf8_offset_to_pointer(Data(text).text.c_str(), offset));
}

gint CaretOffset(AtkText*) { return 0; }

void InitText(gpointer iface, gpointer) {
    auto* text = static_cast<AtkTextIface*>(iface);
    text->get_text = GetText;
    text->get_character_count = CharacterCount;
    text->get_character_at_offset = CharacterAt;
    text->get_caret_offset = CaretOffset;
}

void AddInterface(GType type, GType iface, GInterfaceInitFunc init) {
    const GInterfaceInfo info{init, nullptr, nullptr};
    g_type_add_interface_static(type, iface, &info);
}

GType BaseType() {
    static const GType type = [] {
        GTypeInfo info{};
        info.class_size = sizeof(CAtspiClass);
        info.class_init = InitClass;
        info.instance_size = sizeof(CAtspiInstance);
        info.instance_init = InitInstance;
        const GType base =
            g_type_register_static(atk_object_get_type(), "QuorvanelAccessible", &info, GTypeFlags{});
        AddInterface(base, atk_component_get_type(), InitComponent);
        return base;
    }();
    return type;
}

GType SubType(const char* name, GType iface, GInterfaceInitFunc init) {
    GTypeInfo info{};
    info.class_size = sizeof(CAtspiClass);
    info.instance_size = sizeof(CAtspiInstance);
    const GType type = g_type_register_static(BaseType(), name, &info, GTypeFlags{});
    AddInterface(type, iface, init);
    return type;
}

GType TypeOf(AtspiKind kind) {
    static const GType window = SubType("QuorvanelWindow", atk_window_get_type(), nullptr);
    static const GType widget = SubType("QuorvanelWidget", atk_action_get_type(), InitAction);
    static const GType text = SubType("QuorvanelText", atk_text_get_type(), InitText);
    switch (kind) {
        case AtspiKind::Window:
            return window;
        case AtspiKind::Widget:
            return widget;
        case AtspiKind::Label:
        case AtspiKind::Status:
            return text;
        case AtspiKind::Application:
            break;
    }
    return BaseType();
}

}  // namespace

AtkObject* NewAtspiObject(AtspiKind kind) {
    AtkObject* object = Object(g_object_new(TypeOf(kind), nullptr));
    Data(object).kind = kind;
    return object;
}

CAtspiData& AtspiData(AtkObject* object) { return Data(object); }

AtspiKind AtspiKindOf(const CAccessNode& node) {
    return node.role == AccessRole::StaticText ? AtspiKind::Label : AtspiKind::Widget;
}

// In the order of AccessRole; a tab's panel and a node of no role of its own
// are panels.
AtkRole AtspiRole(AccessRole role) {
    static constexpr std::array<AtkRole, 10> kRoles{
        ATK_ROLE_PANEL,         ATK_ROLE_FRAME,    ATK_ROLE_DIALOG, ATK_ROLE_ALERT,    ATK_ROLE_PUSH_BUTTON,
        ATK_ROLE_PAGE_TAB_LIST, ATK_ROLE_PAGE_TAB, ATK_ROLE_PANEL,  ATK_ROLE_GROUPING, ATK_ROLE_LABEL};
    return kRoles[static_cast<std::size_t>(role)];
}
