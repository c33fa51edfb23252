// SPDX-License-Identifier: GPL-3.0-or-later
// Menu items and separators named as the menus' object names spell them
// ("mnuFileNew", "mnuFileBar1").
#pragma once

#include <QAction>
#include <QMenu>

namespace quorlink {

inline QAction* AddAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

inline void AddSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace quorlink
