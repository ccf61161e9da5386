// Reading a stream's lines on a thread (see StreamLines.h).
#include "automation/StreamLines.h"

#include "automation/LineQueue.h"
#include "automation/LineSplitter.h"

#include <string>
#include <thread>

std::unique_ptr<CLineSource> ReadStreamLines(std::shared_ptr<std::istream> stream) {
    auto queue = std::make_unique<CLineQueue>();
    std::thread([feeder = queue->Feeder(), stream]() mutable {
        std::streambuf& bytes = *stream->rdbuf();
        CLineSplitter splitter;
        // Byte by byte, so that a line is handed on as soon as its end arrives.
        for (int byte; (byte = bytes.sbumpc()) != std::char_traits<char>::eof();)
            if (std::optional<std::string> line = splitter.Push(std::char_traits<char>::to_char_type(byte)))
                feeder.Push(std::move(*line));
        if (std::optional<std::string> line = splitter.Finish()) feeder.Push(std::move(*line));
        feeder.End();
    }).detach();
    return queue;
}
