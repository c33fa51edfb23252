// SPDX-License-Identifier: GPL-3.0-or-later
// The note under an MMSI box: what kind of station the number belongs to
// and its country, or a warning in the warning colour. It follows the box as
// the user types and never refuses anything. A note too long for the page
// wraps; two lines are always kept for it.
#pragma once

#include "mmsi.h"

#include <QLabel>
#include <functional>

class QLineEdit;

namespace quorlink {

class MmsiNoteLabel : public QLabel {
    Q_OBJECT

public:
    MmsiNoteLabel(const MidTable& mids, const char* name, QWidget* parent);

    // Shows the note for every text the box gets, typed or filled in.
    void Follow(QLineEdit* field, std::function<MmsiUse()> use);
    void ShowFor(const QString& typed, MmsiUse use);
    bool IsWarning() const { return warning_; }

    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    int ReservedHeight() const;

    const MidTable& mids_;
    bool warning_ = false;
};

// A colour for warnings that reads on the palette's window background.
QColor WarningColour(const QPalette& palette);

}  // namespace quorlink
