#pragma once
#include <atomic>
#include <chrono>
#include <functional>

namespace wrk7::link {

// Progress of an operation: done of total (channel slots for the memory
// parts, blocks for the others). Called on the operation's thread.
using ProgressFn = std::function<void(int done, int total)>;

class SerialTrace;

struct LinkOptions {
    ProgressFn progress;                          // may be empty
    const std::atomic<bool>* cancel = nullptr;    // checked before each exchange
    std::chrono::milliseconds replyDeadline{500};  // per exchange
    int maxTries = 10;                             // per command
    // Memory reads fetch the channel blocks of enabled slots only (after the
    // flags, in the same ascending order). The image comes out the same as a
    // full read's: the blocks skipped are of slots the read wipes anyway.
    bool quickRead = false;
    // Where the operation notes its retries and failed commands; the line
    // itself is recorded by the port (MakeTracingPort). May be null.
    SerialTrace* trace = nullptr;
};

}  // namespace wrk7::link
