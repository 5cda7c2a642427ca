#include "PackageExtensions.h"

#include <array>

namespace tidewell {

namespace {

constexpr std::array<QStringView, 14> packageExtensions = {
    u"action", u"app",      u"appex",       u"bundle", u"framework", u"kext",     u"mdimporter",
    u"plugin", u"prefpane", u"qlgenerator", u"saver",  u"service",   u"workflow", u"xpc",
};

bool matchesPackageExtension(QStringView extension, Qt::CaseSensitivity sensitivity) {
    for (QStringView known : packageExtensions) {
        if (extension.compare(known, sensitivity) == 0)
            return true;
    }
    return false;
}

} // namespace

bool isPackageExtension(const QString& lowerCaseExtension) {
    return matchesPackageExtension(lowerCaseExtension, Qt::CaseSensitive);
}

bool isPackageName(QStringView name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return false;
    return matchesPackageExtension(name.sliced(dot + 1), Qt::CaseInsensitive);
}

} // namespace tidewell
