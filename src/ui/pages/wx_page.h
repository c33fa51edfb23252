// SPDX-License-Identifier: GPL-3.0-or-later
// pictD: the ten weather channels, one row each.
#pragma once

#include <QObject>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorlink {

class PageHost;
class PageWiring;
struct Model;

class WxPage : public QObject {
    Q_OBJECT

public:
    explicit WxPage(PageHost& window, PageWiring& wiring);

    void FillWxPage();
    void ShowWxPage();
    void ResetWxPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* label;
        QCheckBox* enable;
        QCheckBox* scan;
        QLineEdit* name;
    };
    void BuildRows(QWidget* page);
    void EnableRow(int i);
    QString ChangeName(int i, const char* change) const;

    PageHost& window_;
    PageWiring& wiring_;
    const Model& model_;
    std::array<Row, 10> rows_{};
};

}  // namespace quorlink
