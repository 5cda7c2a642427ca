#include "AppStreamMetadata.h"

#include "SmallFileReading.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace tidewell::appstream {

namespace {

const QString desktopSuffix = QStringLiteral(".desktop");

// The metainfo files to read for an entry: those named for it first, then every other one.
QStringList documentsFor(const QString& dataFolder, const QString& entryName) {
    const QString id = entryName.chopped(desktopSuffix.size());
    QStringList named;
    QStringList others;
    for (const QString& folderName : {QStringLiteral("metainfo"), QStringLiteral("appdata")}) {
        const QDir folder(dataFolder + u'/' + folderName);
        for (const QString& name : folder.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
            const bool isNamed = name == id + QStringLiteral(".metainfo.xml") ||
                                 name == id + QStringLiteral(".appdata.xml");
            (isNamed ? named : others).append(folder.filePath(name));
        }
    }
    return named + others;
}

} // namespace

std::optional<Component> parseComponent(const QByteArray& document) {
    QXmlStreamReader xml(document);
    if (!xml.readNextStartElement() || xml.name() != u"component")
        return std::nullopt;
    Component component;
    // Only the component's own children: a <provides> or <releases> block holds ids of others.
    while (xml.readNextStartElement()) {
        if (xml.name() == u"id")
            component.id = xml.readElementText().trimmed();
        else if (xml.name() == u"launchable" &&
                 xml.attributes().value(QStringLiteral("type")) == u"desktop-id")
            component.launchedEntries.append(xml.readElementText().trimmed());
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError() || component.id.isEmpty())
        return std::nullopt;
    if (component.id.endsWith(desktopSuffix)) {
        component.launchedEntries.append(component.id);
        component.id.chop(desktopSuffix.size());
    }
    return component;
}

QString componentIdFor(const QString& entryPath) {
    const QFileInfo entry(entryPath);
    if (entry.dir().dirName() != u"applications" || !entry.fileName().endsWith(desktopSuffix))
        return {};
    for (const QString& path : documentsFor(QFileInfo(entry.path()).path(), entry.fileName())) {
        const std::optional<Component> component =
            parseComponent(readSmallFile(path, maximumSettingsFileSize).value_or(QByteArray()));
        if (component && component->launchedEntries.contains(entry.fileName()))
            return component->id;
    }
    return {};
}

QHash<QString, QString> componentIdsIn(const QString& dataFolder) {
    QHash<QString, QString> ids;
    for (const QString& path : documentsFor(dataFolder, QString())) {
        const std::optional<Component> component =
            parseComponent(readSmallFile(path, maximumSettingsFileSize).value_or(QByteArray()));
        if (!component)
            continue;
        // A file named for the entry it launches speaks for it before any other.
        const QString fileName = QFileInfo(path).fileName();
        for (const QString& launched : component->launchedEntries) {
            const QString id = launched.endsWith(desktopSuffix)
                                   ? launched.chopped(desktopSuffix.size())
                                   : launched;
            if (fileName.startsWith(id + u'.') || !ids.contains(launched))
                ids.insert(launched, component->id);
        }
    }
    return ids;
}

} // namespace tidewell::appstream
