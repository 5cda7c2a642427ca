#include "PropertyListPrecheck.h"

#include <QByteArrayView>

#include <cstdint>
#include <utility>
#include <vector>

namespace tidewell::propertylist {

namespace {

// The parts of a binary list's trailer that locate its objects.
struct BinaryLayout {
    QByteArrayView data;
    int offsetSize = 0;
    int referenceSize = 0;
    uint64_t objectCount = 0;
    uint64_t topObject = 0;
    uint64_t offsetTable = 0;
};

constexpr qsizetype binaryHeaderSize = 8;
constexpr qsizetype binaryTrailerSize = 32;

uint64_t bigEndian(QByteArrayView bytes) {
    uint64_t value = 0;
    for (const char byte : bytes)
        value = (value << 8) | static_cast<uint8_t>(byte);
    return value;
}

bool readLayout(QByteArrayView data, BinaryLayout& layout) {
    if (data.size() < binaryHeaderSize + binaryTrailerSize)
        return false;
    const QByteArrayView trailer = data.last(binaryTrailerSize);
    layout = {data,
              static_cast<uint8_t>(trailer[6]),
              static_cast<uint8_t>(trailer[7]),
              bigEndian(trailer.sliced(8, 8)),
              bigEndian(trailer.sliced(16, 8)),
              bigEndian(trailer.sliced(24, 8))};
    const auto tableEnd = uint64_t(data.size() - binaryTrailerSize);
    return layout.offsetSize >= 1 && layout.offsetSize <= 8 && layout.referenceSize >= 1 &&
           layout.referenceSize <= 8 && layout.topObject < layout.objectCount &&
           layout.offsetTable <= tableEnd &&
           layout.objectCount <= (tableEnd - layout.offsetTable) / uint64_t(layout.offsetSize);
}

// Where object index starts, when that is inside the object area.
bool objectStart(const BinaryLayout& layout, uint64_t index, qsizetype& start) {
    if (index >= layout.objectCount)
        return false;
    const auto entry = qsizetype(layout.offsetTable + index * uint64_t(layout.offsetSize));
    const uint64_t offset = bigEndian(layout.data.sliced(entry, layout.offsetSize));
    if (offset < uint64_t(binaryHeaderSize) || offset >= layout.offsetTable)
        return false;
    start = qsizetype(offset);
    return true;
}

// The element count of the object at start and where its contents begin: a count of 15 in the
// marker means an integer object follows with the real count.
bool readCount(const BinaryLayout& layout, qsizetype start, uint64_t& count, qsizetype& contents) {
    const auto marker = static_cast<uint8_t>(layout.data[start]);
    count = marker & 0x0F;
    contents = start + 1;
    if (count != 0x0F)
        return true;
    if (contents >= qsizetype(layout.offsetTable))
        return false;
    const auto intMarker = static_cast<uint8_t>(layout.data[contents]);
    const qsizetype width = qsizetype(1) << (intMarker & 0x0F);
    if ((intMarker & 0xF0) != 0x10 || width > 8 ||
        contents + 1 + width > qsizetype(layout.offsetTable))
        return false;
    count = bigEndian(layout.data.sliced(contents + 1, width));
    contents += 1 + width;
    return true;
}

// Whether the string object index may serve as a dictionary key: ASCII or UTF-16, no NUL.
bool isUsableKey(const BinaryLayout& layout, uint64_t index) {
    qsizetype start = 0;
    uint64_t count = 0;
    qsizetype contents = 0;
    if (!objectStart(layout, index, start) || !readCount(layout, start, count, contents))
        return false;
    const auto kind = static_cast<uint8_t>(layout.data[start]) >> 4;
    const uint64_t unitSize = kind == 0x5 ? 1 : kind == 0x6 ? 2 : 0;
    const auto available = uint64_t(qsizetype(layout.offsetTable) - contents);
    if (unitSize == 0 || count > available / unitSize)
        return false;
    const QByteArrayView text = layout.data.sliced(contents, qsizetype(count * unitSize));
    for (qsizetype unit = 0; unit < text.size(); unit += qsizetype(unitSize)) {
        if (bigEndian(text.sliced(unit, qsizetype(unitSize))) == 0)
            return false;
    }
    return true;
}

// Visits every object the top object expands to, as libplist will, with an explicit stack.
bool isSafeBinary(QByteArrayView data) {
    BinaryLayout layout;
    if (!readLayout(data, layout))
        return false;
    std::vector<std::pair<uint64_t, int>> pending{{layout.topObject, 1}};
    int visited = 0;
    while (!pending.empty()) {
        const auto [index, depth] = pending.back();
        pending.pop_back();
        qsizetype start = 0;
        if (++visited > maximumObjects || index >= layout.objectCount ||
            !objectStart(layout, index, start))
            return false;
        const auto kind = static_cast<uint8_t>(data[start]) >> 4;
        if (kind != 0xA && kind != 0xC && kind != 0xD)
            continue;
        uint64_t count = 0;
        qsizetype contents = 0;
        if (depth >= maximumNesting || !readCount(layout, start, count, contents))
            return false;
        const uint64_t references = kind == 0xD ? 2 * count : count;
        const auto available = uint64_t(qsizetype(layout.offsetTable) - contents);
        if (count > uint64_t(maximumObjects) ||
            references > available / uint64_t(layout.referenceSize))
            return false;
        for (uint64_t slot = 0; slot < references; ++slot) {
            const uint64_t child = bigEndian(data.sliced(
                contents + qsizetype(slot) * layout.referenceSize, layout.referenceSize));
            if (kind == 0xD && slot < count && !isUsableKey(layout, child))
                return false;
            pending.emplace_back(child, depth + 1);
        }
    }
    return true;
}

// Whether a numeric character reference starting at position ("&#...;") names U+0000.
bool isNulReference(QByteArrayView text, qsizetype position) {
    qsizetype digits = position + 2;
    const bool hex = digits < text.size() && (text[digits] == 'x' || text[digits] == 'X');
    if (hex)
        ++digits;
    const qsizetype first = digits;
    while (digits < text.size() && text[digits] == '0')
        ++digits;
    return digits > first && digits < text.size() && text[digits] == ';';
}

bool startsTag(QByteArrayView text, qsizetype position, QByteArrayView tag) {
    return text.sliced(position).startsWith(tag);
}

// Where the comment or CDATA section starting at position ends, or position when none starts
// there: tags inside them are text.
qsizetype skipText(QByteArrayView text, qsizetype position) {
    for (const auto& [open, close] :
         {std::pair<QByteArrayView, QByteArrayView>{"<!--", "-->"}, {"<![CDATA[", "]]>"}}) {
        if (startsTag(text, position, open)) {
            const qsizetype end = text.indexOf(close, position + open.size());
            return end < 0 ? text.size() : end + close.size() - 1;
        }
    }
    return position;
}

// XML lists nest by their <array> and <dict> tags; self-closing ones hold nothing.
bool isSafeXml(QByteArrayView text) {
    int depth = 0;
    int objects = 0;
    for (qsizetype position = 0; position < text.size(); ++position) {
        const char c = text[position];
        if (c == '\0' ||
            (c == '&' && startsTag(text, position, "&#") && isNulReference(text, position)))
            return false;
        if (c != '<')
            continue;
        if (const qsizetype end = skipText(text, position); end != position) {
            position = end;
            continue;
        }
        if (startsTag(text, position, "</")) {
            // A close without its open is malformed anyway; refusing it keeps the count honest.
            depth -= startsTag(text, position, "</array") || startsTag(text, position, "</dict");
            if (depth < 0)
                return false;
            continue;
        }
        const bool opensContainer =
            startsTag(text, position, "<array>") || startsTag(text, position, "<dict>");
        if (++objects > maximumObjects || (opensContainer && ++depth > maximumNesting))
            return false;
    }
    return true;
}

} // namespace

bool isSafeToParse(const QByteArray& data) {
    const QByteArrayView view(data);
    if (view.startsWith("bplist00"))
        return isSafeBinary(view);
    // libplist reads anything else as XML.
    return isSafeXml(view);
}

} // namespace tidewell::propertylist
