// The accessibility bus's thread (see AtspiBridge.h).
#include "atspi/AtspiBridge.h"

#include "atspi/AtspiTree.h"

#include <atk-bridge.h>
#include <atk/atk.h>

#include <map>
#include <utility>

namespace {

// ATK asks the toolkit for its root, and hands it the key listeners, through
// a class shared by the process. The bus's thread alone uses them.
AtkObject* gRoot = nullptr;
std::map<guint, std::pair<AtkKeySnoopFunc, gpointer>> gKeyListeners;
guint gLastListener = 0;
// Whether any key listener is there, for the program's thread.
std::atomic<bool> gHearsKeys{false};
// The bridge registers the program with the accessibility registry by a
// call whose reply comes in while the loop runs: what is said before a
// screen reader knows the program is lost, and at start that is the active
// window and its focus. They are said again a moment later, when the
// registry has long answered (a few milliseconds on a loaded machine).
constexpr guint kRetellAfterMs = 500;

AtkObject* Root() { return gRoot; }
const gchar* ToolkitName() { return "Quorvanel"; }
const gchar* ToolkitVersion() { return "1"; }

guint AddKeyListener(AtkKeySnoopFunc listener, gpointer data) {
    gKeyListeners[++gLastListener] = {listener, data};
    gHearsKeys = true;
    return gLastListener;
}

void RemoveKeyListener(guint id) {
    gKeyListeners.erase(id);
    gHearsKeys = !gKeyListeners.empty();
}

// Whether a listener takes the key (the bridge's asks the registry, which
// asks the screen reader); the first that takes it ends the asking.
bool KeyTaken(const CAccessKey& key) {
    AtkKeyEventStruct event{};
    event.type = key.pressed ? ATK_KEY_EVENT_PRESS : ATK_KEY_EVENT_RELEASE;
    event.state = key.state;
    event.keyval = key.keysym;
    event.length = static_cast<gint>(key.text.size());
    event.string = const_cast<gchar*>(key.text.c_str());  // ATK's struct, read only
    event.keycode = static_cast<guint16>(key.keycode);
    event.timestamp = key.time;
    const auto listeners = gKeyListeners;  // a listener may remove itself
    for (const auto& [id, listener] : listeners)
        if (listener.first(&event, listener.second)) return true;
    return false;
}

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

void CAtspiBridge::Show(std::vector<CAccessWindow> windows, bool focused) {
    snapshot_.windows = std::move(windows);
    snapshot_.focused = focused;
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

bool CAtspiBridge::HearsKeys() const { return gHearsKeys; }

void CAtspiBridge::OfferKey(CAccessKey key) {
    {
        const std::lock_guard lock(mutex_);
        keys_.push_back(std::move(key));
    }
    g_main_context_wakeup(g_main_context_default());
}

std::optional<CKeyAnswer> CAtspiBridge::TakeKeyAnswer() {
    const std::lock_guard lock(mutex_);
    if (answers_.empty()) return std::nullopt;
    const CKeyAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

// Each key is put to the listeners without the lock: the bridge's listener
// waits for the registry, and meanwhile answers the screen reader's questions.
void CAtspiBridge::AskAboutKeys() {
    for (;;) {
        CAccessKey key;
        {
            const std::lock_guard lock(mutex_);
            if (keys_.empty()) return;
            key = std::move(keys_.front());
            keys_.pop_front();
        }
        const bool taken = KeyTaken(key);
        if (!key.pressed) continue;
        {
            const std::lock_guard lock(mutex_);
            answers_.push_back({key.id, !taken});
        }
        wake_();
    }
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
    util->add_key_event_listener = AddKeyListener;
    util->remove_key_event_listener = RemoveKeyListener;
    // Fails without an accessibility bus, or with NO_AT_BRIDGE=1.
    if (atk_bridge_adaptor_init(nullptr, nullptr) == 0) {
        GMainContext* context = g_main_context_default();
        bool retell = false;
        GSource* retelling = g_timeout_source_new(kRetellAfterMs);
        g_source_set_callback(
            retelling,
            [](gpointer flag) {
                *static_cast<bool*>(flag) = true;
                return G_SOURCE_REMOVE;
            },
            &retell, nullptr);
        g_source_attach(retelling, context);
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
            if (std::exchange(retell, false)) tree.Retell();
            AskAboutKeys();
            g_main_context_iteration(context, TRUE);
        }
        g_source_destroy(retelling);
        g_source_unref(retelling);
        atk_bridge_adaptor_cleanup();
    }
    // Keys offered from now on go straight to the program.
    gKeyListeners.clear();
    gHearsKeys = false;
    gRoot = nullptr;
    g_type_class_unref(util);
}
