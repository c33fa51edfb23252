// SPDX-License-Identifier: GPL-3.0-or-later
#include "change_ticks.h"

#include "chosen_changes.h"
#include "latin1.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <map>

namespace quorlink {

namespace {

// The page a line belongs to, by its tree key up to the child's number. The
// radio's own words (A/B, USA, WX, EXP) stay as the radio shows them.
struct PageHeading {
    const char* key;
    const char* heading;
};
const PageHeading kPageHeadings[] = {
    {"P", "A/B"},
    {"PU", "USA"},
    {"PI", QT_TRANSLATE_NOOP("ChangeTicks", "International")},
    {"PC", QT_TRANSLATE_NOOP("ChangeTicks", "Canada")},
    {"PW", "WX"},
    {"E", "EXP"},
    {"S", QT_TRANSLATE_NOOP("ChangeTicks", "Settings")},
    {"SM", QT_TRANSLATE_NOOP("ChangeTicks", "Individual Directory")},
    {"SG", QT_TRANSLATE_NOOP("ChangeTicks", "Group Directory")},
};

QString HeadingOf(const std::vector<Difference>& changes, std::size_t line)
{
    if (PartOf(changes, line) == "user-mmsi")
        return ChangeTicks::tr("User MMSI");
    const std::string page = changes[line].key.substr(0, changes[line].key.find(' '));
    for (const PageHeading& heading : kPageHeadings)
        if (page == heading.key)
            return ChangeTicks::tr(heading.heading);
    return ChangeTicks::tr("Bytes the editor does not show");
}

}  // namespace

ChangeTicks::ChangeTicks(QTreeWidget* list, const std::vector<Difference>& changes, QLabel* count, QPushButton* write)
    : QObject(list), changes_(changes), count_(count), write_(write), lines_(changes.size(), nullptr),
      tieOf_(changes.size(), -1)
{
    tied_ = ChangeGroups(changes);
    for (std::size_t t = 0; t < tied_.size(); ++t)
        for (std::size_t line : tied_[t])
            tieOf_[line] = static_cast<int>(t);
    std::vector<QTreeWidgetItem*> items;
    while (list->topLevelItemCount() > 0)
        items.push_back(list->takeTopLevelItem(0));
    std::map<QString, QTreeWidgetItem*> pages;
    for (std::size_t i = 0; i < items.size() && i < changes.size(); ++i) {
        if (!IsSendable(changes[i])) {
            list->addTopLevelItem(items[i]);
            continue;
        }
        const QString heading = HeadingOf(changes, i);
        QTreeWidgetItem*& page = pages[heading];
        if (!page) {
            page = new QTreeWidgetItem(list, {heading});
            page->setFlags(page->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            page->setExpanded(true);
        }
        page->addChild(items[i]);
        items[i]->setFlags(items[i]->flags() | Qt::ItemIsUserCheckable);
        items[i]->setCheckState(0, Qt::Checked);
        lines_[i] = items[i];
    }
    for (auto& [heading, page] : pages)
        page->setExpanded(true);
    list->setRootIsDecorated(true);
    connect(list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { LineChanged(item); });
    ShowCount();
}

std::vector<bool> ChangeTicks::Ticked() const
{
    std::vector<bool> ticked(changes_.size(), false);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        ticked[i] = lines_[i] && lines_[i]->checkState(0) == Qt::Checked;
    return ticked;
}

void ChangeTicks::LineChanged(QTreeWidgetItem* item)
{
    const auto at = std::find(lines_.begin(), lines_.end(), item);
    if (at != lines_.end() && !tying_) {
        const std::size_t line = static_cast<std::size_t>(at - lines_.begin());
        tying_ = true;
        for (std::size_t other : tied_[static_cast<std::size_t>(tieOf_[line])])
            if (lines_[other] != item)
                lines_[other]->setCheckState(0, item->checkState(0));
        tying_ = false;
    }
    ShowCount();
}

void ChangeTicks::ShowCount()
{
    const std::vector<bool> ticked = Ticked();
    const auto total = std::count_if(lines_.begin(), lines_.end(), [](QTreeWidgetItem* line) { return line; });
    const auto chosen = std::count(ticked.begin(), ticked.end(), true);
    count_->setText(tr("Program to Radio changes these in the radio: %1 of %2 changes ticked")
                        .arg(chosen)
                        .arg(total));
    write_->setEnabled(total == 0 || chosen > 0);
}

}  // namespace quorlink
