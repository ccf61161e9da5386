// The presses a backend offered to a screen reader (CAccessBus::OfferKey),
// each held with the backend's own event for it until the screen reader
// answers: those it passes on come out in the order they were pressed, those
// it took never. A press whose event never came (the window system made
// none of it) is dropped when answered.
#pragma once

#include "platform/AccessBus.h"

#include <deque>
#include <optional>

template <typename Event>
class CKeyOffer {
public:
    // A press about to be offered: its id.
    unsigned Offer() {
        held_.push_back({++lastId_, std::nullopt, std::nullopt});
        return lastId_;
    }
    // Whether the last press offered still waits for its event.
    bool Awaiting() const { return !held_.empty() && !held_.back().event; }
    // The backend's event for the last press offered.
    void Hold(Event event) {
        if (Awaiting()) held_.back().event = std::move(event);
    }
    void Answer(const CKeyAnswer& answer) {
        for (CHeld& held : held_)
            if (held.id == answer.id) held.passed = answer.passed;
    }
    // The oldest press answered, in order, when passed on.
    std::optional<Event> NextPassed() {
        while (!held_.empty() && held_.front().passed) {
            CHeld front = std::move(held_.front());
            held_.pop_front();
            if (*front.passed && front.event) return std::move(front.event);
        }
        return std::nullopt;
    }

private:
    struct CHeld {
        unsigned id;
        std::optional<Event> event;
        std::optional<bool> passed;  // the answer, once there
    };
    std::deque<CHeld> held_;
    unsigned lastId_ = 0;
};
