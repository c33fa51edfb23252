// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorlink {

class PageHost;
class PageWiring;

// Creates every page of the data pane, in the order their rebuild steps run:
// A/B lists, channel grid, channel editor, WX rows, directory grid, settings,
// directory entry editor. The pages are children of the window.
void InstallPages(PageHost& window, PageWiring& wiring);

}  // namespace quorlink
