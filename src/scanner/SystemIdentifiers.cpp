#include "SystemIdentifiers.h"

#include "model/TextRules.h"

#include <QSet>
#include <QStringList>

namespace tidewell::systemapps {

namespace {

// Reverse-DNS prefixes of the system's identifiers, in lower case, each followed by a dot or
// the end of the identifier.
const QStringList& systemPrefixes() {
    static const QStringList prefixes{
        QStringLiteral("com.apple"),
        QStringLiteral("group.com.apple"),
        QStringLiteral("systemgroup.com.apple"),
    };
    return prefixes;
}

// Folders the system and its own apps keep in the user's Application Support, Caches and Logs
// under plain names, in compact form.
const QSet<QString>& systemFolderNames() {
    static const QSet<QString> names{
        QStringLiteral("addressbook"),    QStringLiteral("animoji"),
        QStringLiteral("appstore"),       QStringLiteral("apple"),
        QStringLiteral("books"),          QStringLiteral("calendar"),
        QStringLiteral("callhistorydb"),  QStringLiteral("callhistorytransactions"),
        QStringLiteral("clouddocs"),      QStringLiteral("contacts"),
        QStringLiteral("crashreporter"),  QStringLiteral("diagnosticreports"),
        QStringLiteral("diskimages"),     QStringLiteral("dock"),
        QStringLiteral("facetime"),       QStringLiteral("fileprovider"),
        QStringLiteral("finder"),         QStringLiteral("icloud"),
        QStringLiteral("installer"),      QStringLiteral("knowledge"),
        QStringLiteral("mail"),           QStringLiteral("maps"),
        QStringLiteral("messages"),       QStringLiteral("mobilesync"),
        QStringLiteral("music"),          QStringLiteral("news"),
        QStringLiteral("notes"),          QStringLiteral("photos"),
        QStringLiteral("podcasts"),       QStringLiteral("preview"),
        QStringLiteral("quicklook"),      QStringLiteral("reminders"),
        QStringLiteral("safari"),         QStringLiteral("siri"),
        QStringLiteral("softwareupdate"), QStringLiteral("stocks"),
        QStringLiteral("syncservices"),   QStringLiteral("terminal"),
        QStringLiteral("textedit"),       QStringLiteral("tv"),
        QStringLiteral("weather"),
    };
    return names;
}

} // namespace

bool isSystemIdentifier(const QString& identifier) {
    const QString lowered = text::lowercased(identifier);
    for (const QString& prefix : systemPrefixes()) {
        if (lowered == prefix || lowered.startsWith(prefix + u'.'))
            return true;
    }
    return false;
}

bool isSystemFolderName(const QString& name) {
    return systemFolderNames().contains(text::compactForm(name));
}

} // namespace tidewell::systemapps
