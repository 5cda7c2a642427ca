#pragma once

#include "RemovalRecord.h"
#include "platform/Descriptor.h"

namespace tidewell {

// One removal's entry in the journal, open for the records that follow its header. Each record
// is appended whole under the journal's lock, so that two processes never interleave theirs,
// and handed to the system at once: a crash or a kill of the process leaves every outcome
// recorded until then. Records are not synced to the disk one by one, as the Trash's own are
// not: that would cost more than the removal itself, and what is lost only with the system
// itself is lost from the Trash too. Used from one thread at a time.
class JournalEntry {
public:
    qint64 id() const { return m_id; }
    // Each returns 0, or the errno of the failed write.
    int record(const RemovalRecord::Item& outcome);
    int record(const RemovalRecord::PackageRun& run);

private:
    friend class RemovalJournal;
    // Takes over both descriptors: the entry opened to append, and the journal's lock file.
    JournalEntry(qint64 id, Descriptor file, Descriptor lock);

    int append(const QByteArray& line);

    qint64 m_id;
    Descriptor m_file;
    Descriptor m_lock;
};

} // namespace tidewell
