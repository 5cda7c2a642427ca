#pragma once

#include <QLocale>
#include <QString>

namespace tidewell::SharedByteFormatter {

// Every size is rounded one way: decimal units from bytes to terabytes (1 KB = 1000 bytes), no
// decimals for bytes and KB, one for MB, two for GB and TB, trailing zeros dropped, a count
// that rounds up to 1000 of its unit read as 1 of the next.

// The command line's fixed English text: the unit always named, thousands grouped with ",".
// Zero reads "Zero KB".
QString string(qint64 byteCount);

// The window's text in locale's language and number format (QLocale::formattedDataSize, SI
// units): "0 bytes" for nothing, "6,2 MB" in German.
QString localized(qint64 byteCount, const QLocale& locale = QLocale());

// The size of something that may not have been counted whole, in the user's language:
// string(byteCount) when complete, else "at least" that, or "size unknown" when nothing of it
// was counted.
QString sizeText(qint64 byteCount, bool complete);
// The same with localized(byteCount, locale).
QString localizedSizeText(qint64 byteCount, bool complete, const QLocale& locale = QLocale());

} // namespace tidewell::SharedByteFormatter
