#include "LinuxHomeFolders.h"

#include "model/PathRules.h"
#include "platform/XdgUserDirs.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace tidewell {

namespace {

QString text(const char* english) {
    return QCoreApplication::translate("LinuxHomeFolders", english);
}

// Why a variable's value cannot be taken as a base folder, or nothing when it can.
std::optional<QString> objection(const QString& value, const QString& home,
                                 const QStringList& userFolders) {
    if (!QDir::isAbsolutePath(value))
        return text(QT_TRANSLATE_NOOP("LinuxHomeFolders", "it is not an absolute path"));
    const QString folder = QDir::cleanPath(value);
    if (folder == home || pathrules::liesInside(home, folder))
        return text(QT_TRANSLATE_NOOP("LinuxHomeFolders",
                                      "it is the home folder or a folder that holds it"));
    if (userFolders.contains(folder))
        return text(QT_TRANSLATE_NOOP("LinuxHomeFolders",
                                      "it is one of your own folders, not a settings folder"));
    return std::nullopt;
}

class Resolver {
public:
    Resolver(const QString& home, const std::function<QString(const char*)>& variable,
             const QStringList& userFolders)
        : m_home(home), m_variable(variable), m_userFolders(userFolders) {}

    QString folder(const char* name, const QString& fallback) {
        const QString value = m_variable(name);
        if (value.isEmpty())
            return fallback;
        if (const auto reason = objection(value, m_home, m_userFolders)) {
            m_warnings.append(
                text(QT_TRANSLATE_NOOP("LinuxHomeFolders", "Ignoring %1=%2: %3; using %4 instead."))
                    .arg(QLatin1String(name), value, *reason, fallback));
            return fallback;
        }
        return QDir::cleanPath(value);
    }
    QStringList warnings() const { return m_warnings; }

private:
    QString m_home;
    const std::function<QString(const char*)>& m_variable;
    const QStringList& m_userFolders;
    QStringList m_warnings;
};

} // namespace

LinuxHomeFolders LinuxHomeFolders::resolve(const QString& home,
                                           const std::function<QString(const char*)>& variable,
                                           const QStringList& userFolders) {
    const QString base = QDir::cleanPath(home);
    Resolver resolver(base, variable, userFolders);
    LinuxHomeFolders folders{
        base, resolver.folder("XDG_CONFIG_HOME", base + QStringLiteral("/.config")),
        resolver.folder("XDG_DATA_HOME", base + QStringLiteral("/.local/share")),
        resolver.folder("XDG_CACHE_HOME", base + QStringLiteral("/.cache")),
        resolver.folder("XDG_STATE_HOME", base + QStringLiteral("/.local/state"))};
    folders.warnings = resolver.warnings();
    return folders;
}

LinuxHomeFolders LinuxHomeFolders::fromProcess(const QString& home) {
    const auto variable = [](const char* name) { return qEnvironmentVariable(name); };
    // The standard folders are named in the settings folder, which must be known first.
    const QString config = resolve(home, variable).config;
    return resolve(home, variable, xdguserdirs::standardFolders(config, QDir::cleanPath(home)));
}

} // namespace tidewell
