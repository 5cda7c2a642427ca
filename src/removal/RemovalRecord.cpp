#include "RemovalRecord.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace tidewell {

namespace {

using Outcome = RemovalRecord::Outcome;

const QString recordKey = QStringLiteral("record");

const QList<std::pair<Outcome, QString>> outcomeNames{
    {Outcome::trashed, QStringLiteral("trashed")},
    {Outcome::removedPermanently, QStringLiteral("removedPermanently")},
    {Outcome::failed, QStringLiteral("failed")},
    {Outcome::gone, QStringLiteral("gone")},
};

QString nameOf(Outcome outcome) {
    for (const auto& [known, name] : outcomeNames) {
        if (known == outcome)
            return name;
    }
    return {};
}

std::optional<Outcome> outcomeNamed(const QString& name) {
    for (const auto& [outcome, known] : outcomeNames) {
        if (known == name)
            return outcome;
    }
    return std::nullopt;
}

QByteArray lineOf(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// One line of a JSON object written field by field: every item of a removal has one, written
// while the removal runs, where building a document for each took longer than the item's move.
class JsonLine {
public:
    JsonLine& add(const char* key, const QString& value) {
        addKey(key);
        m_bytes += '"';
        for (const char c : value.toUtf8()) {
            if (c == '"' || c == '\\')
                m_bytes += '\\';
            if (static_cast<unsigned char>(c) < 0x20)
                m_bytes += "\\u00" + QByteArray::number(int(c), 16).rightJustified(2, '0');
            else
                m_bytes += c;
        }
        m_bytes += '"';
        return *this;
    }
    JsonLine& add(const char* key, qint64 value) {
        addKey(key);
        m_bytes += QByteArray::number(value);
        return *this;
    }
    QByteArray finish() { return m_bytes + "}\n"; }

private:
    void addKey(const char* key) {
        m_bytes += m_bytes.size() > 1 ? ",\"" : "\"";
        m_bytes += key;
        m_bytes += "\":";
    }

    QByteArray m_bytes = "{";
};

std::optional<QJsonObject> objectOf(const QByteArray& line, const QString& kind) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        document.object().value(recordKey).toString() != kind)
        return std::nullopt;
    return document.object();
}

// The removal a header line tells, its items all pending.
std::optional<RemovalRecord> headerOf(const QByteArray& line) {
    const std::optional<QJsonObject> header = objectOf(line, QStringLiteral("removal"));
    if (!header || !header->value(u"id").isDouble() || !header->value(u"items").isArray())
        return std::nullopt;
    RemovalRecord record;
    record.id = header->value(u"id").toInteger();
    record.date = QDateTime::fromString(header->value(u"date").toString(), Qt::ISODateWithMs);
    const QJsonObject app = header->value(u"app").toObject();
    record.subject = {app.value(u"displayName").toString(), app.value(u"appPath").toString(),
                      app.value(u"kind").toString()};
    for (const QJsonValue& value : header->value(u"items").toArray()) {
        const QJsonObject item = value.toObject();
        const QString path = item.value(u"path").toString();
        if (path.isEmpty())
            return std::nullopt;
        record.items.append(
            {path, {item.value(u"bytes").toInteger(), item.value(u"sizeComplete").toBool(true)}});
    }
    if (record.id <= 0 || !record.date.isValid())
        return std::nullopt;
    return record;
}

TrashEntry trashEntryOf(const QJsonObject& line) {
    return {line.value(u"trashFile").toString(), line.value(u"trashInfo").toString(),
            line.value(u"trashedFrom").toString(), line.value(u"deletionDate").toString()};
}

// Applies one outcome or package line to record; false when it is neither, or names an item
// the removal did not hold.
bool apply(const QByteArray& line, RemovalRecord& record,
           const QMultiHash<QString, qsizetype>& itemsByPath) {
    if (const std::optional<QJsonObject> run = objectOf(line, QStringLiteral("package"))) {
        if (!run->value(u"exitCode").isDouble())
            return false;
        record.packageRuns.append(
            {run->value(u"command").toString(), run->value(u"exitCode").toInt()});
        return true;
    }
    const std::optional<QJsonObject> item = objectOf(line, QStringLiteral("item"));
    if (!item)
        return false;
    const std::optional<Outcome> outcome = outcomeNamed(item->value(u"outcome").toString());
    const QList<qsizetype> indexes = itemsByPath.values(item->value(u"path").toString());
    const TrashEntry trashEntry = trashEntryOf(*item);
    if (!outcome || indexes.isEmpty() || (*outcome == Outcome::trashed && trashEntry.isEmpty()))
        return false;
    for (const qsizetype index : indexes) {
        RemovalRecord::Item& known = record.items[index];
        known.outcome = *outcome;
        known.trashEntry = trashEntry;
        known.reason = item->value(u"reason").toString();
    }
    return true;
}

} // namespace

qsizetype RemovalRecord::count(Outcome outcome) const {
    return std::count_if(items.cbegin(), items.cend(),
                         [outcome](const Item& item) { return item.outcome == outcome; });
}

MeasuredSize RemovalRecord::removedSize() const {
    MeasuredSize size;
    for (const Item& item : items) {
        if (item.outcome == Outcome::trashed || item.outcome == Outcome::removedPermanently)
            size += item.size;
    }
    return size;
}

QByteArray RemovalRecord::headerLine() const {
    QJsonArray planned;
    for (const Item& item : items)
        planned.append(QJsonObject{{QStringLiteral("path"), item.path},
                                   {QStringLiteral("bytes"), item.size.bytes},
                                   {QStringLiteral("sizeComplete"), item.size.complete}});
    return lineOf(
        {{recordKey, QStringLiteral("removal")},
         {QStringLiteral("id"), id},
         {QStringLiteral("date"), date.toUTC().toString(Qt::ISODateWithMs)},
         {QStringLiteral("app"), QJsonObject{{QStringLiteral("displayName"), subject.displayName},
                                             {QStringLiteral("appPath"), subject.appPath},
                                             {QStringLiteral("kind"), subject.kind}}},
         {QStringLiteral("items"), planned}});
}

QByteArray RemovalRecord::outcomeLine(const Item& item) {
    JsonLine line;
    line.add("record", QStringLiteral("item"))
        .add("path", item.path)
        .add("outcome", nameOf(item.outcome));
    if (item.outcome == Outcome::trashed)
        line.add("trashFile", item.trashEntry.filesPath)
            .add("trashInfo", item.trashEntry.infoPath)
            .add("trashedFrom", item.trashEntry.originalPath)
            .add("deletionDate", item.trashEntry.deletionDate);
    if (item.outcome == Outcome::failed)
        line.add("reason", item.reason);
    return line.finish();
}

QByteArray RemovalRecord::packageRunLine(const PackageRun& run) {
    return JsonLine()
        .add("record", QStringLiteral("package"))
        .add("command", run.command)
        .add("exitCode", run.exitCode)
        .finish();
}

std::optional<RemovalRecord> RemovalRecord::parse(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    lines.removeAll(QByteArray());
    std::optional<RemovalRecord> record = lines.isEmpty() ? std::nullopt : headerOf(lines.first());
    if (!record)
        return std::nullopt;
    QMultiHash<QString, qsizetype> itemsByPath;
    for (qsizetype index = 0; index < record->items.size(); ++index)
        itemsByPath.insert(record->items[index].path, index);
    for (qsizetype index = 1; index < lines.size(); ++index) {
        if (!apply(lines[index], *record, itemsByPath)) {
            record->unreadLines = lines.size() - index;
            break;
        }
    }
    return record;
}

} // namespace tidewell
