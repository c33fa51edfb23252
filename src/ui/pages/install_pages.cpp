// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_pages.h"

#include "ab_page.h"
#include "channel_editor.h"
#include "channel_grid.h"
#include "directory_entry_page.h"
#include "directory_list_page.h"
#include "page_host.h"
#include "settings_page.h"
#include "wx_page.h"

namespace quorlink {

void InstallPages(PageHost& window)
{
    new ABPage(window);
    new ChannelGrid(window);
    new ChannelEditor(window);
    new WxPage(window);
    new DirectoryListPage(window);
    new SettingsPage(window);
    new DirectoryEntryPage(window);
}

}  // namespace quorlink
