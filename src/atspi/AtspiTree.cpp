// Keeping the accessible objects in step with the program (see AtspiTree.h).
#include "atspi/AtspiTree.h"

#include "atspi/AtspiObject.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

constexpr const char* kApplicationName = "Quorvanel";

// The node's own fields, its children left out (they have objects of their own).
CAccessNode WithoutChildren(const CAccessNode& node) {
    CAccessNode plain = node;
    plain.children.clear();
    return plain;
}

bool Contains(const std::vector<AtkObject*>& objects, AtkObject* object) {
    return std::find(objects.begin(), objects.end(), object) != objects.end();
}

void Emit(AtkObject* object, const char* signal) { g_signal_emit_by_name(object, signal); }

void ChildrenChanged(AtkObject* parent, const char* signal, std::size_t index, AtkObject* child) {
    g_signal_emit_by_name(parent, signal, static_cast<guint>(index), static_cast<gpointer>(child));
}

gint Characters(const std::string& text) { return static_cast<gint>(g_utf8_strlen(text.c_str(), -1)); }

}  // namespace

CAtspiTree::CAtspiTree(std::function<bool(const CAccessRequest&)> request)
    : request_(std::move(request)),
      root_(NewAtspiObject(AtspiKind::Application)),
      status_(NewAtspiObject(AtspiKind::Status)),
      notification_(NewAtspiObject(AtspiKind::Status)) {
    atk_object_set_role(root_, ATK_ROLE_APPLICATION);
    atk_object_set_name(root_, kApplicationName);
    atk_object_set_role(status_, ATK_ROLE_STATUSBAR);
    atk_object_set_accessible_id(status_, "status");
    atk_object_set_role(notification_, ATK_ROLE_NOTIFICATION);
    atk_object_set_accessible_id(notification_, "notification");
    atk_object_set_parent(notification_, status_);
    AtspiData(status_).children = {notification_};
}

CAtspiTree::~CAtspiTree() {
    for (auto& [key, objects] : windows_) ForgetWindow(objects);
    g_object_unref(notification_);
    g_object_unref(status_);
    g_object_unref(root_);
}

void CAtspiTree::Apply(const CAccessSnapshot& snapshot) {
    const unsigned active = snapshot.windows.empty() || !snapshot.focused ? 0 : snapshot.windows.back().key;
    std::vector<AtkObject*> shown;
    std::vector<AtkObject*> created;
    std::set<unsigned> keys;
    for (const CAccessWindow& window : snapshot.windows) {
        auto [entry, fresh] = windows_.try_emplace(window.key);
        CWindowObjects& objects = entry->second;
        if (fresh) {
            objects.window = NewAtspiObject(AtspiKind::Window);
            created.push_back(objects.window);
        }
        SyncWindow(objects, window, shown.empty());
        shown.push_back(objects.window);
        keys.insert(window.key);
    }

    std::vector<CWindowObjects> gone;
    for (auto entry = windows_.begin(); entry != windows_.end();) {
        if (keys.count(entry->first)) {
            ++entry;
            continue;
        }
        AtkObject* window = entry->second.window;
        if (entry->first == active_) {
            AtspiData(window).active = false;
            Emit(window, "deactivate");
            active_ = 0;
        }
        Emit(window, "destroy");
        gone.push_back(std::move(entry->second));
        entry = windows_.erase(entry);
    }
    SetChildren(root_, shown);
    for (CWindowObjects& objects : gone) ForgetWindow(objects);
    for (AtkObject* window : created) Emit(window, "create");

    if (active != active_) {
        if (const auto before = windows_.find(active_); before != windows_.end()) {
            AtspiData(before->second.window).active = false;
            atk_object_notify_state_change(before->second.window, ATK_STATE_ACTIVE, FALSE);
            Emit(before->second.window, "deactivate");
        }
        active_ = active;
        if (const auto now = windows_.find(active_); now != windows_.end()) {
            AtspiData(now->second.window).active = true;
            atk_object_notify_state_change(now->second.window, ATK_STATE_ACTIVE, TRUE);
            Emit(now->second.window, "activate");
        }
    }

    AtkObject* focus = nullptr;
    if (const auto now = windows_.find(active_); now != windows_.end()) {
        for (const auto& [id, object] : now->second.nodes)
            if (AtspiData(object).node.focused) focus = object;
    }
    MoveFocus(focus);

    if (snapshot.announcements != announcements_) {
        announcements_ = snapshot.announcements;
        Announce(snapshot.announcement);
    }
}

void CAtspiTree::Retell() {
    const auto now = windows_.find(active_);
    if (now == windows_.end()) return;
    Emit(now->second.window, "activate");
    if (focus_) TellFocus();
}

void CAtspiTree::SyncWindow(CWindowObjects& objects, const CAccessWindow& shown, bool bottom) {
    Update(objects.window, shown.tree, shown);
    std::set<std::string> seen;
    std::vector<AtkObject*> children = SyncChildren(shown.tree.children, shown, objects, seen);
    if (bottom) {
        CAtspiData& status = AtspiData(status_);
        status.origin = shown.origin;
        status.scale = shown.scale;
        children.push_back(status_);
    }
    SetChildren(objects.window, std::move(children));
    for (auto entry = objects.nodes.begin(); entry != objects.nodes.end();) {
        if (seen.count(entry->first)) {
            ++entry;
        } else {
            Forget(entry->second);
            entry = objects.nodes.erase(entry);
        }
    }
}

