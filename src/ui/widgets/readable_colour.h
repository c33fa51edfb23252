// SPDX-License-Identifier: GPL-3.0-or-later
// Colours for texts the window tints (greyed directory entries, warnings)
// that stay readable on any desktop, light or dark: at least 4.5:1 against
// their background, as WCAG's AA asks of normal text.
#pragma once

#include <QColor>

namespace quorlink {

// Contrast as WCAG 2 reckons it, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// wanted, moved towards black or white (whichever the background stands
// further from) just as far as it takes to reach 4.5:1.
QColor ReadableOn(const QColor& wanted, const QColor& background);

}  // namespace quorlink
