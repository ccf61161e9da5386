// Reading a stream's lines on a thread (see StreamLines.h).
#include "app/StreamLines.h"

#include "app/LineSplitter.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

struct CStreamLines::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> lines;
    bool ended = false;
    std::function<void()> wake;
};

CStreamLines CStreamLines::Read(std::shared_ptr<std::istream> stream) {
    auto state = std::make_shared<State>();
    std::thread([state, stream] {
        std::streambuf& bytes = *stream->rdbuf();
        CLineSplitter splitter;
        bool more = true;
        while (more) {
            // Byte by byte, so that a line is handed on as soon as its end arrives.
            const int byte = bytes.sbumpc();
            more = byte != std::char_traits<char>::eof();
            std::optional<std::string> line =
                more ? splitter.Push(std::char_traits<char>::to_char_type(byte)) : splitter.Finish();
            if (more && !line) continue;
            std::lock_guard lock(state->mutex);
            if (line) state->lines.push_back(std::move(*line));
            if (!more) state->ended = true;
            state->changed.notify_all();
            // Under the lock, so that once OnReady has cleared it no call runs.
            if (state->wake) state->wake();
        }
    }).detach();
    return CStreamLines(std::move(state));
}

CStreamLines::~CStreamLines() {
    if (state_) OnReady(nullptr);
}

CStreamLines& CStreamLines::operator=(CStreamLines&& other) noexcept {
    if (this != &other) {
        if (state_) OnReady(nullptr);
        state_ = std::move(other.state_);
    }
    return *this;
}

bool CStreamLines::Ready() const {
    std::lock_guard lock(state_->mutex);
    return !state_->lines.empty() || state_->ended;
}

std::optional<std::string> CStreamLines::Next() {
    std::unique_lock lock(state_->mutex);
    state_->changed.wait(lock, [this] { return !state_->lines.empty() || state_->ended; });
    if (state_->lines.empty()) return std::nullopt;
    std::string line = std::move(state_->lines.front());
    state_->lines.pop_front();
    return line;
}

void CStreamLines::OnReady(std::function<void()> wake) {
    std::lock_guard lock(state_->mutex);
    state_->wake = std::move(wake);
}
