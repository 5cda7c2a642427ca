#include "AppStreamCatalog.h"

#include "GzipReading.h"
#include "SmallFileReading.h"

#include <QDir>

namespace tidewell::appstream {

namespace {

// Debian's main archive unpacks to some tens of megabytes.
constexpr qint64 maximumCatalogSize = 512 << 20;
constexpr qint64 maximumCompressedSize = 128 << 20;

QString unquoted(QByteArrayView value) {
    const QByteArrayView trimmed = value.trimmed();
    const bool quoted = trimmed.size() >= 2 &&
                        (trimmed.front() == '\'' || trimmed.front() == '"') &&
                        trimmed.back() == trimmed.front();
    return QString::fromUtf8(quoted ? trimmed.sliced(1, trimmed.size() - 2) : trimmed);
}

qsizetype indentationOf(QByteArrayView line) {
    qsizetype spaces = 0;
    while (spaces < line.size() && line[spaces] == ' ')
        ++spaces;
    return spaces;
}

// Reads one document's lines into an entry, keeping track of the keys the lines sit under.
class DocumentReader {
public:
    void read(QByteArrayView line) {
        const qsizetype indentation = indentationOf(line);
        const QByteArrayView content = line.sliced(indentation);
        if (content.startsWith("- ")) {
            addListItem(unquoted(content.sliced(2)));
            return;
        }
        const qsizetype colon = content.indexOf(':');
        if (colon <= 0)
            return;
        const QByteArrayView key = content.first(colon);
        const QByteArrayView value = content.sliced(colon + 1);
        if (indentation == 0) {
            m_topKey = key.toByteArray();
            m_subKey.clear();
            addTopValue(key, unquoted(value));
        } else {
            m_subKey = key.toByteArray();
            addSubValue(unquoted(value));
        }
    }

    CatalogEntry take() {
        CatalogEntry entry = std::exchange(m_entry, {});
        m_topKey.clear();
        m_subKey.clear();
        return entry;
    }

private:
    void addTopValue(QByteArrayView key, const QString& value) {
        if (key == "ID")
            m_entry.id = value;
        else if (key == "Package")
            m_entry.package = value;
    }
    void addSubValue(const QString& value) {
        if (m_topKey == "Name" && m_subKey == "C")
            m_entry.name = value;
        else if (m_topKey == "Icon" && m_subKey == "stock")
            m_entry.icon = value;
    }
    void addListItem(QString value) {
        if (m_topKey == "Launchable" && m_subKey == "desktop-id") {
            if (value.endsWith(QStringLiteral(".desktop")))
                value.chop(8);
            m_entry.desktopIds.append(value);
        } else if (m_topKey == "Provides" && m_subKey == "binaries") {
            m_entry.binaries.append(value);
        }
    }

    CatalogEntry m_entry;
    QByteArray m_topKey;
    QByteArray m_subKey;
};

QStringList catalogFiles(const Host& host) {
    QStringList files;
    for (const QString& folder :
         {QStringLiteral("/var/lib/swcatalog/yaml"), QStringLiteral("/var/lib/app-info/yaml")}) {
        const QDir dir(host.systemPath(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.yml.gz")}, QDir::Files))
            files.append(dir.filePath(name));
    }
    return files;
}

} // namespace

QList<CatalogEntry> parseCatalog(const QByteArray& yaml, const QSet<QString>& packages) {
    QList<CatalogEntry> entries;
    DocumentReader reader;
    const auto finishDocument = [&] {
        CatalogEntry entry = reader.take();
        if (!entry.id.isEmpty() && packages.contains(entry.package))
            entries.append(entry);
    };
    qsizetype start = 0;
    while (start < yaml.size()) {
        qsizetype end = yaml.indexOf('\n', start);
        if (end < 0)
            end = yaml.size();
        QByteArrayView line = QByteArrayView(yaml).sliced(start, end - start);
        if (line.endsWith('\r'))
            line = line.chopped(1);
        if (line.startsWith("---"))
            finishDocument();
        else if (!line.trimmed().isEmpty())
            reader.read(line);
        start = end + 1;
    }
    finishDocument();
    return entries;
}

QList<CatalogEntry> readCatalogEntries(const Host& host, const QSet<QString>& packages) {
    QList<CatalogEntry> entries;
    if (packages.isEmpty())
        return entries;
    for (const QString& file : catalogFiles(host)) {
        const auto compressed = readSmallFile(file, maximumCompressedSize);
        const auto yaml = compressed ? gunzip(*compressed, maximumCatalogSize) : std::nullopt;
        if (yaml)
            entries.append(parseCatalog(*yaml, packages));
    }
    return entries;
}

} // namespace tidewell::appstream
