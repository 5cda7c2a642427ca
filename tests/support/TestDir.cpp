#include "TestDir.h"

#include <zlib.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <plist/plist.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void ensureParent(const QString& absolute) {
    QDir().mkpath(QFileInfo(absolute).absolutePath());
}

plist_t toPlist(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return plist_new_bool(value.toBool());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case QMetaType::Double:
        return plist_new_real(value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        for (const QVariant& item : value.toList())
            plist_array_append_item(array, toPlist(item));
        return array;
    }
    case QMetaType::QVariantMap: {
        plist_t dict = plist_new_dict();
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            plist_dict_set_item(dict, it.key().toUtf8().constData(), toPlist(it.value()));
        return dict;
    }
    default:
        return plist_new_string(value.toString().toUtf8().constData());
    }
}

// relative below root, which may be "" for the test folder itself.
QString below(const QString& root, const QString& relative) {
    return root.isEmpty() ? relative : root + u'/' + relative;
}

} // namespace

TestDir::TestDir() = default;

TestDir::~TestDir() {
    // Give back every permission so the temporary folder can be removed whole.
    const QString root = m_dir.path();
    ::chmod(root.toLocal8Bit().constData(), 0755);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!info.isSymLink())
            ::chmod(info.filePath().toLocal8Bit().constData(), info.isDir() ? 0755 : 0644);
    }
}

QString TestDir::path() const {
    return m_dir.path();
}

QString TestDir::path(const QString& relative) const {
    return m_dir.filePath(relative);
}

QString TestDir::createFile(const QString& relative, const QByteArray& data,
                            const QDateTime& modified) {
    const QString absolute = path(relative);
    ensureParent(absolute);
    QFile file(absolute);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(data);
        if (modified.isValid())
            file.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    return absolute;
}

QString TestDir::createFileOfSize(const QString& relative, qint64 size) {
    return createFile(relative, QByteArray(size, 'x'));
}

QString TestDir::createGzipFile(const QString& relative, const QByteArray& data) {
    z_stream stream{};
    constexpr int gzipWindowBits = 16 + MAX_WBITS;
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, gzipWindowBits, 8, Z_DEFAULT_STRATEGY);
    QByteArray compressed(int(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = uInt(compressed.size());
    deflate(&stream, Z_FINISH);
    compressed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return createFile(relative, compressed);
}

QString TestDir::createDirectory(const QString& relative) {
    const QString absolute = path(relative);
    QDir().mkpath(absolute);
    return absolute;
}

QString TestDir::createSymlink(const QString& relative, const QString& target) {
    const QString absolute = path(relative);
    ensureParent(absolute);
    ::symlink(target.toLocal8Bit().constData(), absolute.toLocal8Bit().constData());
    return absolute;
}

QString TestDir::createPlist(const QString& relative, const QVariantMap& dictionary,
                             PlistFormat format) {
    plist_t root = toPlist(dictionary);
    char* bytes = nullptr;
    uint32_t length = 0;
    if (format == PlistFormat::binary)
        plist_to_bin(root, &bytes, &length);
    else
        plist_to_xml(root, &bytes, &length);
    const QString absolute =
        createFile(relative, QByteArray(bytes, static_cast<qsizetype>(length)));
    free(bytes);
    plist_free(root);
    return absolute;
}

QString TestDir::createAppBundle(const QString& relative, const QVariantMap& info,
                                 PlistFormat format) {
    createPlist(relative + QStringLiteral("/Contents/Info.plist"), info, format);
    createDirectory(relative + QStringLiteral("/Contents/MacOS"));
    return path(relative);
}

QString TestDir::createDesktopEntry(const QString& relative, const DesktopEntryFields& fields) {
    return createFile(relative, fields.text());
}

QString TestDir::createFlatpakInstallation(const QString& root, const QString& id,
                                           DesktopEntryFields fields, FlatpakScope scope) {
    const QString installation =
        below(root, scope == FlatpakScope::system ? QStringLiteral("var/lib/flatpak")
                                                  : QStringLiteral("home/.local/share/flatpak"));
    createDirectory(installation + QStringLiteral("/app/") + id +
                    QStringLiteral("/current/active/files"));
    if (fields.flatpak.isEmpty())
        fields.flatpak = id;
    if (fields.exec.isEmpty())
        fields.exec = QStringLiteral("flatpak run ") + id;
    return createDesktopEntry(installation + QStringLiteral("/exports/share/applications/") + id +
                                  QStringLiteral(".desktop"),
                              fields);
}

QString TestDir::createSnap(const QString& root, const QString& name, DesktopEntryFields fields,
                            const QString& app) {
    const QString appName = app.isEmpty() ? name : app;
    createDirectory(below(root, QStringLiteral("snap/%1/1/meta").arg(name)));
    createSymlink(below(root, QStringLiteral("snap/%1/current").arg(name)), QStringLiteral("1"));
    if (fields.snapInstanceName.isEmpty())
        fields.snapInstanceName = name;
    if (fields.exec.isEmpty())
        fields.exec =
            QStringLiteral("/snap/bin/") + (appName == name ? name : name + u'.' + appName);
    return createDesktopEntry(
        below(
            root,
            QStringLiteral("var/lib/snapd/desktop/applications/%1_%2.desktop").arg(name, appName)),
        fields);
}

void TestDir::setMode(const QString& relative, unsigned mode) {
    ::chmod(path(relative).toLocal8Bit().constData(), static_cast<mode_t>(mode));
}
