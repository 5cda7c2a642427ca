#pragma once

#include "removal/RemovalJournal.h"
#include "removal/RemovalUndo.h"

#include <QFuture>

#include <functional>
#include <memory>
#include <optional>

namespace tidewell {

// Undoes a recorded removal off the main thread: its report, or nothing when the journal no
// longer holds it.
using Undoer = std::function<QFuture<std::optional<UndoReport>>(qint64 id)>;

// Undoes the removals of journal on the real file system, each on a worker thread.
Undoer undoerOf(std::shared_ptr<const RemovalJournal> journal);

} // namespace tidewell
