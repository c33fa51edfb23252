// SPDX-License-Identifier: GPL-3.0-or-later
// The tree on the left of the main window: one node per page, keyed as the
// pages know them ("P", "PU", "PU 3", "E 40", "SM 1", ...).
#pragma once

#include "node_keys.h"
#include "records.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace quorlink {

struct Model;

// The key of a node as the tree holds it.
inline QString TreeKey(NodeKey node) { return QLatin1String(KeyText(node)); }
// "[Enable]" for a flag that is on, else empty.
QString EnableMark(bool flag);
// Parent key, a blank, the number: "PU 0", "E 40".
QString ChildKey(const QString& parentKey, int number);
inline QString ChildKey(NodeKey parent, int number) { return ChildKey(TreeKey(parent), number); }
// Whether key is a child of the list node parent.
bool IsChildKey(const QString& key, NodeKey parent);
// The number of a child key, or -1 when the key has none.
int ChildNumber(const QString& key);
// The key of a region's channel list node: "PU", "PI" or "PC".
QString RegionKey(Region region);

QString ChannelNodeText(const Model& model, Region region, int index);
QString ExpNodeText(const Model& model, int number);
QString DirectoryNodeText(const Model& model, DirectoryKind kind, int number);

class NavigationTree {
public:
    explicit NavigationTree(QTreeWidget* tree) : tree_(tree) {}

    void BuildTree(const Model& model);
    void RefreshTreeTexts(const Model& model);
    void AddChildNode(const QString& parentKey, const QString& key, const QString& text);

    QTreeWidgetItem* ItemByKey(const QString& key) const;
    static QString KeyOf(const QTreeWidgetItem* item);
    // Position in the order the nodes were added, from 1; -1 for none.
    static int PositionOf(const QTreeWidgetItem* item);
    static QString ParentKeyOf(const QTreeWidgetItem* item);

    QTreeWidget* widget() const { return tree_; }

private:
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    QTreeWidget* tree_;
    int added_ = 0;
};

}  // namespace quorlink
