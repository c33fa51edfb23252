// SPDX-License-Identifier: GPL-3.0-or-later
// The small drawings of the transfer dialog: a handheld radio and a PC.
#pragma once

#include <QWidget>

namespace quorlink {

class DevicePicture : public QWidget {
public:
    enum class Kind { Radio, Pc };
    DevicePicture(Kind kind, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

}  // namespace quorlink
