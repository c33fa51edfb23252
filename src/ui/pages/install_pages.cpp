#include "install_pages.h"

#include "main_window.h"

namespace quorlink {

void InstallPages(MainWindow& /*window*/)
{
}

}  // namespace quorlink
