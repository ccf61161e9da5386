// Where a script's lines come from as they arrive: standard input on the
// desktop (CStreamLines), the page's queue in the browser build.
#pragma once

#include <functional>
#include <optional>
#include <string>

class CLineSource {
public:
    virtual ~CLineSource() = default;

    // Whether Next can answer at once: a line is there or the lines ended.
    virtual bool Ready() const = 0;
    // The next line without its end, waiting for it; none at the end.
    virtual std::optional<std::string> Next() = 0;
    // Called whenever a line arrives or the lines end (from any thread),
    // until replaced; an empty function stops the calls.
    virtual void OnReady(std::function<void()> wake) = 0;
};
