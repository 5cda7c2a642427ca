#pragma once

#include <QtGlobal>

namespace tidewell {

// What a measurement of an item found: the bytes counted, and whether that is all of it.
struct MeasuredSize {
    qint64 bytes = 0;
    bool complete = true; // false when some of the item could not be read

    // The size of both together: whole only when both are.
    MeasuredSize& operator+=(const MeasuredSize& other) {
        bytes += other.bytes;
        complete = complete && other.complete;
        return *this;
    }

    friend bool operator==(const MeasuredSize&, const MeasuredSize&) = default;
};

} // namespace tidewell
