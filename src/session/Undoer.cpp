#include "Undoer.h"

#include "platform/FileSystem.h"

#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

Undoer undoerOf(std::shared_ptr<const RemovalJournal> journal) {
    return [journal = std::move(journal)](qint64 id) {
        return QtConcurrent::run(
            [journal, id] { return RemovalUndo::undo(*journal, id, FileSystem::real()); });
    };
}

} // namespace tidewell
