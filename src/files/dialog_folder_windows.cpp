// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_folder.h"

#include "settings_store.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace quorlink {

QString DialogStartFolder()
{
    const QString last = SettingsStore::DialogFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberDialogFolder(const QString& chosenPath)
{
    if (!chosenPath.isEmpty())
        SettingsStore::StoreDialogFolder(QFileInfo(chosenPath).absolutePath());
}

}  // namespace quorlink
