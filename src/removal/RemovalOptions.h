#pragma once

#include <QtGlobal>

#include <functional>

namespace tidewell {

// How one removal call goes about its items. The defaults are the window's: each item goes to
// the Trash, or is removed in place when the Trash refuses it, and every item is tried.
struct RemovalOptions {
    enum class Method {
        trashElseRemove, // the Trash, else removal in place
        trashOnly,     // the Trash; what it refuses stays in place (DeletionReport::trashRefusals)
        removeInPlace, // removal in place, without asking the Trash
    };

    Method method = Method::trashElseRemove;
    // Asked, on the service's thread, before each item; once it answers true, the items still to
    // go are left untouched (DeletionReport::notAttempted).
    std::function<bool()> stopRequested = {};
    // A removal already in the journal whose entry takes these outcomes too (the second round
    // of one removal); 0 begins an entry of its own.
    qint64 journalId = 0;
};

} // namespace tidewell
