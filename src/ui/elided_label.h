// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line label that shows as much of its text as fits, cut in the middle
// ("/home/…/MR5100A.def") so that both ends stay readable. While the text is
// cut, the whole of it is the label's tooltip.
#pragma once

#include <QLabel>

namespace quorlink {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    // The whole text; text() gives it back whole.
    void SetWholeText(const QString& text);
    // What is drawn: the text, cut in the middle to the width there is.
    QString ShownText() const;

    // Asks for the whole text's width, but does with the width of "…".
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect TextArea() const;
    void UpdateToolTip();
};

}  // namespace quorlink
