// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide inside the program: the installed README.md with its
// pictures, rendered by Qt's own Markdown support. Stands in for the help
// file when that is not installed.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace quorlink {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    HelpWindow(const QString& guidePath, QWidget* parent = nullptr);

    // Scrolls to the first heading or paragraph that starts with the section's
    // text; false when there is none. An empty section is the top.
    bool GoTo(const QString& section);
    QTextBrowser* Browser() const { return browser_; }

private:
    void NameHeadings();
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;
};

}  // namespace quorlink
