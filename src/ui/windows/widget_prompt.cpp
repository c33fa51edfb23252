// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_prompt.h"

#include "compare_window.h"
#include "dialog_folder.h"
#include "help_window.h"
#include "list_message_box.h"
#include "program_folder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

namespace quorlink {

namespace {

struct WidgetPromptTexts {
    Q_DECLARE_TR_FUNCTIONS(WidgetPromptTexts)
};

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation:
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::OkCancelSafe: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::StopOrKeepWriting:  // buttons of their own (StopOrKeepWriting below)
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

// "Stop Writing" or "Keep Writing"; Keep Writing is the default and Escape's.
Answer StopOrKeepWriting(QMessageBox& box)
{
    box.setStandardButtons(QMessageBox::NoButton);
    QPushButton* stop = box.addButton(WidgetPromptTexts::tr("Stop Writing"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(WidgetPromptTexts::tr("Keep Writing"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == stop ? Answer::Yes : Answer::No;
}

}  // namespace

QString QtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2)
        names.append(parts[i]);
    return names.join(QStringLiteral(";;"));
}

Answer WidgetPrompt::Message(const QString& title, const QString& text, MessageIcon icon,
                             MessageButtons buttons)
{
    QMessageBox box(IconOf(icon), title, text, ButtonsOf(buttons), parent_);
    if (buttons == MessageButtons::StopOrKeepWriting)
        return StopOrKeepWriting(box);
    if (buttons == MessageButtons::OkCancelSafe)
        box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}

bool WidgetPrompt::ConfirmChanges(const QString& title, const std::vector<Difference>& changes,
                                  const std::function<void(const QString& key, const QString& field)>& jump)
{
    return CompareWindow::ConfirmWrite(changes, title, *this, jump, parent_);
}

bool WidgetPrompt::ChooseChanges(const QString& title, const std::vector<Difference>& changes,
                                 const std::function<void(const QString& key, const QString& field)>& jump,
                                 std::vector<bool>& ticked)
{
    return CompareWindow::ConfirmWrite(changes, title, *this, jump, parent_, &ticked);
}

Answer WidgetPrompt::ListMessage(const QString& title, const QString& text, MessageIcon icon,
                                 const QString& wholeList)
{
    ListMessageBox box(*this, title, text, icon, wholeList, parent_);
    box.exec();
    return Answer::Ok;
}

void WidgetPrompt::AddSidebarFolder(const QString& folder)
{
    QDir().mkpath(folder);
    sidebarFolders_.append(folder);
}

QString WidgetPrompt::OpenFileName(const QString& filter)
{
    QFileDialog dialog(parent_, QString(), DialogStartFolder(), QtFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString& folder : sidebarFolders_)
        places.append(QUrl::fromLocalFile(folder));
    dialog.setSidebarUrls(places);
    const QString chosen = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    RememberDialogFolder(chosen);
    return chosen;
}

QString DefaultSuffixOf(const QString& qtNameFilter)
{
    static const QRegularExpression onePattern(QStringLiteral("\\(\\*\\.([A-Za-z0-9]+)\\)$"));
    return onePattern.match(qtNameFilter).captured(1);
}

namespace {

// A name typed without an extension gets the one of the chosen filter, before
// the dialog asks about replacing a file, so that "boat" is saved as the
// boat.dat the Open dialog then shows.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& filter) : QFileDialog(parent, QString(), DialogStartFolder(), filter)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        setDefaultSuffix(DefaultSuffixOf(selectedNameFilter()));
        connect(this, &QFileDialog::filterSelected, this,
                [this](const QString& chosen) { setDefaultSuffix(DefaultSuffixOf(chosen)); });
    }

    void accept() override
    {
        setDefaultSuffix(DefaultSuffixOf(selectedNameFilter()));
        QFileDialog::accept();
    }
};

}  // namespace

QString WidgetPrompt::SaveFileName(const QString& filter)
{
    SaveDialog dialog(parent_, QtFilter(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    RememberDialogFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompt::ShowGuide(const QString& section)
{
    const QString guide = UserGuidePath();
    if (guide.isEmpty())
        return WidgetPromptTexts::tr("The user guide README.md is not installed.");
    // Beside a modal dialog only a window of its own can be used.
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_;
    if (guide_ && guide_->parentWidget() != owner)
        guide_->deleteLater();
    if (!guide_ || guide_->parentWidget() != owner) {
        guide_ = new HelpWindow(guide, owner);
        guide_->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
    guide_->GoTo(section);
    return {};
}

QString WidgetPrompt::ShowHelp(const QString& helpFile, int context)
{
    // Old help files have no viewer here; the desktop opens the file with
    // whatever the user has for it, and the context rides along as a fragment.
    if (!QFileInfo::exists(helpFile))
        return WidgetPromptTexts::tr("Help file %1 not found.").arg(QFileInfo(helpFile).fileName());
    QUrl url = QUrl::fromLocalFile(helpFile);
    url.setFragment(QString::number(context));
    if (!QDesktopServices::openUrl(url))
        return WidgetPromptTexts::tr("No program is set up to open %1.").arg(QFileInfo(helpFile).fileName());
    return {};
}

}  // namespace quorlink
