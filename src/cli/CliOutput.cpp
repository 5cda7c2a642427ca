#include "CliOutput.h"

#include "model/TextRules.h"

#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

namespace tidewell {

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString padded(const QString& cell, qsizetype width, CliOutput::Align align) {
    const QString padding(width - text::characterCount(cell), u' ');
    return align == CliOutput::Align::right ? padding + cell : cell + padding;
}

} // namespace

void CliOutput::printLine(const QString& line) {
    write(stdout, line + u'\n');
}

void CliOutput::printErrorLine(const QString& line) {
    write(stderr, line + u'\n');
}

void CliOutput::printJson(const QJsonObject& object) {
    write(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
}

QString CliOutput::formatTable(const QList<QStringList>& rows, const QList<Align>& alignments) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column == widths.size())
                widths.append(0);
            widths[column] = std::max(widths[column], text::characterCount(row[column]));
        }
    }
    QString table;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype column = 0; column < row.size(); ++column) {
            const Align align = alignments.value(column, Align::left);
            const bool last = column == row.size() - 1;
            cells.append(last && align == Align::left ? row[column]
                                                      : padded(row[column], widths[column], align));
        }
        table += cells.join(QStringLiteral("  ")) + u'\n';
    }
    return table;
}

QStringList CliOutput::sortedByCodePoint(QStringList strings) {
    std::sort(strings.begin(), strings.end(),
              [](const QString& a, const QString& b) { return a.toUcs4() < b.toUcs4(); });
    return strings;
}

} // namespace tidewell
