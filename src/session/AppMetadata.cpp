#include "AppMetadata.h"

#include <optional>

namespace tidewell::AppMetadata {

namespace {

std::optional<QString> stringValue(const QVariantMap& info, const QString& key) {
    const auto it = info.constFind(key);
    if (it == info.cend() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

std::optional<QString> nonEmptyStringValue(const QVariantMap& info, const QString& key) {
    auto value = stringValue(info, key);
    return value && !value->isEmpty() ? value : std::nullopt;
}

void insertIfGiven(QVariantMap& info, const QString& key, const char* value) {
    if (value[0] != '\0')
        info.insert(key, QString::fromUtf8(value));
}

} // namespace

QVariantMap bundleInfo() {
    QVariantMap info;
#ifdef TIDEWELL_PRODUCT_NAME
    insertIfGiven(info, QStringLiteral("CFBundleName"), TIDEWELL_PRODUCT_NAME);
#endif
#ifdef TIDEWELL_VERSION
    insertIfGiven(info, QStringLiteral("CFBundleShortVersionString"), TIDEWELL_VERSION);
#endif
#ifdef TIDEWELL_BUILD_NUMBER
    insertIfGiven(info, QStringLiteral("CFBundleVersion"), TIDEWELL_BUILD_NUMBER);
#endif
    return info;
}

QString displayName(const QVariantMap& info) {
    if (auto name = nonEmptyStringValue(info, QStringLiteral("CFBundleDisplayName")))
        return *name;
    return nonEmptyStringValue(info, QStringLiteral("CFBundleName"))
        .value_or(QStringLiteral("Tidewell"));
}

QString versionString(const QVariantMap& info) {
    return stringValue(info, QStringLiteral("CFBundleShortVersionString"))
        .value_or(QStringLiteral("1.0"));
}

QString buildString(const QVariantMap& info) {
    return stringValue(info, QStringLiteral("CFBundleVersion")).value_or(QStringLiteral("1"));
}

QString displayName() {
    return displayName(bundleInfo());
}

QString versionString() {
    return versionString(bundleInfo());
}

QString buildString() {
    return buildString(bundleInfo());
}

} // namespace tidewell::AppMetadata
