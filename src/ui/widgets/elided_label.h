// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line label that shows as much of its text as fits. A text that names
// a file keeps its words and cuts only the path, in the middle, so that both
// its ends stay readable ("Saved as /home/…/MR5100A.def"); another is cut at
// its end. While the text is cut, the whole of it is the label's tooltip.
#pragma once

#include <QLabel>

namespace quorlink {

class ElidedLabel : public QLabel {
    Q_OBJECT  // known by its class name to the checks of cut texts

public:
    explicit ElidedLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    // The whole text, and the part of it that is a path (empty: none);
    // text() gives it back whole.
    void SetWholeText(const QString& text, const QString& path = QString());
    // What is drawn: the text, cut in the middle to the width there is.
    QString ShownText() const;

    // Asks for the whole text's width, as a QLabel does, but does with the
    // path cut to "…"; a text without a path is cut at its end only when the
    // layout cannot give it that width.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect TextArea() const;
    void UpdateToolTip();

    QString path_;
};

}  // namespace quorlink
