// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation_tree.h"

#include "latin1.h"
#include "model.h"

#include <QCoreApplication>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace quorlink {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kPositionRole = Qt::UserRole + 1;

struct NavigationTreeTexts {
    Q_DECLARE_TR_FUNCTIONS(NavigationTreeTexts)
};

// "USA" as the radio shows it; the others as words.
const char* const kRegionTexts[] = {"USA", QT_TRANSLATE_NOOP("NavigationTreeTexts", "International"),
                                    QT_TRANSLATE_NOOP("NavigationTreeTexts", "Canada")};

}  // namespace

QString EnableMark(bool flag) { return flag ? NavigationTreeTexts::tr("[Enable]") : QString(); }

QString ChildKey(const QString& parentKey, int number)
{
    return parentKey + QLatin1Char(' ') + QString::number(number);
}

int ChildNumber(const QString& key)
{
    const int blank = static_cast<int>(key.indexOf(QLatin1Char(' ')));
    if (blank < 0)
        return -1;
    bool ok = false;
    const int number = key.mid(blank + 1).toInt(&ok);
    return ok ? number : -1;
}

bool IsChildKey(const QString& key, NodeKey parent)
{
    return key.startsWith(TreeKey(parent) + QLatin1Char(' '));
}

QString RegionKey(Region region) { return TreeKey(RegionList(region)); }

QString ChannelNodeText(const Model& model, Region region, int index)
{
    const ChannelRecord& record = model.Channels(region).at(static_cast<std::size_t>(index));
    const PlanTable& plan = model.Plan(region);
    const bool known = record.Position >= plan.first() && record.Position <= plan.last();
    const QString label = known ? ToQString(plan.at(record.Position).Label) : QString();
    return QStringLiteral("CH") + label + EnableMark(record.Enable);
}

QString ExpNodeText(const Model& model, int number)
{
    return QStringLiteral("EXP") + QString::number(number) + EnableMark(model.ExpChannels.at(number).Enable);
}

QString DirectoryNodeText(const Model& model, DirectoryKind kind, int number)
{
    const QString name = kind == DirectoryKind::Individual ? NavigationTreeTexts::tr("Individual ID%1")
                                                           : NavigationTreeTexts::tr("Group ID%1");
    return name.arg(number) + EnableMark(model.DirectoryOf(kind).at(number).Enable);
}

QTreeWidgetItem* NavigationTree::AddNode(QTreeWidgetItem* parent, const QString& key, const QString& text)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    item->setData(0, kPositionRole, ++added_);
    return item;
}

void NavigationTree::AddChildNode(const QString& parentKey, const QString& key, const QString& text)
{
    if (QTreeWidgetItem* parent = ItemByKey(parentKey))
        AddNode(parent, key, text);
}

void NavigationTree::BuildTree(const Model& model)
{
    tree_->clear();
    added_ = 0;
    QTreeWidgetItem* programmable =
        AddNode(nullptr, TreeKey(NodeKey::Programmable), NavigationTreeTexts::tr("Programmable Channel"));
    for (Region region : kRegions) {
        const QString key = RegionKey(region);
        const char* text = kRegionTexts[static_cast<int>(region)];
        QTreeWidgetItem* list = AddNode(programmable, key, NavigationTreeTexts::tr(text));
        for (int i = 0; i < static_cast<int>(model.Channels(region).size()); ++i)
            AddNode(list, ChildKey(key, i), ChannelNodeText(model, region, i));
    }
    AddNode(programmable, TreeKey(NodeKey::Wx), NavigationTreeTexts::tr("WX Channel"));
    QTreeWidgetItem* exp = AddNode(nullptr, TreeKey(NodeKey::Exp), NavigationTreeTexts::tr("Exp Channel"));
    for (int n = 1; n <= model.ExpChannels.size(); ++n)
        AddNode(exp, ChildKey(NodeKey::Exp, n), ExpNodeText(model, n));
    QTreeWidgetItem* setting = AddNode(nullptr, TreeKey(NodeKey::Setting), NavigationTreeTexts::tr("Setting"));
    const struct { const char* text; DirectoryKind kind; } directories[] = {
        {QT_TRANSLATE_NOOP("NavigationTreeTexts", "Individual Directory"), DirectoryKind::Individual},
        {QT_TRANSLATE_NOOP("NavigationTreeTexts", "Group Directory"), DirectoryKind::Group}};
    for (const auto& d : directories) {
        QTreeWidgetItem* list = AddNode(setting, TreeKey(DirectoryList(d.kind)), NavigationTreeTexts::tr(d.text));
        for (int n = 1; n <= model.DirectoryOf(d.kind).size(); ++n)
            AddNode(list, ChildKey(DirectoryList(d.kind), n), DirectoryNodeText(model, d.kind, n));
    }
}

void NavigationTree::RefreshTreeTexts(const Model& model)
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        const QString key = KeyOf(*it);
        const int number = ChildNumber(key);
        if (number < 0)
            continue;
        for (Region region : kRegions)
            if (IsChildKey(key, RegionList(region)) &&
                number < static_cast<int>(model.Channels(region).size()))
                (*it)->setText(0, ChannelNodeText(model, region, number));
        if (IsChildKey(key, NodeKey::Exp) && number >= 1 && number <= model.ExpChannels.size())
            (*it)->setText(0, ExpNodeText(model, number));
    }
}

QTreeWidgetItem* NavigationTree::ItemByKey(const QString& key) const
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if (KeyOf(*it) == key)
            return *it;
    return nullptr;
}

QString NavigationTree::KeyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kKeyRole).toString() : QString();
}

int NavigationTree::PositionOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPositionRole).toInt() : -1;
}

QString NavigationTree::ParentKeyOf(const QTreeWidgetItem* item)
{
    return item ? KeyOf(item->parent()) : QString();
}

}  // namespace quorlink
