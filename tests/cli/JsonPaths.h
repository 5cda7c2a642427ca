#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

// The paths under key in the CLI's JSON output, sorted: items given as objects by their "path",
// others as strings.
inline QStringList jsonPaths(const QByteArray& json, const char* key) {
    QStringList paths;
    for (const QJsonValue& item : QJsonDocument::fromJson(json)[key].toArray())
        paths.append(item.isObject() ? item["path"].toString() : item.toString());
    paths.sort();
    return paths;
}

// The paths of the scan's matches that start selected (selected true) or are only offered,
// sorted.
inline QStringList matchPaths(const QByteArray& json, bool selected) {
    QStringList paths;
    for (const QJsonValue& item : QJsonDocument::fromJson(json)["matches"].toArray()) {
        if (item["selected"].toBool() == selected)
            paths.append(item["path"].toString());
    }
    paths.sort();
    return paths;
}
