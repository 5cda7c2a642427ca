#include "DconfDatabase.h"

#include <QSet>

namespace tidewell::dconf {

namespace {

constexpr qint64 maximumDumpSize = 1 << 24;
constexpr qsizetype minimumLabels = 3;

} // namespace

QStringList foldersWithKeys(const ProgramRunner& programs) {
    const auto dump = programs.outputOf(
        {QStringLiteral("dconf"), {QStringLiteral("dump"), QStringLiteral("/")}, maximumDumpSize});
    if (!dump)
        return {};
    // Keyfile groups: "[org/gnome/gedit/state]" for the folder /org/gnome/gedit/state/.
    QStringList folders;
    for (const QString& line : QString::fromUtf8(*dump).split(u'\n')) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            folders.append(u'/' + line.mid(1, line.size() - 2) + u'/');
    }
    return folders;
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
