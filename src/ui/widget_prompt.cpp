#include "widget_prompt.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace quorlink {

namespace {

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
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
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
    if (buttons == MessageButtons::OkCancelSafe)
        box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}

QString WidgetPrompt::OpenFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), QtFilter(filter));
}

QString WidgetPrompt::SaveFileName(const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, QString(), QString(), QtFilter(filter));
}

QString WidgetPrompt::ShowHelp(const QString& helpFile, int context)
{
    // Old help files have no viewer here; the desktop opens the file with
    // whatever the user has for it, and the context rides along as a fragment.
    if (!QFileInfo::exists(helpFile))
        return QStringLiteral("Help file %1 not found.").arg(QFileInfo(helpFile).fileName());
    QUrl url = QUrl::fromLocalFile(helpFile);
    url.setFragment(QString::number(context));
    if (!QDesktopServices::openUrl(url))
        return QStringLiteral("No program is set up to open %1.").arg(QFileInfo(helpFile).fileName());
    return {};
}

}  // namespace quorlink
