// SPDX-License-Identifier: GPL-3.0-or-later
#include "mmsi_note.h"

#include "latin1.h"
#include "model_text.h"
#include "readable_colour.h"

#include <QLineEdit>

namespace quorlink {

QColor WarningColour(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const bool darkBackground = window.lightnessF() < 0.5;
    return ReadableOn(darkBackground ? QColor(0xFF, 0xB0, 0x40) : QColor(0xB0, 0x3A, 0x00), window);
}

MmsiNoteLabel::MmsiNoteLabel(const MidTable& mids, const char* name, QWidget* parent) : QLabel(parent), mids_(mids)
{
    setObjectName(QLatin1String(name));
    setTextFormat(Qt::PlainText);
    // A long note wraps rather than lose its end: at the window's first size
    // "Starts with 970: an AIS-SART, not a ship's own MMSI" takes two lines.
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// Two lines are kept free whatever the note, so the page does not jump when a
// note comes, goes or wraps (more only where the page is narrower still).
int MmsiNoteLabel::heightForWidth(int width) const
{
    return qMax(QLabel::heightForWidth(width), ReservedHeight());
}

QSize MmsiNoteLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint().expandedTo(QSize(0, ReservedHeight()));
}

QSize MmsiNoteLabel::sizeHint() const { return QLabel::sizeHint().expandedTo(QSize(0, ReservedHeight())); }

int MmsiNoteLabel::ReservedHeight() const
{
    const int margins = contentsMargins().top() + contentsMargins().bottom();
    return 2 * fontMetrics().lineSpacing() + margins;
}

void MmsiNoteLabel::Follow(QLineEdit* field, std::function<MmsiUse()> use)
{
    connect(field, &QLineEdit::textChanged, this, [this, use](const QString& text) { ShowFor(text, use()); });
}

void MmsiNoteLabel::ShowFor(const QString& typed, MmsiUse use)
{
    const MmsiNote note = NoteForMmsi(ToStdString(typed.trimmed()), use, mids_);
    warning_ = note.warning;
    const QString text = ModelText(note.words);
    setText(text);
    setToolTip(text);
    QPalette colours = parentWidget() ? parentWidget()->palette() : palette();
    if (warning_)
        colours.setColor(QPalette::WindowText, WarningColour(colours));
    setPalette(colours);
}

}  // namespace quorlink
