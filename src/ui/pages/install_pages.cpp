#include "install_pages.h"

#include "ab_page.h"
#include "channel_editor.h"
#include "channel_grid.h"
#include "main_window.h"
#include "wx_page.h"

namespace quorlink {

void InstallPages(MainWindow& window)
{
    new ABPage(window);
    new ChannelGrid(window);
    new ChannelEditor(window);
    new WxPage(window);
    // Then the directory grid, the settings page and the directory entry editor.
}

}  // namespace quorlink
