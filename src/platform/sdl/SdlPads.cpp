// SDL's game controllers as keys (see SdlPads.h).
#include "platform/sdl/SdlPads.h"

#include <SDL.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr std::pair<SDL_GameControllerButton, PadButton> kSdlButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::Right},
    {SDL_CONTROLLER_BUTTON_A, PadButton::South},
    {SDL_CONTROLLER_BUTTON_B, PadButton::East},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::LeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::RightShoulder},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
};

std::optional<PadButton> PadButtonOf(Uint8 button) {
    const auto known = std::find_if(std::begin(kSdlButtons), std::end(kSdlButtons),
                                    [button](const auto& entry) { return entry.first == button; });
    return known != std::end(kSdlButtons) ? std::optional(known->second) : std::nullopt;
}

double AxisOf(SDL_GameController* controller, SDL_GameControllerAxis axis) {
    return std::clamp(SDL_GameControllerGetAxis(controller, axis) / 32767.0, -1.0, 1.0);
}

CPadInput::Ms Now() { return static_cast<CPadInput::Ms>(SDL_GetTicks64()); }

}  // namespace

// The controllers already plugged in come as SDL_CONTROLLERDEVICEADDED.
CSdlPads::CSdlPads() : started_(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {}

CSdlPads::~CSdlPads() {
    for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.controller);
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool CSdlPads::Take(const SDL_Event& event, std::optional<KeyChord::Key>* key) {
    *key = std::nullopt;
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
                const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                // Opened twice (plugged in before start), it is one controller.
                if (!pads_.try_emplace(id, CPad{controller, {}}).second) SDL_GameControllerClose(controller);
            }
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (const auto pad = pads_.find(event.cdevice.which); pad != pads_.end()) {
                SDL_GameControllerClose(pad->second.controller);
                pads_.erase(pad);
            }
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (const auto pad = pads_.find(event.cbutton.which); pad != pads_.end())
                if (const std::optional<PadButton> button = PadButtonOf(event.cbutton.button))
                    *key = pad->second.input.Button(*button, event.type == SDL_CONTROLLERBUTTONDOWN, Now());
            return true;
        case SDL_CONTROLLERAXISMOTION:
            if (const auto pad = pads_.find(event.caxis.which); pad != pads_.end()) {
                SDL_GameController* controller = pad->second.controller;
                *key = pad->second.input.Stick(AxisOf(controller, SDL_CONTROLLER_AXIS_LEFTX),
                                               AxisOf(controller, SDL_CONTROLLER_AXIS_LEFTY), Now());
            }
            return true;
        default:
            return false;
    }
}

std::optional<KeyChord::Key> CSdlPads::Repeat() {
    const CPadInput::Ms now = Now();
    for (auto& [id, pad] : pads_)
        if (const std::optional<KeyChord::Key> key = pad.input.Repeat(now)) return key;
    return std::nullopt;
}

std::optional<int> CSdlPads::UntilRepeat() const {
    std::optional<CPadInput::Ms> due;
    for (const auto& [id, pad] : pads_)
        if (const std::optional<CPadInput::Ms> next = pad.input.NextRepeat())
            due = std::min(due.value_or(*next), *next);
    if (!due) return std::nullopt;
    return static_cast<int>(std::max<CPadInput::Ms>(0, *due - Now()));
}
