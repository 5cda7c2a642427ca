#pragma once

#include "platform/ProgramRunner.h"

#include <QList>
#include <QMutex>

// Answers the programs' calls from a table instead of running anything, and records every call
// (the program first, then its arguments). A call no row answers finds no program. Safe to
// share between threads, like the real runner.
class TableProgramRunner final : public tidewell::ProgramRunner {
public:
    // program answers output with exitCode to every call whose arguments include all of
    // arguments; the first matching row counts.
    void answer(const QString& program, const QByteArray& output, const QStringList& arguments = {},
                int exitCode = 0);

    QList<QStringList> calls() const;

    std::optional<QByteArray> outputOf(const tidewell::ToolRun& run) const override;

private:
    struct Row {
        QString program;
        QStringList arguments;
        QByteArray output;
        int exitCode = 0;
    };

    mutable QMutex m_mutex;
    QList<Row> m_rows;
    mutable QList<QStringList> m_calls;
};
