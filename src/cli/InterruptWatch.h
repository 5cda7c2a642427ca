#pragma once

#include <QString>

#include <optional>

namespace tidewell {

// SIGINT and SIGTERM turned into a request to stop while an instance lives: the handler only
// sets a flag and wakes a pipe, the work asks raised() between its steps, and the handling that
// was there before comes back when the instance goes. One instance at a time.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // Whether a signal came since the watch began; any thread may ask.
    static bool raised();
    // A line typed on stdin, without its end; nothing when stdin ended, or when a signal came
    // first while a watch is on.
    static std::optional<QString> readLine();
};

} // namespace tidewell
