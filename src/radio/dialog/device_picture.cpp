// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_picture.h"

#include <QPainter>

namespace quorlink {

DevicePicture::DevicePicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) { setFixedSize(64, 96); }

void DevicePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    if (kind_ == Kind::Radio) {
        p.drawLine(40, 4, 40, 26);                         // antenna
        p.setBrush(palette().color(QPalette::Mid));
        p.drawRoundedRect(18, 26, 30, 66, 5, 5);           // body
        p.setBrush(palette().color(QPalette::Base));
        p.drawRect(23, 34, 20, 14);                         // display
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(QPointF(26 + 7 * col, 58 + 9 * row), 2, 2);
    } else {
        p.setBrush(palette().color(QPalette::Base));
        p.drawRect(4, 20, 56, 40);                          // screen
        p.drawLine(32, 60, 32, 70);
        p.drawLine(18, 70, 46, 70);
        p.setBrush(palette().color(QPalette::Mid));
        p.drawRect(6, 78, 52, 12);                          // keyboard
    }
}

}  // namespace quorlink
