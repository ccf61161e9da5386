// The program on the desktop's accessibility bus (AT-SPI 2), for screen
// readers such as Orca: ATK objects (AtspiTree.h) put on the bus by Debian's
// ATK bridge. The bridge and GLib's main loop run on a thread of their own,
// which sleeps until the bus or the program has something for it, so the
// program's thread never waits for the bus and an idle program uses no
// processor time. The program hands over a snapshot of its shown windows
// whenever one changes, and each announcement; the bus's thread answers
// from the latest snapshot. What a screen reader asks to be focused or
// activated comes back as requests, one for each call of wake, which the
// backend turns into input for the window system. Keys offered are put to
// the bridge's key listener (AtkUtil's key event listeners), which asks the
// accessibility registry whether a screen reader takes them; each press's
// answer comes back with a call of wake.
//
// The program loads it (AtspiModule.cpp) only when there is a session bus:
// without one, the ATK bridge would launch one. NO_AT_BRIDGE=1 keeps the
// bridge off, as for GTK programs.
#pragma once

#include "atspi/AccessSnapshot.h"

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class CAtspiBridge final : public CAccessBus {
public:
    // An AccessBusStart: the bus's thread starts at once.
    static std::unique_ptr<CAccessBus> Start(std::function<void()> wake);
    ~CAtspiBridge() override;
    CAtspiBridge(const CAtspiBridge&) = delete;
    CAtspiBridge& operator=(const CAtspiBridge&) = delete;

    void Show(std::vector<CAccessWindow> windows, bool focused) override;
    void Announce(const std::string& text) override;
    std::optional<CAccessRequest> TakeRequest() override;
    bool HearsKeys() const override;
    void OfferKey(CAccessKey key) override;
    std::optional<CKeyAnswer> TakeKeyAnswer() override;

private:
    explicit CAtspiBridge(std::function<void()> wake);
    // Hands the snapshot to the bus's thread.
    void Publish();
    // The bus's thread.
    void Serve();
    bool Queue(const CAccessRequest& request);
    // On the bus's thread: the keys offered, put to the key listeners.
    void AskAboutKeys();

    std::function<void()> wake_;
    CAccessSnapshot snapshot_;  // the program's thread's own
    std::mutex mutex_;          // guards what follows
    std::shared_ptr<const CAccessSnapshot> latest_;
    std::deque<CAccessRequest> requests_;
    std::deque<CAccessKey> keys_;  // offered, not yet put to the listeners
    std::deque<CKeyAnswer> answers_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};
