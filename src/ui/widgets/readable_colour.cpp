// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_colour.h"

#include <cmath>

namespace quorlink {

namespace {

constexpr double kReadable = 4.5;

double Luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background)
{
    const QColor end = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step <= 20; ++step) {
        const QColor c = Mixed(wanted, end, step / 20.0);
        if (ContrastRatio(c, background) >= kReadable)
            return c;
    }
    return end;
}

}  // namespace quorlink
