// CStreamLines: the lines of a stream, read on a thread of their own, so that
// waiting for the next line (standard input from a pipe) need not stop the
// program. The reading thread is never joined: it may be blocked in a read
// that only the process's end interrupts, so it shares only its own state.
#pragma once

#include "app/LineSource.h"

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>

class CStreamLines final : public CLineSource {
public:
    // Starts reading stream; the reading thread keeps it alive until the end.
    static CStreamLines Read(std::shared_ptr<std::istream> stream);
    // Gone, it wakes nobody any more.
    ~CStreamLines() override;
    CStreamLines(CStreamLines&& other) noexcept = default;
    CStreamLines& operator=(CStreamLines&& other) noexcept;

    // Whether Next can answer at once: a line is there or the stream ended.
    bool Ready() const override;
    // The next line without its end, waiting for it; none at the end.
    std::optional<std::string> Next() override;
    // Called (on the reading thread) whenever a line arrives or the stream
    // ends, until replaced; an empty function stops the calls.
    void OnReady(std::function<void()> wake) override;

private:
    struct State;
    explicit CStreamLines(std::shared_ptr<State> state) : state_(std::move(state)) {}
    std::shared_ptr<State> state_;
};
