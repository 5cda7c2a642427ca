#include "TableProgramRunner.h"

#include <QMutexLocker>

#include <algorithm>

void TableProgramRunner::answer(const QString& program, const QByteArray& output,
                                const QStringList& arguments, int exitCode) {
    const QMutexLocker lock(&m_mutex);
    m_rows.append({program, arguments, output, exitCode});
}

QList<QStringList> TableProgramRunner::calls() const {
    const QMutexLocker lock(&m_mutex);
    return m_calls;
}

std::optional<QByteArray> TableProgramRunner::outputOf(const tidewell::ToolRun& run) const {
    const QMutexLocker lock(&m_mutex);
    m_calls.append(QStringList{run.program} + run.arguments);
    const auto row = std::find_if(m_rows.cbegin(), m_rows.cend(), [&run](const Row& row) {
        return row.program == run.program &&
               std::all_of(row.arguments.cbegin(), row.arguments.cend(),
                           [&run](const QString& given) { return run.arguments.contains(given); });
    });
    if (row == m_rows.cend() || !run.acceptedExitCodes.contains(row->exitCode) ||
        row->output.size() > run.maximumOutput)
        return std::nullopt;
    return row->output;
}
