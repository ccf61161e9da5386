// Reading a descriptor's lines on a thread (see DescriptorLines.h).
#include "automation/DescriptorLines.h"

#include "automation/LineQueue.h"
#include "automation/LineSplitter.h"
#include "base/SystemFile.h"

#include <cerrno>
#include <string>
#include <thread>

bool ReadChunks(int fd, const std::function<void(std::string_view)>& take) {
    char chunk[4096];
    for (;;) {
        const std::ptrdiff_t got = SystemFile::Read(fd, chunk, sizeof chunk);
        if (got == 0) return true;
        if (got > 0) {
            take(std::string_view(chunk, static_cast<std::size_t>(got)));
        } else if (errno != EINTR) {
            return false;
        }
    }
}

std::unique_ptr<CLineSource> ReadDescriptorLines(int fd) {
    auto queue = std::make_unique<CLineQueue>();
    std::thread([feeder = queue->Feeder(), fd]() mutable {
        CLineSplitter splitter;
        // A read returns what has arrived, so a line is handed on as soon as its end is there.
        ReadChunks(fd, [&](std::string_view chunk) {
            for (const char byte : chunk)
                if (std::optional<std::string> line = splitter.Push(byte)) feeder.Push(std::move(*line));
        });
        SystemFile::Close(fd);
        if (std::optional<std::string> line = splitter.Finish()) feeder.Push(std::move(*line));
        feeder.End();
    }).detach();
    return queue;
}
