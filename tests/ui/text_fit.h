// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the texts a window shows only in part: a label, button, tab, column
// header, group title, list or menu title narrower than its words.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTreeWidget>

namespace quorlink::test {

inline QString Shown(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

inline QString Where(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 '%2' (%3): \"%4\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
             w->window()->objectName().isEmpty() ? w->window()->windowTitle() : w->window()->objectName(), text);
}

inline void CheckLabel(const QLabel* label, QStringList& cut)
{
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
        return;
    const QRect inside = label->contentsRect();
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
    const QRect needed = label->fontMetrics().boundingRect(inside, flags, label->text());
    if (needed.width() > inside.width() || needed.height() > inside.height())
        cut << Where(label, label->text());
}

inline void CheckButton(const QAbstractButton* button, QStringList& cut)
{
    if (button->text().isEmpty() || qobject_cast<const QTabBar*>(button->parentWidget()))
        return;
    const QSize hint = button->sizeHint();
    if (button->width() < hint.width() || button->height() < hint.height())
        cut << Where(button, button->text());
}

inline void CheckCombo(const QComboBox* combo, QStringList& cut)
{
    // The closed list shows its current item; the widest one must fit.
    const QFontMetrics metrics = combo->fontMetrics();
    for (int i = 0; i < combo->count(); ++i) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        if (metrics.horizontalAdvance(combo->itemText(i)) > field.width())
            cut << Where(combo, combo->itemText(i));
    }
}

inline void CheckTabs(const QTabBar* tabs, QStringList& cut)
{
    for (int i = 0; i < tabs->count(); ++i) {
        const QString text = Shown(tabs->tabText(i));
        const int needed = tabs->fontMetrics().horizontalAdvance(text);
        const QRect rect = tabs->tabRect(i);
        if (rect.width() < needed || !tabs->rect().contains(rect))
            cut << Where(tabs, tabs->tabText(i));
    }
}

inline void CheckHeader(const QHeaderView* header, QStringList& cut)
{
    const QAbstractItemModel* model = header->model();
    if (!model || !header->isVisible())
        return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i))
            continue;
        const QString text = model->headerData(i, header->orientation()).toString();
        const int needed = header->fontMetrics().horizontalAdvance(text) + 2 * margin;
        if (header->orientation() == Qt::Horizontal && header->sectionSize(i) < needed)
            cut << Where(header, text);
    }
}

inline void CheckGroup(const QGroupBox* group, QStringList& cut)
{
    if (!group->title().isEmpty() && group->fontMetrics().horizontalAdvance(Shown(group->title())) > group->width())
        cut << Where(group, group->title());
}

inline void CheckMenuBar(const QMenuBar* bar, QStringList& cut)
{
    // Titles that do not fit the bar move behind its extension button.
    for (QAction* action : bar->actions()) {
        if (!action->isVisible())
            continue;
        const QRect rect = bar->actionGeometry(action);
        if (rect.isEmpty() || !bar->rect().contains(rect))
            cut << Where(bar, action->text());
    }
}

// Every text in view in window that is shown only in part.
inline QStringList CutTexts(const QWidget* window)
{
    QStringList cut;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->inherits("quorlink::ElidedLabel"))
            CheckLabel(label, cut);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            CheckButton(button, cut);
        else if (const auto* combo = qobject_cast<const QComboBox*>(w); combo && !combo->isEditable())
            CheckCombo(combo, cut);
        else if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            CheckTabs(tabs, cut);
        else if (const auto* header = qobject_cast<const QHeaderView*>(w))
            CheckHeader(header, cut);
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            CheckGroup(group, cut);
        else if (const auto* bar = qobject_cast<const QMenuBar*>(w))
            CheckMenuBar(bar, cut);
    }
    cut.removeDuplicates();
    return cut;
}

}  // namespace quorlink::test
