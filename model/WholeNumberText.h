#pragma once

#include <QString>

#include <cmath>

// Decimal text of a value truncated toward zero, as the display shows
// temperatures and weights. Controller floats are untrusted: non-finite
// values give "-", huge ones are clamped so that the conversion stays defined.
inline QString wholeNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("-");
    const double limit = 1e15;
    const double t = std::trunc(std::fmax(-limit, std::fmin(limit, value)));
    return QString::number(static_cast<qint64>(t));
}
