#include "ItemRemoval.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "InterruptWatch.h"
#include "ScanCommand.h"
#include "removal/FileDeletionService.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>

#include <cstdio>
#include <unistd.h>
#include <utility>

namespace tidewell {

namespace {

QList<QUrl> urlsOf(const QList<DeletionFailure>& failures) {
    QList<QUrl> urls;
    urls.reserve(failures.size());
    for (const DeletionFailure& failure : failures)
        urls.append(failure.url);
    return urls;
}

QString itemTable(const QList<QUrl>& urls, const RemovalPlan& plan) {
    QList<QStringList> rows;
    rows.reserve(urls.size());
    qsizetype incomplete = 0;
    for (const QUrl& url : urls) {
        const MeasuredSize size = plan.sizeOf(url);
        rows.append(
            {QStringLiteral("  ") + SharedByteFormatter::sizeText(size.bytes, size.complete),
             url.toLocalFile()});
        incomplete += size.complete ? 0 : 1;
    }
    return CliOutput::formatTable(rows, {CliOutput::Align::right}) +
           incompleteSizesText(incomplete);
}

// Each item with its reason on a line of its own below it.
QString failureList(const QList<DeletionFailure>& failures) {
    QString text;
    for (const DeletionFailure& failure : failures)
        text += QStringLiteral("  %1\n    %2\n")
                    .arg(CliOutput::escaped(failure.url.toLocalFile()), failure.reason);
    return text;
}

// Asks on the terminal; only an explicit yes goes on.
bool answeredYes(const QString& question) {
    const QByteArray bytes = question.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    const QString answer = InterruptWatch::readLine().value_or(QString()).trimmed().toLower();
    return answer == u"y" || answer == u"yes";
}

bool confirmPermanentRemoval(const QList<DeletionFailure>& refusals) {
    return answeredYes(
        CliText::tr("The Trash refused these %n item(s):\n", "", int(refusals.size())) +
        failureList(refusals) + CliText::tr("Delete them permanently? [y/N] "));
}

void append(DeletionReport& report, const DeletionReport& later) {
    report.deleted += later.deleted;
    report.failures += later.failures;
    report.trashed += later.trashed;
    report.removedPermanently += later.removedPermanently;
    report.notAttempted += later.notAttempted;
}

// The Trash first; what it refuses is deleted in place only after a second yes (--yes gives
// both). A SIGINT or SIGTERM, while an InterruptWatch is on, stops it between items.
DeletionReport removeItems(const QList<QUrl>& urls, const RemovalScope& scope, bool askFirst,
                           const Host& host) {
    using Method = RemovalOptions::Method;
    const auto stop = [] { return InterruptWatch::raised(); };
    FileDeletionService service(host);
    DeletionReport report = service.deleteItems(urls, scope, {Method::trashOnly, stop}).result();
    const QList<DeletionFailure> refusals = std::exchange(report.trashRefusals, {});
    if (refusals.isEmpty())
        return report;
    if (InterruptWatch::raised() || (askFirst && !confirmPermanentRemoval(refusals))) {
        report.failures += refusals;
        return report;
    }
    append(report,
           service.deleteItems(urlsOf(refusals), scope, {Method::removeInPlace, stop}).result());
    return report;
}

QJsonArray pathArray(const QList<QUrl>& urls) {
    QJsonArray paths;
    for (const QUrl& url : urls)
        paths.append(url.toLocalFile());
    return paths;
}

// The closing line: what went to the Trash, what the Trash refused and was deleted outright,
// and whether anything stayed.
QString summary(const DeletionReport& deletion) {
    QStringList parts;
    if (!deletion.trashed.isEmpty() || deletion.removedPermanently.isEmpty())
        parts.append(CliText::tr("Moved %n item(s) to Trash.", "", int(deletion.trashed.size())));
    if (!deletion.removedPermanently.isEmpty())
        parts.append(CliText::tr("Deleted %n item(s) permanently (the Trash refused them).", "",
                                 int(deletion.removedPermanently.size())));
    if (!deletion.failures.isEmpty())
        parts.append(
            CliText::tr("%n item(s) could not be removed.", "", int(deletion.failures.size())));
    return parts.join(u' ');
}

} // namespace

std::optional<int> refuseQuestionWithoutTerminal(const QString& commandName, bool yes) {
    if (yes || isatty(STDIN_FILENO))
        return std::nullopt;
    return usageError(commandName,
                      CliText::tr("stdin is not a terminal; pass --yes to remove without asking"));
}

bool confirmRemoval(const RemovalPlan& plan) {
    return answeredYes(CliText::tr("These %n item(s) will be moved to the Trash:\n", "",
                                   int(plan.items().size())) +
                       itemTable(plan.urls(), plan) + CliText::tr("Move them to Trash? [y/N] "));
}

RemovalRun runRemoval(const RemovalPlan& plan, bool askFirst, const Host& host) {
    const InterruptWatch watch;
    DeletionReport deletion = removeItems(plan.urls(), plan.scope(), askFirst, host);
    return {std::move(deletion), InterruptWatch::raised()};
}

QJsonObject removalJson(const RemovalRun& run, const RemovalPlan& plan) {
    const DeletionReport& deletion = run.deletion;
    const MeasuredSize reclaimed = plan.reclaimedSize(deletion);
    QJsonArray failures;
    for (const DeletionFailure& failure : deletion.failures)
        failures.append(QJsonObject{{QStringLiteral("path"), failure.url.toLocalFile()},
                                    {QStringLiteral("reason"), failure.reason}});
    return {{QStringLiteral("deleted"), pathArray(deletion.deleted)},
            {QStringLiteral("trashed"), pathArray(deletion.trashed)},
            {QStringLiteral("removedPermanently"), pathArray(deletion.removedPermanently)},
            {QStringLiteral("failures"), failures},
            {QStringLiteral("reclaimedBytes"), reclaimed.bytes},
            {QStringLiteral("reclaimedSizeComplete"), reclaimed.complete},
            {QStringLiteral("interrupted"), run.interrupted},
            {QStringLiteral("notAttempted"), pathArray(deletion.notAttempted)}};
}

QString removalText(const RemovalRun& run, const RemovalPlan& plan) {
    const DeletionReport& deletion = run.deletion;
    QString text;
    if (!deletion.deleted.isEmpty()) {
        const MeasuredSize reclaimed = plan.reclaimedSize(deletion);
        text += CliText::tr("Removed (%1):\n")
                    .arg(SharedByteFormatter::sizeText(reclaimed.bytes, reclaimed.complete)) +
                itemTable(deletion.deleted, plan);
    }
    if (!deletion.failures.isEmpty())
        text += CliText::tr("Not removed:\n") + failureList(deletion.failures);
    if (run.interrupted)
        text += CliText::tr("Interrupted: %n item(s) were not removed.\n", "",
                            int(deletion.notAttempted.size())) +
                itemTable(deletion.notAttempted, plan);
    return text + summary(deletion);
}

} // namespace tidewell
