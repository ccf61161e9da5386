// CLineQueue: a line source fed by its host: lines pushed, then the end.
// Pushing is safe from any thread, also once the queue itself is gone (the
// feeder shares only the queue's state), so a reader that blocks in a read
// can keep feeding a program that has already finished with the script.
#pragma once

#include "automation/LineSource.h"

#include <memory>

class CLineQueue final : public CLineSource {
    struct State;

public:
    // Feeds one queue; copies feed the same queue.
    class CFeeder {
    public:
        void Push(std::string line);
        // No line comes after the end; Next answers none once the queue is empty.
        void End();

    private:
        friend class CLineQueue;
        explicit CFeeder(std::shared_ptr<State> state) : state_(std::move(state)) {}
        std::shared_ptr<State> state_;
    };

    CLineQueue();
    // Gone, it wakes nobody any more.
    ~CLineQueue() override;
    CLineQueue(const CLineQueue&) = delete;
    CLineQueue& operator=(const CLineQueue&) = delete;

    CFeeder Feeder() const { return CFeeder(state_); }

    bool Ready() const override;
    std::optional<std::string> Next() override;
    void OnReady(std::function<void()> wake) override;

private:
    std::shared_ptr<State> state_;
};
