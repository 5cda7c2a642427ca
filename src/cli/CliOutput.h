#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace tidewell {

// Text output shared by the subcommands: plain lines, JSON documents and aligned tables,
// always written as UTF-8.
class CliOutput {
public:
    enum class Align { left, right };

    static void printLine(const QString& line);
    static void printErrorLine(const QString& line);
    // Indented JSON on stdout.
    static void printJson(const QJsonObject& object);
    // Rows of cells in columns padded to their widest cell (counted in user-perceived
    // characters), separated by two spaces; the last column is never padded. Columns without
    // an entry in alignments are left-aligned. Cells are shown escaped.
    static QString formatTable(const QList<QStringList>& rows, const QList<Align>& alignments = {});
    // text as it may be shown on a terminal: control characters, line separators and
    // direction overrides written as escapes ("\n", "\x1b", "\u{202e}") and a backslash
    // doubled, so that a name can neither break a line nor pose as other output.
    static QString escaped(const QString& text);
    // Strings sorted by Unicode code point, the order JSON consumers compare in.
    static QStringList sortedByCodePoint(QStringList strings);
};

} // namespace tidewell
