// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_pages.h"

#include "ab_page.h"
#include "channel_editor.h"
#include "channel_grid.h"
#include "directory_entry_page.h"
#include "directory_list_page.h"
#include "page_host.h"
#include "page_wiring.h"
#include "settings_page.h"
#include "wx_page.h"

namespace quorlink {

void InstallPages(PageHost& window, PageWiring& wiring)
{
    new ABPage(window, wiring);
    new ChannelGrid(window, wiring);
    new ChannelEditor(window, wiring);
    new WxPage(window, wiring);
    new DirectoryListPage(window, wiring);
    new SettingsPage(window, wiring);
    new DirectoryEntryPage(window, wiring);
}

}  // namespace quorlink
