#include "PropertyListReading.h"

#include "PropertyListPrecheck.h"
#include "SmallFileReading.h"

#include <QDateTime>
#include <QVariantList>

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace tidewell::propertylist {

namespace {

struct PlistDeleter {
    void operator()(void* node) const { plist_free(node); }
};
using PlistPointer = std::unique_ptr<void, PlistDeleter>;

QVariant toVariant(plist_t node);

QVariantMap toMap(plist_t dictionary) {
    QVariantMap map;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(dictionary, &iterator);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dictionary, iterator, &key, &value);
        if (!value) {
            std::free(key);
            break;
        }
        map.insert(QString::fromUtf8(key), toVariant(value));
        std::free(key);
    }
    std::free(iterator);
    return map;
}

QVariantList toList(plist_t array) {
    QVariantList list;
    const uint32_t count = plist_array_get_size(array);
    list.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
        list.append(toVariant(plist_array_get_item(array, i)));
    return list;
}

QDateTime toDateTime(plist_t node) {
    // Property list dates count from the start of 2001, UTC.
    int32_t seconds = 0;
    int32_t microseconds = 0;
    plist_get_date_val(node, &seconds, &microseconds);
    static const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    return epoch.addSecs(seconds).addMSecs(microseconds / 1000);
}

QVariant toVariant(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return bool(value);
    }
    case PLIST_UINT: {
        // Negative integers are stored as their two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return static_cast<qint64>(value);
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return QString::fromUtf8(text, static_cast<qsizetype>(length));
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return QByteArray(bytes, static_cast<qsizetype>(length));
    }
    case PLIST_DATE:
        return toDateTime(node);
    case PLIST_ARRAY:
        return toList(node);
    case PLIST_DICT:
        return toMap(node);
    default:
        return {};
    }
}

} // namespace

std::optional<QVariantMap> parseDictionary(const QByteArray& data) {
    if (data.isEmpty() || data.size() > maximumFileSize || !isSafeToParse(data))
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(data.constData(), static_cast<uint32_t>(data.size()), &root);
    const PlistPointer owner(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return std::nullopt;
    return toMap(root);
}

std::optional<QVariantMap> readDictionary(const QString& path) {
    const std::optional<QByteArray> data = readSmallFile(path, maximumFileSize);
    if (!data)
        return std::nullopt;
    return parseDictionary(*data);
}

} // namespace tidewell::propertylist
