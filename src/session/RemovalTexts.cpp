#include "RemovalTexts.h"

#include <QStringList>

namespace tidewell {

QString RemovalTexts::subjectName(const RemovalSubject& subject) {
    if (subject.kind == RemovalSubject::orphansKind())
        return tr("Leftovers of removed apps");
    return subject.displayName.isEmpty() ? subject.appPath : subject.displayName;
}

QString RemovalTexts::countsText(const RemovalRecord& removal) {
    using Outcome = RemovalRecord::Outcome;
    QStringList parts{tr("%n moved to the Trash", "", int(removal.count(Outcome::trashed)))};
    if (const auto deleted = int(removal.count(Outcome::removedPermanently)))
        parts.append(tr("%n deleted in place", "", deleted));
    if (const auto failed = int(removal.count(Outcome::failed)))
        parts.append(tr("%n not removed", "", failed));
    return parts.join(QStringLiteral(", "));
}

QString RemovalTexts::undoSummary(const UndoReport& report) {
    QStringList parts{tr("Put back %n item(s).", "", int(report.restored.size()))};
    if (!report.conflicts.isEmpty())
        parts.append(tr("%n item(s) stay in the Trash: something else is in their place now.", "",
                        int(report.conflicts.size())));
    if (!report.gone.isEmpty())
        parts.append(tr("%n item(s) are no longer in the Trash.", "", int(report.gone.size())));
    if (!report.notRestorable.isEmpty())
        parts.append(tr("%n item(s) were deleted in place and cannot be put back.", "",
                        int(report.notRestorable.size())));
    if (!report.failures.isEmpty())
        parts.append(tr("%n item(s) could not be put back: %1", "", int(report.failures.size()))
                         .arg(report.failures.first().reason));
    if (const QString packages = packageRunsText(report.packageRuns); !packages.isEmpty())
        parts.append(packages);
    return parts.join(u' ');
}

QString RemovalTexts::undoSummary(const std::optional<UndoReport>& report) {
    return report ? undoSummary(*report)
                  : tr("This removal is no longer recorded; it cannot be undone.");
}

QString RemovalTexts::packageRunsText(const QList<RemovalRecord::PackageRun>& runs) {
    QStringList lines;
    for (const RemovalRecord::PackageRun& run : runs)
        lines.append(tr("%1 ran with this removal (exit code %2); a package manager's uninstall "
                        "cannot be undone.")
                         .arg(run.command)
                         .arg(run.exitCode));
    return lines.join(u' ');
}

} // namespace tidewell