std::vector<AtkObject*> CAtspiTree::SyncChildren(const std::vector<CAccessNode>& nodes,
                                                 const CAccessWindow& shown, CWindowObjects& objects,
                                                 std::set<std::string>& seen) {
    std::vector<AtkObject*> children;
    for (const CAccessNode& node : nodes) {
        AtkObject*& object = objects.nodes[node.id];
        // A node that turns into text, or from text into something else, is a new object.
        if (object && AtspiData(object).kind != AtspiKindOf(node)) {
            Forget(object);
            object = nullptr;
        }
        if (!object) {
            object = NewAtspiObject(AtspiKindOf(node));
            AtspiData(object).request = [this, key = shown.key, id = node.id](AccessAction action) {
                return Request(key, id, action);
            };
        }
        Update(object, node, shown);
        SetChildren(object, SyncChildren(node.children, shown, objects, seen));
        seen.insert(node.id);
        children.push_back(object);
    }
    return children;
}

void CAtspiTree::Update(AtkObject* object, const CAccessNode& node, const CAccessWindow& shown) {
    CAtspiData& data = AtspiData(object);
    const bool fresh = data.node.id.empty();
    const CAccessNode before = std::exchange(data.node, WithoutChildren(node));
    data.origin = shown.origin;
    data.scale = shown.scale;
    if (data.kind == AtspiKind::Label) data.text = node.name;
    if (fresh) atk_object_set_accessible_id(object, node.id.c_str());
    if (fresh || before.role != node.role) atk_object_set_role(object, AtspiRole(node.role));
    if (fresh || before.name != node.name) atk_object_set_name(object, node.name.c_str());
    if (const std::string description = node.FullDescription();
        fresh || before.FullDescription() != description)
        atk_object_set_description(object, description.c_str());
    if (fresh) return;
    if (before.disabled != node.disabled) {
        atk_object_notify_state_change(object, ATK_STATE_ENABLED, !node.disabled);
        atk_object_notify_state_change(object, ATK_STATE_SENSITIVE, !node.disabled);
    }
    if (before.selected != node.selected)
        atk_object_notify_state_change(object, ATK_STATE_SELECTED, node.selected);
}

void CAtspiTree::SetChildren(AtkObject* parent, std::vector<AtkObject*> children) {
    CAtspiData& data = AtspiData(parent);
    const std::vector<AtkObject*> before = std::exchange(data.children, std::move(children));
    if (before == data.children) return;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!Contains(data.children, before[i]))
            ChildrenChanged(parent, "children-changed::remove", i, before[i]);
    for (std::size_t i = 0; i < data.children.size(); ++i) {
        AtkObject* child = data.children[i];
        if (atk_object_get_parent(child) != parent) atk_object_set_parent(child, parent);
        if (!Contains(before, child)) ChildrenChanged(parent, "children-changed::add", i, child);
    }
}

// The object may live on while the bus holds it: as defunct, it refuses
// every request.
void CAtspiTree::Forget(AtkObject* object) {
    CAtspiData& data = AtspiData(object);
    data.defunct = true;
    data.request = nullptr;
    data.children.clear();
    if (object == focus_) focus_ = nullptr;
    atk_object_notify_state_change(object, ATK_STATE_DEFUNCT, TRUE);
    g_object_unref(object);
}

void CAtspiTree::ForgetWindow(CWindowObjects& objects) {
    for (auto& [id, object] : objects.nodes) Forget(object);
    objects.nodes.clear();
    Forget(objects.window);
}

void CAtspiTree::MoveFocus(AtkObject* focus) {
    if (focus == focus_) return;
    if (focus_) {
        AtspiData(focus_).focused = false;
        atk_object_notify_state_change(focus_, ATK_STATE_FOCUSED, FALSE);
    }
    focus_ = focus;
    if (!focus_) return;
    AtspiData(focus_).focused = true;
    TellFocus();
}

void CAtspiTree::TellFocus() {
    atk_object_notify_state_change(focus_, ATK_STATE_FOCUSED, TRUE);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    atk_focus_tracker_notify(focus_);
    G_GNUC_END_IGNORE_DEPRECATIONS
}

// What a screen reader reads of a live region is what was inserted; the old
// words go first, while they are still there to be read.
void CAtspiTree::Announce(const std::string& text) {
    CAtspiData& data = AtspiData(status_);
    if (const gint before = Characters(data.text); before > 0)
        g_signal_emit_by_name(status_, "text-changed::delete", 0, before);
    data.text = text;
    g_signal_emit_by_name(status_, "text-changed::insert", 0, Characters(text));
}

void CAtspiTree::ShowNotification(const CAccessSnapshot& snapshot) {
    if (snapshot.announcements == notified_) return;
    notified_ = snapshot.announcements;
    AtspiData(notification_).text = snapshot.announcement;
    atk_object_set_name(notification_, snapshot.announcement.c_str());
    atk_object_notify_state_change(notification_, ATK_STATE_SHOWING, TRUE);
}

bool CAtspiTree::Request(unsigned window, const std::string& node, AccessAction action) const {
    if (window != active_) return false;
    const auto objects = windows_.find(window);
    if (objects == windows_.end()) return false;
    const auto object = objects->second.nodes.find(node);
    if (object == objects->second.nodes.end()) return false;
    const CAtspiData& data = AtspiData(object->second);
    if (data.defunct || !data.node.canFocus) return false;
    if (action == AccessAction::Activate && !data.node.canActivate) return false;
    return request_({window, node, action});
}
