// SPDX-License-Identifier: GPL-3.0-or-later
// The data pane's pages. All panels lie on top of each other; exactly the
// active one is enabled and in front.
#pragma once

#include "records.h"

#include <QWidget>
#include <array>

namespace quorlink {

enum class Panel { A, B, C, D, E, F, G };  // pictA .. pictG

class PageStack {
public:
    explicit PageStack(QWidget* dataPane);

    QWidget* panel(Panel p) const { return panels_[static_cast<std::size_t>(p)]; }
    // Disables every page panel, taking the focus away from their controls.
    void HideAllPages();
    void Activate(Panel p);
    Panel Active() const { return active_; }
    bool IsActive(Panel p) const { return panel(p)->isEnabled(); }
    // Places every panel at 100, 100 twips inside the pane, less 200 in both
    // directions; with placeTabs the settings tab strip fills its panel again.
    void Place(double twipsPerPixelX, double twipsPerPixelY, bool placeTabs);
    // The settings page's tab strip: it keeps its size and place through a
    // splitter drag and follows its panel at the next window resize.
    void SetTabStrip(QWidget* tabs) { tabStrip_ = tabs; }

private:
    QWidget* pane_;
    std::array<QWidget*, 7> panels_{};
    Panel active_ = Panel::F;
    QWidget* tabStrip_ = nullptr;
};

}  // namespace quorlink
