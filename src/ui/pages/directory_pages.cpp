// SPDX-License-Identifier: GPL-3.0-or-later
#include "directory_pages.h"

#include "readable_colour.h"

#include "model.h"
#include "navigation_tree.h"
#include "page_host.h"
#include "page_wiring.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace quorlink {

namespace {

const DirectoryTraits kTraits[] = {
    {DirectoryKind::Individual, QT_TRANSLATE_NOOP("DirectoryTraits", "Station Name"),
     QT_TRANSLATE_NOOP("DirectoryTraits", "STATION NAME"),
     QT_TRANSLATE_NOOP("DirectoryTraits", "Individual Directory MMSI"), MmsiUse::Individual, 1047, 1049, 1050, 1051},
    {DirectoryKind::Group, QT_TRANSLATE_NOOP("DirectoryTraits", "Group Name"),
     QT_TRANSLATE_NOOP("DirectoryTraits", "GROUP NAME"), QT_TRANSLATE_NOOP("DirectoryTraits", "Group Directory MMSI"),
     MmsiUse::Group, 1067, 1069, 1070, 1071},
};

}  // namespace

QString DirectoryText(const char* text) { return QCoreApplication::translate("DirectoryTraits", text); }

const DirectoryTraits& TraitsOf(DirectoryKind kind) { return kTraits[kind == DirectoryKind::Individual ? 0 : 1]; }

std::optional<DirectoryKind> DirectoryOfListKey(const QString& key)
{
    for (const DirectoryTraits& t : kTraits)
        if (key == TreeKey(DirectoryList(t.kind)))
            return t.kind;
    return std::nullopt;
}

void DeleteDirectoryEntry(Directory& directory, int k)
{
    if (k < 1 || k > directory.size())
        return;
    for (int i = k; i < directory.size(); ++i)
        directory.at(i) = directory.at(i + 1);
    directory.at(directory.size()) = DirectoryEntry{};
}

void ColourDirectoryNodes(PageHost& window, PageWiring& wiring, DirectoryKind kind)
{
    QTreeWidgetItem* list = wiring.Tree().ItemByKey(TreeKey(DirectoryList(kind)));
    if (list == nullptr)
        return;
    const QPalette& palette = wiring.TreeWidget()->palette();
    const QBrush normal = palette.brush(QPalette::Active, QPalette::Text);
    // Greyed as the desktop greys, yet still to be read.
    const QBrush grey(ReadableOn(palette.color(QPalette::Disabled, QPalette::Text), palette.color(QPalette::Base)));
    const int lastOpen = CountUsedEntries(window.model().DirectoryOf(kind)) + 1;
    for (int i = 0; i < list->childCount(); ++i)
        list->child(i)->setForeground(0, i + 1 <= lastOpen ? normal : grey);
}

}  // namespace quorlink
