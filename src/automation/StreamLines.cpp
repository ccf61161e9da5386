// Reading a stream's lines on a thread (see StreamLines.h).
#include "automation/StreamLines.h"

#include "automation/LineQueue.h"

#include <thread>

std::unique_ptr<CLineSource> ReadStreamLines(std::shared_ptr<std::istream> stream) {
    auto queue = std::make_unique<CLineQueue>();
    std::thread([feeder = queue->Feeder(), stream]() mutable {
        std::string line;
        while (std::getline(*stream, line)) feeder.Push(std::move(line));
        feeder.End();
    }).detach();
    return queue;
}
