#include "FileDeletionService.h"

#include "model/PathRules.h"
#include "platform/FileErrors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace tidewell {

namespace {

QString text(const char* english) {
    return QCoreApplication::translate("FileDeletionService", english);
}

// The path the service acts on: "." and ".." resolved and no trailing slash, so that a link
// named with a trailing slash is never taken for the folder it points to.
QString operatingPath(const QUrl& url) {
    return QDir::cleanPath(url.toLocalFile());
}

bool isLocalAbsolutePath(const QUrl& url) {
    return url.isLocalFile() && url.host().isEmpty() && QDir::isAbsolutePath(url.toLocalFile());
}

// Whether removing path would take the folder at protectedPath with it.
bool contains(const QString& path, const QString& protectedPath) {
    return protectedPath == path || pathrules::liesInside(protectedPath, path);
}

// The folders of a home that hold the user's own files or the desktop's data: never an item.
QStringList standardFolders(const Host& host) {
    const QString home = QDir::cleanPath(host.home);
    QStringList folders{home};
    for (const char* name : {"Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos",
                             "Movies", "Public", "Templates", "Library", "Applications", ".config",
                             ".local", ".local/share", ".local/state", ".cache"})
        folders.append(home + u'/' + QLatin1String(name));
    return folders + QStringList{host.config, host.data, host.state, host.cache};
}

// A failure that lies with the item itself rather than with the Trash.
bool isItemFault(int errorCode) {
    return errorCode == LinkInPathError || errorCode == NoSuchFileError;
}

RemovalRecord journalHeader(const RemovalPlan& plan) {
    RemovalRecord removal{0, QDateTime::currentDateTimeUtc(), plan.subject(), {}};
    for (const RemovalPlan::Item& item : plan.items())
        removal.items.append({operatingPath(item.url), item.size});
    return removal;
}

bool isProtected(const QString& path, const RemovalScope& scope, const Host& host) {
    const QStringList guarded =
        (host.home.isEmpty() ? QStringList() : standardFolders(host)) + scope.roots;
    return path == u"/" || std::any_of(guarded.cbegin(), guarded.cend(), [&](const QString& f) {
               return contains(path, QDir::cleanPath(f));
           });
}

} // namespace

FileDeletionService::FileDeletionService(Host host, FileSystem& fileSystem,
                                         std::shared_ptr<const RemovalJournal> journal)
    : m_host(std::move(host)), m_fileSystem(fileSystem), m_journal(std::move(journal)) {
    m_executor.setMaxThreadCount(1);
}

FileDeletionService::~FileDeletionService() {
    m_executor.waitForDone();
}

QFuture<DeletionReport> FileDeletionService::deleteItems(const RemovalPlan& plan) {
    return deleteItems(plan, {});
}

QFuture<DeletionReport> FileDeletionService::deleteItems(const RemovalPlan& plan,
                                                         const RemovalOptions& options) {
    return QtConcurrent::run(&m_executor,
                             [this, plan, options] { return deleteNow(plan, options); });
}

QString FileDeletionService::failureReason(const FileOperationResult& removal,
                                           const QString& home) {
    switch (removal.errorCode) {
    case NoWritePermissionError:
    case NoReadPermissionError:
#ifdef Q_OS_MACOS
        return text(QT_TRANSLATE_NOOP("FileDeletionService",
                                      "Permission denied. Grant Full Disk Access and try again."));
#else
        // Linux has no Full Disk Access: the permissions of the folder that refused decide.
        if (!removal.refusingFolder.isEmpty())
            return text(QT_TRANSLATE_NOOP("FileDeletionService",
                                          "Permission denied: the folder “%1” cannot be changed. "
                                          "Check its permissions."))
                .arg(pathrules::homeAbbreviated(removal.refusingFolder, home));
        return text(QT_TRANSLATE_NOOP(
            "FileDeletionService",
            "Permission denied. Check the permissions of the folder that holds it."));
#endif
    case NoSuchFileError:
        return text(QT_TRANSLATE_NOOP("FileDeletionService", "File no longer exists."));
    case LinkInPathError:
        return text(
            QT_TRANSLATE_NOOP("FileDeletionService",
                              "A folder on its path is a link; nothing was removed through it."));
    case NoTrashOnVolumeError:
        return text(
            QT_TRANSLATE_NOOP("FileDeletionService", "Its volume has no Trash that can be used."));
    case LinkInTrashError:
        return text(QT_TRANSLATE_NOOP(
            "FileDeletionService", "A folder of the Trash is a link; nothing was moved into it."));
    default:
        return removal.message;
    }
}

std::optional<QString>
FileDeletionService::refusalReason(const QUrl& url, const RemovalScope& scope, const Host& host) {
    if (!isLocalAbsolutePath(url))
        return text(QT_TRANSLATE_NOOP("FileDeletionService", "Not a file on this computer."));
    const QString path = operatingPath(url);
    if (isProtected(path, scope, host))
        return text(QT_TRANSLATE_NOOP("FileDeletionService",
                                      "This folder is protected and was not removed."));
    if (path != QDir::cleanPath(scope.appPath) && !pathrules::liesInsideAny(path, scope.roots))
        return text(
            QT_TRANSLATE_NOOP("FileDeletionService",
                              "This item lies outside the scanned folders and was not removed."));
    return std::nullopt;
}

std::variant<JournalEntry, QString>
FileDeletionService::openJournalEntry(const RemovalPlan& plan, qint64 continuedId) const {
    return continuedId == 0 ? m_journal->begin(journalHeader(plan))
                            : m_journal->reopen(continuedId);
}

