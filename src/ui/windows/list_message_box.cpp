// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_message_box.h"

#include "file_filters.h"
#include "latin1.h"
#include "whole_file.h"
#include "file_fault.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quorlink {

namespace {

QStyle::StandardPixmap PixmapOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Critical: return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question: return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Exclamation:
    case MessageIcon::Warning:
    case MessageIcon::None: break;
    }
    return QStyle::SP_MessageBoxWarning;
}

QPushButton* Button(QDialogButtonBox* buttons, const char* name, const QString& caption,
                    QDialogButtonBox::ButtonRole role)
{
    QPushButton* button = buttons->addButton(caption, role);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

ListMessageBox::ListMessageBox(Prompt& prompt, const QString& title, const QString& text, MessageIcon icon,
                               const QString& wholeList, QWidget* parent)
    : QDialog(parent), prompt_(prompt), wholeList_(wholeList)
{
    setObjectName(QStringLiteral("frmListMessage"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    if (icon != MessageIcon::None) {
        auto* picture = new QLabel(this);
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        picture->setPixmap(style()->standardIcon(PixmapOf(icon), nullptr, this).pixmap(side, side));
        top->addWidget(picture, 0, Qt::AlignTop);
    }
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lblListText"));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(label, 1);
    layout->addLayout(top);
    done_ = new QLabel(this);
    done_->setObjectName(QStringLiteral("lblListDone"));
    done_->hide();
    layout->addWidget(done_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* saveAs = Button(buttons, "cmdListSaveAs", tr("Save &As..."), QDialogButtonBox::ActionRole);
    QPushButton* copy = Button(buttons, "cmdListCopy", tr("&Copy"), QDialogButtonBox::ActionRole);
    QPushButton* ok = Button(buttons, "cmdListOK", tr("OK"), QDialogButtonBox::AcceptRole);
    saveAs->setToolTip(tr("Saves the whole list as a text file"));
    copy->setToolTip(tr("Puts the whole list on the clipboard"));
    saveAs->setAutoDefault(false);
    copy->setAutoDefault(false);
    ok->setDefault(true);
    ok->setFocus();
    connect(saveAs, &QPushButton::clicked, this, &ListMessageBox::cmdSaveAs_Click);
    connect(copy, &QPushButton::clicked, this, &ListMessageBox::cmdCopy_Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ListMessageBox::cmdSaveAs_Click()
{
    const QString path = prompt_.SaveFileName(TextFilter());
    if (path.isEmpty())
        return;
    if (const Fault fault = WriteWholeFile(path, wholeList_.toUtf8())) {
        prompt_.Message(windowTitle(), tr("FileSave Error!!\n\n%1").arg(FaultText(fault)),
                        MessageIcon::Warning);
        return;
    }
    done_->setText(tr("The whole list was saved as %1.").arg(QFileInfo(path).fileName()));
    done_->show();
}

void ListMessageBox::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(wholeList_);
    done_->setText(tr("The whole list is on the clipboard."));
    done_->show();
}

}  // namespace quorlink
