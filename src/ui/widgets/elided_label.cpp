// SPDX-License-Identifier: GPL-3.0-or-later
#include "elided_label.h"

#include <QPainter>
#include <QStyle>

namespace quorlink {

void ElidedLabel::SetWholeText(const QString& text, const QString& path)
{
    if (text == QLabel::text() && path == path_)
        return;
    path_ = path;
    setText(text);
    updateGeometry();  // the width it does with follows the path
    update();
    UpdateToolTip();
}

QRect ElidedLabel::TextArea() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QString ElidedLabel::ShownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const QString whole = text();
    const int width = qMax(0, TextArea().width());
    const int at = path_.isEmpty() ? -1 : whole.lastIndexOf(path_);
    if (at < 0)
        return metrics.elidedText(whole, Qt::ElideRight, width);
    if (metrics.horizontalAdvance(whole) <= width)
        return whole;
    const QString before = whole.left(at);
    const QString after = whole.mid(at + path_.size());
    const int room = width - metrics.horizontalAdvance(before) - metrics.horizontalAdvance(after);
    const QString path = metrics.elidedText(path_, Qt::ElideMiddle, qMax(0, room));
    return before + (path.isEmpty() ? QString(QChar(0x2026)) : path) + after;
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins frame = contentsMargins();
    QString shortest = text();
    const int at = path_.isEmpty() ? -1 : shortest.lastIndexOf(path_);
    if (at < 0)
        return QLabel::minimumSizeHint();
    shortest.replace(at, path_.size(), QChar(0x2026));
    const int width = fontMetrics().horizontalAdvance(shortest) + 2 * margin() + frame.left() + frame.right();
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
