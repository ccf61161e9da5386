// The accessibility bus as a module of its own (quorvanel-atspi.so), which
// the program loads only when it has a session bus, after its first frame
// (app/AccessModule.h): without one, neither ATK nor GLib is in memory.
#include "atspi/AtspiBridge.h"

#include <functional>

// The module's one entry: a started CAtspiBridge, which the caller owns.
extern "C" __attribute__((visibility("default"))) CAccessBus* QuorvanelStartAccessBus(
    std::function<void()>* wake) {
    return CAtspiBridge::Start(std::move(*wake)).release();
}
