#include "FolderEntry.h"

#include <QDir>

namespace tidewell {

QList<FolderEntry> FolderEntry::listed(const QString& folder) {
    QList<FolderEntry> entries;
    const QFileInfoList infos = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : infos)
        entries.append({info.absoluteFilePath(), info.fileName(), !info.isDir(), info.isSymLink()});
    return entries;
}

} // namespace tidewell
