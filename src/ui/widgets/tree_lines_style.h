// SPDX-License-Identifier: GPL-3.0-or-later
// The tree's branches drawn the classic way: dotted lines between the nodes
// and from the roots, and a box with plus or minus on every node that has
// children. Everything else is drawn by the application's style.
#pragma once

#include <QProxyStyle>

namespace quorlink {

class TreeLinesStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace quorlink
