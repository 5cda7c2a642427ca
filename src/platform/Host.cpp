#include "Host.h"

#include "XdgUserDirs.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace tidewell {

namespace {

QString text(const char* english) {
    return QCoreApplication::translate("XdgFolders", english);
}

// Whether folder is path or holds it; both clean and absolute.
bool holds(const QString& folder, const QString& path) {
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

// Why a variable's value cannot be taken as a base folder, or nothing when it can.
std::optional<QString> objection(const QString& value, const QString& home,
                                 const QStringList& userFolders) {
    if (!QDir::isAbsolutePath(value))
        return text(QT_TRANSLATE_NOOP("XdgFolders", "it is not an absolute path"));
    const QString folder = QDir::cleanPath(value);
    if (holds(folder, home))
        return text(
            QT_TRANSLATE_NOOP("XdgFolders", "it is the home folder or a folder that holds it"));
    if (userFolders.contains(folder))
        return text(QT_TRANSLATE_NOOP("XdgFolders",
                                      "it is one of your own folders, not a settings folder"));
    return std::nullopt;
}

class Resolver {
public:
    Resolver(const QString& home, const Host::Variables& variable, const QStringList& userFolders)
        : m_home(home), m_variable(variable), m_userFolders(userFolders) {}

    QString folder(const char* name, const QString& fallback) {
        const QString value = m_variable(name);
        if (value.isEmpty())
            return fallback;
        if (const auto reason = objection(value, m_home, m_userFolders)) {
            m_warnings.append(
                text(QT_TRANSLATE_NOOP("XdgFolders", "Ignoring %1=%2: %3; using %4 instead."))
                    .arg(QLatin1String(name), value, *reason, fallback));
            return fallback;
        }
        return QDir::cleanPath(value);
    }
    QStringList warnings() const { return m_warnings; }

private:
    QString m_home;
    const Host::Variables& m_variable;
    const QStringList& m_userFolders;
    QStringList m_warnings;
};

// The folder an absolute path names under root, cleaned: no trailing or doubled slash.
QString underRoot(const QString& root, const QString& path) {
    return QDir::cleanPath(root + u'/' + path);
}

// The absolute entries of a list of folders separated by colons, each under root, duplicates
// left out.
QStringList absoluteFolders(const QString& list, const QString& root) {
    QStringList folders;
    for (const QString& entry : list.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(entry))
            folders.append(underRoot(root, entry));
    }
    folders.removeDuplicates();
    return folders;
}

// "/" stands for the real root, which a host spells "".
QString cleanRoot(const QString& root) {
    const QString cleaned = root.isEmpty() ? QString() : QDir::cleanPath(root);
    return cleaned == u"/" ? QString() : cleaned;
}

} // namespace

Host Host::resolve(const QString& home, const QString& root, const Variables& variable,
                   const QStringList& userFolders) {
    const QString base = QDir::cleanPath(home);
    const QString systemRoot = cleanRoot(root);
    Resolver resolver(base, variable, userFolders);
    QString dataFolders = variable("XDG_DATA_DIRS");
    if (dataFolders.isEmpty())
        dataFolders = QStringLiteral("/usr/local/share:/usr/share");
    Host host{base,
              systemRoot,
              resolver.folder("XDG_CONFIG_HOME", base + QStringLiteral("/.config")),
              resolver.folder("XDG_DATA_HOME", base + QStringLiteral("/.local/share")),
              resolver.folder("XDG_CACHE_HOME", base + QStringLiteral("/.cache")),
              resolver.folder("XDG_STATE_HOME", base + QStringLiteral("/.local/state")),
              absoluteFolders(dataFolders, systemRoot),
              absoluteFolders(variable("PATH"), QString())};
    host.warnings = resolver.warnings();
    return host;
}

Host Host::describe(const QString& home, const QString& root, const Variables& variable) {
    // The standard folders are named in the settings folder, which must be known first.
    const QString config = resolve(home, root, variable).config;
    return resolve(home, root, variable,
                   xdguserdirs::standardFolders(config, QDir::cleanPath(home)));
}

Host Host::withRoot(const QString& otherRoot) const {
    Host host = *this;
    host.root = cleanRoot(otherRoot);
    for (QString& folder : host.dataFolders)
        folder = underRoot(host.root, folder.sliced(root.size()));
    return host;
}

Host Host::forAccount(const QString& otherHome) const {
    Host host = describe(otherHome, root, [](const char*) { return QString(); });
    host.dataFolders = dataFolders;
    host.programPath = programPath;
    return host;
}

Host Host::withDefaults(const QString& home, const QString& root) {
    return resolve(home, root, [](const char*) { return QString(); });
}

QStringList Host::applicationFolders() const {
    QStringList folders;
    for (const QString& folder : QStringList{data} + dataFolders)
        folders.append(QDir(folder).filePath(QStringLiteral("applications")));
    // Flatpak's and snapd's exports hold installed apps whatever the session's data folders
    // say: a shell, cron or ssh session without their profile scripts names none of them.
    for (const QString& exports :
         {data + QStringLiteral("/flatpak/exports/share/applications"),
          systemPath(QStringLiteral("/var/lib/flatpak/exports/share/applications")),
          systemPath(QStringLiteral("/var/lib/snapd/desktop/applications"))}) {
        if (!folders.contains(exports))
            folders.append(exports);
    }
    return folders;
}

} // namespace tidewell