DeletionReport FileDeletionService::deleteNow(const RemovalPlan& plan,
                                              const RemovalOptions& options) {
    DeletionReport report;
    const QList<QUrl> urls = plan.urls();
    std::optional<JournalEntry> journal;
    if (m_journal) {
        std::variant<JournalEntry, QString> entry = openJournalEntry(plan, options.journalId);
        if (const QString* failure = std::get_if<QString>(&entry)) {
            report.journalFailure =
                text(QT_TRANSLATE_NOOP("FileDeletionService",
                                       "Nothing was removed: the record that lets a removal be "
                                       "undone cannot be written (%1)."))
                    .arg(*failure);
            report.notAttempted = urls;
            return report;
        }
        journal.emplace(std::get<JournalEntry>(std::move(entry)));
        report.journalId = journal->id();
    }
    for (qsizetype index = 0; index < urls.size(); ++index) {
        if (options.stopRequested && options.stopRequested()) {
            report.notAttempted = urls.sliced(index);
            break;
        }
        const QUrl& url = urls[index];
        const ItemOutcome item = removeItem(url, plan.scope(), options.method);
        addToReport(report, url, item);
        const std::optional<RemovalRecord::Item> record = journalRecord(url, item);
        if (const int error = journal && record ? journal->record(*record) : 0) {
            report.journalFailure =
                text(QT_TRANSLATE_NOOP("FileDeletionService",
                                       "The removal stopped: its record could no longer be "
                                       "written (%1)."))
                    .arg(errnoMessage(error));
            report.notAttempted = urls.sliced(index + 1);
            break;
        }
    }
    return report;
}

// What the journal keeps of an item's outcome; nothing while the item waits for another round.
std::optional<RemovalRecord::Item> FileDeletionService::journalRecord(const QUrl& url,
                                                                      const ItemOutcome& item) {
    const QString path = operatingPath(url);
    switch (item.outcome) {
    case Outcome::gone:
        return RemovalRecord::Item{path, {}, RemovalRecord::Outcome::gone};
    case Outcome::trashed:
        return RemovalRecord::Item{path, {}, RemovalRecord::Outcome::trashed, item.trashEntry};
    case Outcome::removedPermanently:
        return RemovalRecord::Item{path, {}, RemovalRecord::Outcome::removedPermanently};
    case Outcome::failed:
        return RemovalRecord::Item{path, {}, RemovalRecord::Outcome::failed, {}, item.reason};
    case Outcome::refusedByTrash:
        break;
    }
    return std::nullopt;
}

void FileDeletionService::addToReport(DeletionReport& report, const QUrl& url,
                                      const ItemOutcome& item) {
    if (item.outcome == Outcome::failed || item.outcome == Outcome::refusedByTrash) {
        (item.outcome == Outcome::failed ? report.failures : report.trashRefusals)
            .append({QUuid::createUuid(), url, item.reason});
        return;
    }
    report.deleted.append(url);
    if (item.outcome == Outcome::trashed)
        report.trashed.append(url);
    else if (item.outcome == Outcome::removedPermanently)
        report.removedPermanently.append(url);
}

FileDeletionService::ItemOutcome FileDeletionService::removeItem(const QUrl& url,
                                                                 const RemovalScope& scope,
                                                                 RemovalOptions::Method method) {
    if (std::optional<QString> refusal = refusalReason(url, scope, m_host))
        return {Outcome::failed, *refusal};
    const QString path = verifiedPath(operatingPath(url), scope);
    if (!staysConfined(path, scope))
        return {Outcome::failed,
                text(QT_TRANSLATE_NOOP("FileDeletionService",
                                       "A link on its path leads out of its user's home; nothing "
                                       "was removed through it."))};
    // A dangling link is still an item of its own: only a truly absent path counts as gone.
    if (!m_fileSystem.existsNoFollow(path))
        return {Outcome::gone};
    if (method != RemovalOptions::Method::removeInPlace) {
        const FileOperationResult trashing = m_fileSystem.moveToTrash(path);
        if (trashing.ok())
            return {Outcome::trashed, {}, trashing.trashEntry};
        // A link on its path or an item gone meanwhile is no refusal of the Trash: removal in
        // place would fail the same.
        if (method == RemovalOptions::Method::trashOnly)
            return {isItemFault(trashing.errorCode) ? Outcome::failed : Outcome::refusedByTrash,
                    failureReason(trashing, m_host.home)};
    }
    const FileOperationResult removal = m_fileSystem.removePermanently(path);
    if (removal.ok())
        return {Outcome::removedPermanently};
    return {Outcome::failed, failureReason(removal, m_host.home)};
}

bool FileDeletionService::staysConfined(const QString& verified, const RemovalScope& scope) const {
    if (scope.confinement.isEmpty())
        return true;
    const QString home = m_fileSystem.resolvedPath(QDir::cleanPath(scope.confinement));
    return !home.isEmpty() && pathrules::liesInside(verified, home);
}

QString FileDeletionService::verifiedPath(const QString& path, const RemovalScope& scope) const {
    QStringList anchors = scope.roots;
    anchors.append(QFileInfo(QDir::cleanPath(scope.appPath)).path());
    for (const QString& anchor : anchors) {
        const QString folder = QDir::cleanPath(anchor);
        if (!pathrules::liesInside(path, folder))
            continue;
        const QString resolved = m_fileSystem.resolvedPath(folder);
        return resolved.isEmpty() ? path : resolved + path.sliced(folder.size());
    }
    return path;
}

} // namespace tidewell
