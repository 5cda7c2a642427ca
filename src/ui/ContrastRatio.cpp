#include "ContrastRatio.h"

#include <algorithm>
#include <cmath>

namespace tidewell::contrast {

namespace {

double linearChannel(float channel) {
    return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

QColor composited(const QColor& over, const QColor& under) {
    const float alpha = over.alphaF();
    const auto mix = [alpha](float top, float bottom) {
        return alpha * top + (1 - alpha) * bottom;
    };
    return QColor::fromRgbF(mix(over.redF(), under.redF()), mix(over.greenF(), under.greenF()),
                            mix(over.blueF(), under.blueF()));
}

double relativeLuminance(const QColor& color) {
    return 0.2126 * linearChannel(color.redF()) + 0.7152 * linearChannel(color.greenF()) +
           0.0722 * linearChannel(color.blueF());
}

double ratio(const QColor& text, const QColor& background) {
    const double textLuminance = relativeLuminance(composited(text, background));
    const double backgroundLuminance = relativeLuminance(background);
    return (std::max(textLuminance, backgroundLuminance) + 0.05) /
           (std::min(textLuminance, backgroundLuminance) + 0.05);
}

} // namespace tidewell::contrast
