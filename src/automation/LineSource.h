// CLineSource: where the lines of a script that arrives piece by piece come
// from (standard input on the desktop, a page's queue in a browser). Lines
// may arrive on another thread; the program's loop asks whether one is there
// before taking it, and is woken when one arrives.
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
    // Called (possibly on another thread) whenever a line arrives or the
    // lines end, until replaced; an empty function stops the calls.
    virtual void OnReady(std::function<void()> wake) = 0;
};
