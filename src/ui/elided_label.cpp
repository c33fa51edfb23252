// SPDX-License-Identifier: GPL-3.0-or-later
#include "elided_label.h"

#include <QPainter>
#include <QStyle>

namespace quorlink {

void ElidedLabel::SetWholeText(const QString& text)
{
    if (text == QLabel::text())
        return;
    setText(text);
    UpdateToolTip();
}

QRect ElidedLabel::TextArea() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QString ElidedLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, qMax(0, TextArea().width()));
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins frame = contentsMargins();
    const int width = fontMetrics().horizontalAdvance(QChar(0x2026)) + 2 * margin() + frame.left() + frame.right();
    return {width, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, TextArea(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void ElidedLabel::UpdateToolTip()
{
    const QString whole = text();
    setToolTip(ShownText() == whole ? QString() : whole);
}

}  // namespace quorlink
