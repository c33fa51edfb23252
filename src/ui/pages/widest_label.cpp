// SPDX-License-Identifier: GPL-3.0-or-later
#include "widest_label.h"

namespace quorlink {

WidestTextLabel::WidestTextLabel(const QStringList& texts, QWidget* parent)
    : QLabel(texts.value(0), parent), texts_(texts)
{
}

// Measured with the label's font of the moment, so a changed desktop font
// sizes the column anew, again for the widest text.
int WidestTextLabel::ExtraWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    // Measured as QLabel measures its own text, so that the sums come out even.
    const auto width = [&metrics](const QString& text) {
        return metrics.boundingRect(0, 0, 2000, 2000, Qt::AlignLeft | Qt::AlignTop, text).width();
    };
    int widest = 0;
    for (const QString& text : texts_)
        widest = qMax(widest, width(text));
    return qMax(0, widest - width(text()));
}

QSize WidestTextLabel::sizeHint() const { return QLabel::sizeHint() + QSize(ExtraWidth(), 0); }

QSize WidestTextLabel::minimumSizeHint() const { return QLabel::minimumSizeHint() + QSize(ExtraWidth(), 0); }

}  // namespace quorlink
