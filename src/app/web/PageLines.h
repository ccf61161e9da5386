// The script lines the web page sends (quorvanel.command), as a line source:
// they never end, and waiting for the next one leaves the page live.
#pragma once

#include "automation/LineSource.h"

class CPageLines final : public CLineSource {
public:
    bool Ready() const override;
    std::optional<std::string> Next() override;
    // The page wakes the program itself when it sends a line.
    void OnReady(std::function<void()>) override {}
};
