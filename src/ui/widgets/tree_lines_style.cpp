// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree_lines_style.h"

#include <QPainter>
#include <QStyleOption>

namespace quorlink {

namespace {
constexpr int kBoxSize = 9;  // odd, so that plus and minus sit in its middle
}

void TreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element != PE_IndicatorBranch) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    const int midX = r.x() + r.width() / 2;
    const int midY = r.y() + r.height() / 2;
    const bool box = option->state & State_Children;
    const int half = box ? kBoxSize / 2 : 0;
    const QBrush dots(option->palette.color(QPalette::Dark), Qt::Dense4Pattern);
    // State_Item: this row's own node, joined from above and to its text;
    // State_Sibling: more nodes of this level follow below.
    if (option->state & (State_Item | State_Sibling))
        painter->fillRect(midX, r.top(), 1, midY - half - r.top(), dots);
    if (option->state & State_Sibling)
        painter->fillRect(midX, midY + half + 1, 1, r.bottom() - midY - half, dots);
    if (option->state & State_Item) {
        if (option->direction == Qt::RightToLeft)
            painter->fillRect(r.left(), midY, midX - half - r.left(), 1, dots);
        else
            painter->fillRect(midX + (box ? half + 1 : 0), midY, r.right() - midX - (box ? half : -1), 1, dots);
    }
    if (!box)
        return;
    const QRect square(midX - half, midY - half, kBoxSize, kBoxSize);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(square, option->palette.color(QPalette::Base));
    painter->setPen(option->palette.color(QPalette::Dark));
    painter->drawRect(square.adjusted(0, 0, -1, -1));
    painter->setPen(option->palette.color(QPalette::Text));
    painter->drawLine(midX - 2, midY, midX + 2, midY);
    if (!(option->state & State_Open))
        painter->drawLine(midX, midY - 2, midX, midY + 2);
    painter->restore();
}

}  // namespace quorlink
