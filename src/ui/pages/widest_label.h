// SPDX-License-Identifier: GPL-3.0-or-later
// A label that takes the width of the widest text it can show, whichever it
// shows: the column of a form it stands in keeps its width, so the fields
// beside it do not move when the label changes ("Station Name" and "Group
// Name", "Channel Number" and "Position").
#pragma once

#include <QLabel>
#include <QStringList>

namespace quorlink {

class WidestTextLabel : public QLabel {
public:
    // texts: every text the label can show; the first is shown.
    WidestTextLabel(const QStringList& texts, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // How much wider the widest text is than the one shown.
    int ExtraWidth() const;

    QStringList texts_;
};

}  // namespace quorlink
