#include "DesktopEntry.h"

// GLib's headers use "signals" as a member name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include "SmallFileReading.h"

#include <QByteArrayView>
#include <QHash>
#include <QSet>

#include <memory>

namespace tidewell {

namespace {

const char* const entryGroup = G_KEY_FILE_DESKTOP_GROUP;

struct GFreeDeleter {
    void operator()(gpointer pointer) const { g_free(pointer); }
};
struct KeyFileDeleter {
    void operator()(GKeyFile* file) const { g_key_file_unref(file); }
};
using KeyFilePointer = std::unique_ptr<GKeyFile, KeyFileDeleter>;
struct StrvDeleter {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};

KeyFilePointer loadKeyFile(const QByteArray& bytes) {
    KeyFilePointer file(g_key_file_new());
    if (!g_key_file_load_from_data(file.get(), bytes.constData(), gsize(bytes.size()),
                                   G_KEY_FILE_NONE, nullptr))
        return nullptr;
    return file;
}

// GLib's whitespace: space, \t, \n, \v, \f and \r.
bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView withoutLeadingSpace(QByteArrayView text) {
    while (!text.isEmpty() && isSpace(text.front()))
        text = text.sliced(1);
    return text;
}

QByteArrayView withoutTrailingSpace(QByteArrayView text) {
    while (!text.isEmpty() && isSpace(text.back()))
        text.chop(1);
    return text;
}

// The name in a group header line as GLib takes one ("[name]", blanks allowed after it);
// nothing when line is no header.
std::optional<QByteArrayView> groupName(QByteArrayView line) {
    const qsizetype close = line.indexOf(']');
    if (!line.startsWith('[') || close < 0)
        return std::nullopt;
    for (const char c : line.sliced(close + 1)) {
        if (c != ' ' && c != '\t')
            return std::nullopt;
    }
    return line.sliced(1, close - 1);
}

// GLib keeps the last value of a key given twice and merges a group given twice, so a reader
// that looked at the first value would be shown another. The lines are taken as GLib reads
// them: split at \n, a \r before it dropped, up to a NUL byte, leading blanks skipped, the
// key's trailing and the value's leading blanks trimmed; comments and blank lines skipped.
bool repeatsEntryKeys(QByteArrayView bytes) {
    QHash<QByteArrayView, QByteArrayView> values;
    int entryGroups = 0;
    bool inEntryGroup = false;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', start);
        QByteArrayView line = bytes.sliced(start, (newline < 0 ? bytes.size() : newline) - start);
        start += line.size() + 1;
        if (newline >= 0 && line.endsWith('\r'))
            line.chop(1);
        // GLib then reads the line as a C string, blind to what follows a NUL byte.
        if (const qsizetype nul = line.indexOf('\0'); nul >= 0)
            line.truncate(nul);
        line = withoutLeadingSpace(line);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (const std::optional<QByteArrayView> group = groupName(line)) {
            inEntryGroup = *group == QByteArrayView(entryGroup);
            if (inEntryGroup && ++entryGroups > 1)
                return true;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inEntryGroup || equals < 0)
            continue;
        const QByteArrayView key = withoutTrailingSpace(line.first(equals));
        const QByteArrayView value = withoutLeadingSpace(line.sliced(equals + 1));
        const auto known = values.constFind(key);
        if (known == values.cend())
            values.insert(key, value);
        else if (*known != value)
            return true;
    }
    return false;
}

QString takeString(gchar* value) {
    const std::unique_ptr<gchar, GFreeDeleter> owned(value);
    return owned ? QString::fromUtf8(owned.get()) : QString();
}

QString stringValue(GKeyFile* file, const char* key) {
    return takeString(g_key_file_get_string(file, entryGroup, key, nullptr));
}

QStringList shellWords(const QString& commandLine) {
    gchar** words = nullptr;
    if (commandLine.isEmpty() ||
        !g_shell_parse_argv(commandLine.toUtf8().constData(), nullptr, &words, nullptr))
        return {};
    const std::unique_ptr<gchar*, StrvDeleter> owned(words);
    QStringList result;
    for (gchar** word = words; *word != nullptr; ++word)
        result.append(QString::fromUtf8(*word));
    return result;
}

QString desktopFileIdOf(const QString& filePath) {
    QString id = filePath.mid(filePath.lastIndexOf(u'/') + 1);
    if (id.endsWith(QStringLiteral(".desktop")))
        id.chop(8);
    return id;
}

} // namespace

std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& bytes, const QString& filePath) {
    const KeyFilePointer file = loadKeyFile(bytes);
    if (!file || stringValue(file.get(), G_KEY_FILE_DESKTOP_KEY_TYPE) !=
                     QLatin1String(G_KEY_FILE_DESKTOP_TYPE_APPLICATION))
        return std::nullopt;
    DesktopEntry entry;
    entry.filePath = filePath;
    entry.desktopFileId = desktopFileIdOf(filePath);
    entry.name = takeString(g_key_file_get_locale_string(
        file.get(), entryGroup, G_KEY_FILE_DESKTOP_KEY_NAME, nullptr, nullptr));
    entry.execArguments = shellWords(stringValue(file.get(), G_KEY_FILE_DESKTOP_KEY_EXEC));
    entry.tryExec = stringValue(file.get(), G_KEY_FILE_DESKTOP_KEY_TRY_EXEC);
    entry.startupWMClass = stringValue(file.get(), G_KEY_FILE_DESKTOP_KEY_STARTUP_WM_CLASS);
    entry.icon = stringValue(file.get(), G_KEY_FILE_DESKTOP_KEY_ICON);
    entry.flatpakId = stringValue(file.get(), "X-Flatpak");
    entry.snapName = stringValue(file.get(), "X-SnapInstanceName");
    entry.appImageName = stringValue(file.get(), "X-AppImage-Name");
    entry.hidden = g_key_file_get_boolean(file.get(), entryGroup, G_KEY_FILE_DESKTOP_KEY_HIDDEN,
                                          nullptr) != FALSE;
    entry.repeatsKeys = repeatsEntryKeys(bytes);
    return entry;
}

std::optional<DesktopEntry> readDesktopEntry(const QString& filePath) {
    const std::optional<QByteArray> bytes = readSmallFile(filePath, maximumSettingsFileSize);
    if (!bytes)
        return std::nullopt;
    return parseDesktopEntry(*bytes, filePath);
}

QStringList readCommandLine(const QString& filePath, const QString& group, const QString& key) {
    const std::optional<QByteArray> bytes = readSmallFile(filePath, maximumSettingsFileSize);
    const KeyFilePointer file = bytes ? loadKeyFile(*bytes) : nullptr;
    if (!file)
        return {};
    return shellWords(takeString(g_key_file_get_string(file.get(), group.toUtf8().constData(),
                                                       key.toUtf8().constData(), nullptr)));
}

} // namespace tidewell
