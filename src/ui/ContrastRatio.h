#pragma once

#include <QColor>

namespace tidewell::contrast {

// The opaque colour seen where over (alpha honoured) is drawn on the opaque under.
QColor composited(const QColor& over, const QColor& under);

// The relative luminance of an opaque colour as WCAG 2 defines it: 0 for black, 1 for white.
double relativeLuminance(const QColor& color);

// The WCAG 2 contrast ratio of text drawn in text (alpha honoured) on the opaque background:
// 1 for no contrast, 21 for black on white. Body text needs 4.5 at least.
double ratio(const QColor& text, const QColor& background);

} // namespace tidewell::contrast
