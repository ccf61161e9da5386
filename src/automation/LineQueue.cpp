// A line source fed by its host (see LineQueue.h).
#include "automation/LineQueue.h"

#include <condition_variable>
#include <deque>
#include <mutex>

struct CLineQueue::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> lines;
    bool ended = false;
    std::function<void()> wake;

    // Under the lock, so that once OnReady has cleared the wake no call runs.
    void Changed() {
        changed.notify_all();
        if (wake) wake();
    }
};

void CLineQueue::CFeeder::Push(std::string line) {
    std::lock_guard lock(state_->mutex);
    if (state_->ended) return;
    state_->lines.push_back(std::move(line));
    state_->Changed();
}

void CLineQueue::CFeeder::End() {
    std::lock_guard lock(state_->mutex);
    state_->ended = true;
    state_->Changed();
}

CLineQueue::CLineQueue() : state_(std::make_shared<State>()) {}

CLineQueue::~CLineQueue() { OnReady(nullptr); }

bool CLineQueue::Ready() const {
    std::lock_guard lock(state_->mutex);
    return !state_->lines.empty() || state_->ended;
}

std::optional<std::string> CLineQueue::Next() {
    std::unique_lock lock(state_->mutex);
    state_->changed.wait(lock, [this] { return !state_->lines.empty() || state_->ended; });
    if (state_->lines.empty()) return std::nullopt;
    std::string line = std::move(state_->lines.front());
    state_->lines.pop_front();
    return line;
}

void CLineQueue::OnReady(std::function<void()> wake) {
    std::lock_guard lock(state_->mutex);
    state_->wake = std::move(wake);
}
