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

bool needsEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

QString escape(char32_t c) {
    switch (c) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        return c < 0x100 ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                         : QStringLiteral("\\u{%1}").arg(uint(c), 4, 16, QLatin1Char('0'));
    }
}

} // namespace

QString CliOutput::escaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c == u'\\')
            shown += QStringLiteral("\\\\");
        else if (needsEscape(c))
            shown += escape(c);
        else
            shown += QString::fromUcs4(&c, 1);
    }
    return shown;
}

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
    QList<QStringList> shownRows;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells.append(escaped(cell));
        shownRows.append(cells);
    }
    QList<qsizetype> widths;
    for (const QStringList& row : shownRows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column == widths.size())
                widths.append(0);
            widths[column] = std::max(widths[column], text::characterCount(row[column]));
        }
    }
    QString table;
    for (const QStringList& row : shownRows) {
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
