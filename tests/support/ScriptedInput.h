// Test helpers for the headless window system: a handler that records what
// reaches it, and an input source made of steps, each run when the loop is
// idle (so a step can look at the windows before it hands out its event).
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CRecordingHandler : public CWindowHandler {
public:
    std::function<void(CDC&)> paint;
    std::function<void(int, int)> click;
    std::function<void(const KeyChord&)> key;
    std::function<void()> close;
    bool paintsEveryPixel = false;
    int paints = 0;
    std::vector<CRect> clipBoxes;
    std::vector<std::string> events;

    void OnPaint(CDC& dc) override {
        ++paints;
        clipBoxes.push_back(dc.GetClipBox());
        if (paint) paint(dc);
    }
    bool PaintsEveryPixel() const override { return paintsEveryPixel; }
    void OnMouseMove(int x, int y) override { Note("move", x, y); }
    void OnLButtonDown(int x, int y) override {
        Note("click", x, y);
        if (click) click(x, y);
    }
    void OnRButtonDown(int x, int y) override { Note("rclick", x, y); }
    void OnKey(const KeyChord& chord) override {
        events.push_back("key");
        if (key) key(chord);
    }
    void OnClose() override {
        events.push_back("close");
        if (close) close();
    }

private:
    void Note(const char* what, int x, int y) {
        events.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

inline InputEvent Click(int x, int y) { return {InputEvent::Kind::LButtonDown, x, y, {}}; }
inline InputEvent RightClick(int x, int y) { return {InputEvent::Kind::RButtonDown, x, y, {}}; }
inline InputEvent Move(int x, int y) { return {InputEvent::Kind::MouseMove, x, y, {}}; }
inline InputEvent CloseBox() { return {InputEvent::Kind::Close, 0, 0, {}}; }
inline InputEvent Press(KeyChord::Key key) {
    return {InputEvent::Kind::Key, 0, 0, {key, 0, false, false, false}};
}

// Steps run in order, one per idle moment; then the source runs dry.
class CScript {
public:
    using Step = std::function<std::optional<InputEvent>()>;

    CScript& Then(InputEvent event) {
        steps_.push_back([event] { return event; });
        return *this;
    }
    // Runs check when the loop is idle, then hands out event.
    CScript& Then(std::function<void()> check, InputEvent event) {
        steps_.push_back([check, event] {
            check();
            return event;
        });
        return *this;
    }
    // Hands out what step computes when the loop is idle: an event aimed at
    // a window that opens only later.
    CScript& ThenComputed(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    // Runs check when the loop is idle and ends the input.
    CScript& Finally(std::function<void()> check) {
        steps_.push_back([check]() -> std::optional<InputEvent> {
            check();
            return std::nullopt;
        });
        return *this;
    }
    void InstallOn(CPlatform& platform) {
        platform.SetInputSource([this]() -> std::optional<InputEvent> {
            if (steps_.empty()) return std::nullopt;
            Step step = std::move(steps_.front());
            steps_.pop_front();
            return step();
        });
    }
    bool Finished() const { return steps_.empty(); }

private:
    std::deque<Step> steps_;
};
