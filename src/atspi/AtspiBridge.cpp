// The accessibility bus's thread (see AtspiBridge.h).
#include "atspi/AtspiBridge.h"

#include "atspi/AtspiTree.h"

#include <atk-bridge.h>
#include <atk/atk.h>

#include <utility>

namespace {

// ATK asks the toolkit for its root through a class shared by the process.
AtkObject* gRoot = nullptr;

AtkObject* Root() { return gRoot; }
const gchar* ToolkitName() { return "Quorvanel"; }
const gchar* ToolkitVersion() { return "1"; }

}  // namespace

std::unique_ptr<CAccessBus> CAtspiBridge::Start(std::function<void()> wake) {
    std::unique_ptr<CAtspiBridge> bridge(new CAtspiBridge(std::move(wake)));
    bridge->thread_ = std::thread([serving = bridge.get()] { serving->Serve(); });
    return std::unique_ptr<CAccessBus>(std::move(bridge));
}

CAtspiBridge::CAtspiBridge(std::function<void()> wake) : wake_(std::move(wake)) {}

CAtspiBridge::~CAtspiBridge() {
    stopping_ = true;
    g_main_context_wakeup(g_main_context_default());
    thread_.join();
}

void CAtspiBridge::Show(std::vector<CAccessWindow> windows) {
    snapshot_.windows = std::move(windows);
    Publish();
}

void CAtspiBridge::Announce(const std::string& text) {
    snapshot_.announcement = text;
    ++snapshot_.announcements;
    Publish();
}

std::optional<CAccessRequest> CAtspiBridge::TakeRequest() {
    const std::lock_guard lock(mutex_);
    if (requests_.empty()) return std::nullopt;
    CAccessRequest request = std::move(requests_.front());
    requests_.pop_front();
    return request;
}

void CAtspiBridge::Publish() {
    auto snapshot = std::make_shared<const CAccessSnapshot>(snapshot_);
    {
        const std::lock_guard lock(mutex_);
        latest_ = std::move(snapshot);
    }
    g_main_context_wakeup(g_main_context_default());
}

bool CAtspiBridge::Queue(const CAccessRequest& request) {
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    wake_();
    return true;
}

// GLib's default main context is this thread's alone: nothing else in the
// program uses GLib. A wake-up between looking at the snapshot and sleeping
// is not lost: it ends the next sleep at once.
void CAtspiBridge::Serve() {
    CAtspiTree tree([this](const CAccessRequest& request) { return Queue(request); });
    gRoot = tree.Root();
    auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(atk_util_get_type()));
    util->get_root = Root;
    util->get_toolkit_name = ToolkitName;
    util->get_toolkit_version = ToolkitVersion;
    // Fails without an accessibility bus, or with NO_AT_BRIDGE=1.
    if (atk_bridge_adaptor_init(nullptr, nullptr) == 0) {
        GMainContext* context = g_main_context_default();
        std::shared_ptr<const CAccessSnapshot> shown;
        while (!stopping_) {
            std::shared_ptr<const CAccessSnapshot> latest;
            {
                const std::lock_guard lock(mutex_);
                latest = latest_;
            }
            if (latest && latest != shown) {
                tree.Apply(*latest);
                tree.ShowNotification(*latest);
            }
            shown = std::move(latest);
            g_main_context_iteration(context, TRUE);
        }
        atk_bridge_adaptor_cleanup();
    }
    gRoot = nullptr;
    g_type_class_unref(util);
}
