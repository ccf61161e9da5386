// CSdlPads: the controllers SDL's game-controller API knows, as keys. Its
// mappings are SDL's own database, SDL_GAMECONTROLLERCONFIG and the file
// SDL_GAMECONTROLLERCONFIG_FILE names (SDL reads both when the subsystem
// starts). Controllers come and go while the game runs; each is read on its
// own (CPadInput), and any of them drives. Their input never goes to a
// screen reader: it is no key of the window system.
#pragma once

#include "platform/PadInput.h"

#include <map>
#include <optional>

union SDL_Event;
struct _SDL_GameController;

class CSdlPads {
public:
    // Starts SDL's game controllers; without them the game goes on without.
    CSdlPads();
    ~CSdlPads();
    CSdlPads(const CSdlPads&) = delete;
    CSdlPads& operator=(const CSdlPads&) = delete;

    // Whether the event is a controller's (plugged, unplugged, a button, an
    // axis), taken here; *key is then the key it was, if any.
    bool Take(const SDL_Event& event, std::optional<KeyChord::Key>* key);
    // A held direction's repeat due now, if any.
    std::optional<KeyChord::Key> Repeat();
    // Milliseconds until the next repeat is due; none while nothing repeats.
    std::optional<int> UntilRepeat() const;

private:
    struct CPad {
        _SDL_GameController* controller;
        CPadInput input;
    };
    std::map<int, CPad> pads_;  // by joystick instance id
    bool started_ = false;
};
