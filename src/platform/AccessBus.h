// CAccessBus: where a desktop backend tells assistive technology what the
// program shows, and hears back what a screen reader asks for. The backend
// hands over the shown windows whenever one changes and each announcement;
// the bus answers the screen reader on its own, and queues what it asks for
// as requests, which the backend turns into input for the window system.
// Keys go to the screen reader before the program, which acts only on those
// it passes on (its own commands, such as "where am I", are not the game's).
// The desktop's accessibility bus is atspi/AtspiBridge.h, a layer above this
// one: the program hands its way of starting one to the backend.
#pragma once

#include "gfx/Geometry.h"
#include "platform/AccessNode.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One shown window.
struct CAccessWindow {
    unsigned key = 0;  // the backend's id of the window
    CAccessNode tree;  // its description, rooted in the window itself
    CPoint origin;     // where its client area's top left is on the screen
    int scale = 1;     // screen pixels per client pixel
};

// What assistive technology asked for: the node of that id in that window
// focused or activated.
struct CAccessRequest {
    unsigned window = 0;
    std::string node;
    AccessAction action = AccessAction::Focus;
};

// A key as the window system gave it (on X, its key event), which a screen
// reader hears before the program does.
struct CAccessKey {
    unsigned id = 0;       // a press's, which its answer carries back
    bool pressed = true;   // false: released
    unsigned keysym = 0;   // X's keysym, the modifiers applied
    unsigned keycode = 0;  // the hardware code
    unsigned state = 0;    // X's modifier mask
    unsigned time = 0;     // the server's time, in milliseconds
    std::string text;      // what it types, or the keysym's name when that is nothing printable
};

// What the screen reader did with an offered press.
struct CKeyAnswer {
    unsigned id = 0;
    bool passed = true;  // false: the screen reader took it, and the program never sees it
};

class CAccessBus {
public:
    virtual ~CAccessBus() = default;
    // The shown windows now, bottom to top: the top one is active while the
    // program has the desktop's keyboard focus (focused), and none without.
    virtual void Show(std::vector<CAccessWindow> windows, bool focused) = 0;
    // Said politely, after what the screen reader is saying.
    virtual void Announce(const std::string& text) = 0;
    // The oldest request not taken yet.
    virtual std::optional<CAccessRequest> TakeRequest() = 0;
    // Whether a screen reader listens to keys: then every key is offered to
    // it first, and a press waits for its answer before the program acts on it.
    virtual bool HearsKeys() const = 0;
    virtual void OfferKey(CAccessKey key) = 0;
    // The oldest answer not taken yet; answers come in the order of the
    // presses, and the bus calls wake after each.
    virtual std::optional<CKeyAnswer> TakeKeyAnswer() = 0;
};

// Starts a bus; null when there is none to be had. The bus calls wake, from
// any thread, after each request it queues.
using AccessBusStart = std::function<std::unique_ptr<CAccessBus>(std::function<void()> wake)>;
