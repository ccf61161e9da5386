// The accessible objects of the whole program, kept in step with the latest
// snapshot (AccessSnapshot.h) on the accessibility bus's thread: the
// application, one window object per shown window (bottom to top, as the
// program stacks them) holding its description's nodes, and the status line
// in the bottom window. Each snapshot is compared with the objects: a node
// keeps its object while its id stays, so that a screen reader's place
// survives; what changed is said with ATK's signals, which the ATK bridge
// puts on the bus: children added and removed, names, descriptions, states,
// windows created, activated, deactivated and destroyed, the focus when it
// moves in the active window, and each new announcement as text inserted in
// the status line. A screen reader may pass over text put in a status line
// (Orca 43 does: nothing caused it), so each announcement is also shown as a
// notification, the status line's child, which Orca speaks when it shows.
// The top window is active only while the program has the desktop's
// keyboard: getting it back activates the window again and tells its focus
// anew, so that a screen reader says where the player is.
//
// Focus and activation requests (AtkComponent, AtkAction) are checked
// against the latest snapshot and passed on; a request for a node that is
// gone, in a window below the active one, that takes no focus, or that is
// disabled (activation) is refused.
#pragma once

#include "atspi/AccessSnapshot.h"

#include <atk/atk.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class CAtspiTree {
public:
    // request passes on a request that passed the checks; false when it
    // cannot (the bus's reply says refused).
    explicit CAtspiTree(std::function<bool(const CAccessRequest&)> request);
    ~CAtspiTree();
    CAtspiTree(const CAtspiTree&) = delete;
    CAtspiTree& operator=(const CAtspiTree&) = delete;

    // The application object (AtkUtil's root).
    AtkObject* Root() const { return root_; }
    void Apply(const CAccessSnapshot& snapshot);
    // The snapshot's announcement, when it is new, shown as the notification.
    void ShowNotification(const CAccessSnapshot& snapshot);
    // Says again that the active window is active and what has its focus:
    // for a screen reader that was not listening yet when they were said.
    void Retell();

private:
    struct CWindowObjects {
        AtkObject* window = nullptr;
        std::map<std::string, AtkObject*> nodes;  // by node id
    };

    // The bottom window also holds the status line.
    void SyncWindow(CWindowObjects& objects, const CAccessWindow& shown, bool bottom);
    // The objects of nodes (made where new), their own children synced;
    // seen collects the ids met.
    std::vector<AtkObject*> SyncChildren(const std::vector<CAccessNode>& nodes, const CAccessWindow& shown,
                                         CWindowObjects& objects, std::set<std::string>& seen);
    void Update(AtkObject* object, const CAccessNode& node, const CAccessWindow& shown);
    void SetChildren(AtkObject* parent, std::vector<AtkObject*> children);
    void Forget(AtkObject* object);
    void ForgetWindow(CWindowObjects& objects);
    void MoveFocus(AtkObject* focus);
    void TellFocus();
    void Announce(const std::string& text);
    bool Request(unsigned window, const std::string& node, AccessAction action) const;

    std::function<bool(const CAccessRequest&)> request_;
    AtkObject* root_;
    AtkObject* status_;
    AtkObject* notification_;
    std::map<unsigned, CWindowObjects> windows_;
    unsigned active_ = 0;  // the key of the active window; 0: none
    AtkObject* focus_ = nullptr;
    unsigned announcements_ = 0;
    unsigned notified_ = 0;  // the announcements shown as the notification
};
