// SPDX-License-Identifier: GPL-3.0-or-later
// Twips (1/1440 inch) per pixel of the screen a widget is on.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorlink {

inline double TwipsPerPixelX(const QWidget* widget)
{
    const QScreen* s = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return 1440.0 / (s ? s->logicalDotsPerInchX() : 96.0);
}

inline double TwipsPerPixelY(const QWidget* widget)
{
    const QScreen* s = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return 1440.0 / (s ? s->logicalDotsPerInchY() : 96.0);
}

}  // namespace quorlink
