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

std::optional<QByteArray> TableProgramRunner::outputOf(const Call& call) const {
    const QMutexLocker lock(&m_mutex);
    m_calls.append(QStringList{call.program} + call.arguments);
    const auto row = std::find_if(m_rows.cbegin(), m_rows.cend(), [&call](const Row& row) {
        return row.program == call.program &&
               std::all_of(
                   row.arguments.cbegin(), row.arguments.cend(),
                   [&call](const QString& given) { return call.arguments.contains(given); });
    });
    if (row == m_rows.cend() || !call.acceptedExitCodes.contains(row->exitCode) ||
        row->output.size() > call.maximumOutput)
        return std::nullopt;
    return row->output;
}
