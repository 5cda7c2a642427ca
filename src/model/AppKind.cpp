#include "AppKind.h"

#include <QCoreApplication>

#include <array>

namespace tidewell {

namespace {

const std::array<AppKindTraits, 5>& traitsTable() {
    static const std::array<AppKindTraits, 5> table{{
        {QStringLiteral("bundle"),
         QStringLiteral(".app"),
         Qt::CaseInsensitive,
         true,
         {},
         QT_TRANSLATE_NOOP("AppKind", "App bundle")},
        {QStringLiteral("desktop"),
         QStringLiteral(".desktop"),
         Qt::CaseSensitive,
         false,
         {QStringLiteral("sudo"), QStringLiteral("apt"), QStringLiteral("remove")},
         QT_TRANSLATE_NOOP("AppKind", "Application")},
        {QStringLiteral("flatpak"),
         {},
         Qt::CaseSensitive,
         false,
         {QStringLiteral("flatpak"), QStringLiteral("uninstall")},
         QT_TRANSLATE_NOOP("AppKind", "Flatpak")},
        {QStringLiteral("snap"),
         {},
         Qt::CaseSensitive,
         false,
         {QStringLiteral("snap"), QStringLiteral("remove")},
         QT_TRANSLATE_NOOP("AppKind", "Snap")},
        {QStringLiteral("appimage"),
         QStringLiteral(".AppImage"),
         Qt::CaseInsensitive,
         true,
         {},
         QT_TRANSLATE_NOOP("AppKind", "AppImage")},
    }};
    return table;
}

} // namespace

const AppKindTraits& traitsOf(AppKind kind) {
    return traitsTable().at(std::size_t(kind));
}

QString kindName(AppKind kind) {
    return traitsOf(kind).name;
}

QString displayName(AppKind kind) {
    return QCoreApplication::translate("AppKind", traitsOf(kind).shownName);
}

bool appGoesWithLeftovers(AppKind kind) {
    return traitsOf(kind).appGoesWithLeftovers;
}

std::optional<AppKind> appKindOfFileName(QStringView path) {
    while (path.endsWith(u'/'))
        path.chop(1);
    for (const AppKind kind : {AppKind::bundle, AppKind::desktopEntry, AppKind::flatpak,
                               AppKind::snap, AppKind::appImage}) {
        const AppKindTraits& traits = traitsOf(kind);
        const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
        // A name that is only the suffix (".app") is a hidden file, not an app.
        if (!traits.fileSuffix.isEmpty() && path.size() - nameStart > traits.fileSuffix.size() &&
            path.endsWith(traits.fileSuffix, traits.suffixCase))
            return kind;
    }
    return std::nullopt;
}

} // namespace tidewell
