// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the program's title, version and a notice.
#pragma once

#include <QDialog>

class QFrame;
class QPushButton;

namespace quorlink {

struct Model;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(const Model& model, QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize SmallestSize() const;

    QFrame* frame_;
    QPushButton* ok_;
};

}  // namespace quorlink
