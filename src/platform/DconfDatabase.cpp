#include "DconfDatabase.h"

#include "ToolRun.h"

#include <QSet>
#include <QTemporaryDir>

namespace tidewell::dconf {

namespace {

constexpr int dconfTimeoutMs = 5000;
constexpr qint64 maximumDumpSize = 16 << 20;
constexpr qsizetype minimumLabels = 3;

} // namespace

QStringList foldersInDump(const QByteArray& dump) {
    // Keyfile groups: "[org/gnome/gedit/state]" for the folder /org/gnome/gedit/state/.
    QStringList folders;
    for (const QString& line : QString::fromUtf8(dump).split(u'\n')) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            folders.append(u'/' + line.mid(1, line.size() - 2) + u'/');
    }
    return folders;
}

QStringList foldersWithKeys() {
    // Without a runtime folder dconf keeps its shared memory file in the cache folder: a
    // throw-away one, so that reading a home writes nothing into it.
    const QTemporaryDir cache;
    if (!cache.isValid())
        return {};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    const std::optional<QByteArray> dump =
        outputOf({.program = QStringLiteral("dconf"),
                  .arguments = {QStringLiteral("dump"), QStringLiteral("/")},
                  .maximumOutput = maximumDumpSize,
                  .timeoutMs = dconfTimeoutMs,
                  .environment = environment});
    return dump ? foldersInDump(*dump) : QStringList();
}

QString folderNamedBy(const QString& id) {
    const QStringList labels = id.split(u'.');
    if (labels.size() < minimumLabels || labels.contains(QString()))
        return {};
    return u'/' + labels.join(u'/') + u'/';
}

QStringList foldersNamedBy(const QStringList& folders, const QStringList& ids) {
    QStringList named;
    for (const QString& id : ids) {
        const QString prefix = folderNamedBy(id);
        if (prefix.isEmpty())
            continue;
        for (const QString& folder : folders) {
            if (folder.startsWith(prefix, Qt::CaseInsensitive)) {
                named.append(folder.left(prefix.size()));
                break;
            }
        }
    }
    named.removeDuplicates();
    return named;
}

} // namespace tidewell::dconf
