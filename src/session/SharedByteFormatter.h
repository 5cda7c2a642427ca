#pragma once

#include <QString>

namespace tidewell::SharedByteFormatter {

// The one way every size is shown: decimal units from bytes to terabytes (1 KB = 1000
// bytes), the unit always named, no decimals for bytes and KB, one for MB, two for GB and
// TB, trailing zeros dropped, thousands grouped with ",". Zero reads "Zero KB".
QString string(qint64 byteCount);

// The size of something that may not have been counted whole, in the user's language:
// string(byteCount) when complete, else "at least" that, or "size unknown" when nothing of it
// was counted.
QString sizeText(qint64 byteCount, bool complete);

} // namespace tidewell::SharedByteFormatter
