// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare_window.h"

#include "change_ticks.h"
#include "latin1.h"
#include "prompt.h"
#include "whole_file.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorlink {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kFieldRole = Qt::UserRole + 1;
const QString kTextFilter = QStringLiteral("Text files(*.txt)|*.txt|All files(*.*)|*.*");

QPushButton* Button(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString WhatText(const Difference& d)
{
    return d.rawBytes ? ToQString(d.place) + QStringLiteral(" (the editor does not show them)")
                      : ToQString(d.place + ": " + d.field);
}

}  // namespace

std::optional<CompareSource> AskCompareSource(QWidget* parent, bool lastReadAvailable)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmCompareSource"));
    dialog.setWindowTitle(QStringLiteral("Compare With"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Compare the editor's data with:"), &dialog));
    std::optional<CompareSource> chosen;
    const struct { const char* name; const char* caption; CompareSource source; } choices[] = {
        {"cmdCompareFile", "&File...", CompareSource::File},
        {"cmdCompareRadio", "&Radio", CompareSource::Radio},
        {"cmdCompareLastRead", "&Last read of this radio", CompareSource::LastRead},
    };
    for (const auto& choice : choices) {
        QPushButton* button = Button(choice.name, choice.caption, &dialog);
        layout->addWidget(button);
        const CompareSource source = choice.source;
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &chosen, source] {
            chosen = source;
            dialog.accept();
        });
        if (source == CompareSource::LastRead && !lastReadAvailable) {
            button->setEnabled(false);
            button->setToolTip(QStringLiteral("No read of a radio with this model and user MMSI was kept."));
        }
    }
    QPushButton* cancel = Button("cmdCompareCancel", "Cancel", &dialog);
    layout->addWidget(cancel);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
    return chosen;
}

CompareWindow::CompareWindow(std::vector<Difference> differences, const QString& sources, Prompt& prompt, Jump jump,
                             QWidget* parent)
    : CompareWindow(std::move(differences), sources, prompt, std::move(jump), parent, false)
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* bottom = new QHBoxLayout;
    auto* count = new QLabel(ToQString(DifferenceCount(differences_.size())), this);
    count->setObjectName(QStringLiteral("lblCompareCount"));
    bottom->addWidget(count, 1);
    QPushButton* saveAs = Button("cmdCompareSaveAs", "Save &As...", this);
    QPushButton* close = Button("cmdCompareClose", "&Close", this);
    connect(saveAs, &QPushButton::clicked, this, &CompareWindow::cmdSaveAs_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    bottom->addWidget(saveAs);
    bottom->addWidget(close);
    layout->addLayout(bottom);
}

bool CompareWindow::ConfirmWrite(std::vector<Difference> changes, const QString& title, Prompt& prompt, Jump jump,
                                 QWidget* parent, std::vector<bool>* ticked)
{
    const bool none = changes.empty();
    CompareWindow dialog(std::move(changes), QStringLiteral("Old: the radio    New: the editor's data"), prompt,
                         std::move(jump), parent, true);
    dialog.setObjectName(QStringLiteral("frmWriteChanges"));
    dialog.setWindowTitle(title);
    auto* bottom = new QHBoxLayout;
    auto* count = new QLabel(none ? QStringLiteral("The radio already holds these data.")
                                  : QStringLiteral("Program to Radio changes these in the radio: ") +
                                        ToQString(DifferenceCount(dialog.differences_.size())),
                             &dialog);
    count->setObjectName(QStringLiteral("lblCompareCount"));
    bottom->addWidget(count, 1);
    QPushButton* write = Button("cmdWriteChanges", none ? "Write &Anyway" : "&Write", &dialog);
    QPushButton* cancel = Button("cmdWriteCancel", "Cancel", &dialog);
    cancel->setDefault(true);
    connect(write, &QPushButton::clicked, &dialog, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    bottom->addWidget(write);
    bottom->addWidget(cancel);
    static_cast<QVBoxLayout*>(dialog.layout())->addLayout(bottom);
    cancel->setFocus();
    ChangeTicks* ticks = ticked && !none ? new ChangeTicks(dialog.list_, dialog.differences_, count, write) : nullptr;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (ticks)
        *ticked = ticks->Ticked();
    return accepted;
}

CompareWindow::CompareWindow(std::vector<Difference> differences, const QString& sources, Prompt& prompt, Jump jump,
                             QWidget* parent, bool)
    : QDialog(parent), differences_(std::move(differences)), prompt_(prompt), jump_(std::move(jump))
{
    resize(640, 420);
    auto* layout = new QVBoxLayout(this);
    auto* sourceLabel = new QLabel(sources, this);
    sourceLabel->setObjectName(QStringLiteral("lblCompareSources"));
    layout->addWidget(sourceLabel);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lvDifferences"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Difference"), QStringLiteral("Old"), QStringLiteral("New")});
    for (const Difference& d : differences_) {
        auto* item = new QTreeWidgetItem(list_, {WhatText(d), ToQString(d.oldValue), ToQString(d.newValue)});
        item->setData(0, kKeyRole, ToQString(d.key));
        item->setData(0, kFieldRole, ToQString(d.field));
        item->setToolTip(0, ToQString(d.Text()));
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->resizeColumnToContents(1);
    list_->resizeColumnToContents(2);
    connect(list_, &QTreeWidget::itemActivated, this, &CompareWindow::JumpTo);
    layout->addWidget(list_);
}

QString CompareWindow::ListText() const
{
    QString text;
    for (const Difference& d : differences_)
        text += ToQString(d.Text()) + QLatin1Char('\n');
    return text + ToQString(DifferenceCount(differences_.size())) + QLatin1Char('\n');
}

void CompareWindow::cmdSaveAs_Click()
{
    const QString path = prompt_.SaveFileName(kTextFilter);
    if (path.isEmpty())
        return;
    if (const Fault fault = WriteWholeFile(path, ListText().toLatin1()))
        prompt_.Message(QStringLiteral("Quorlink"), QStringLiteral("FileSave Error!!\n\n") + ToQString(fault.description),
                        MessageIcon::Warning);
}

void CompareWindow::JumpTo(QTreeWidgetItem* item)
{
    const QString key = item ? item->data(0, kKeyRole).toString() : QString();
    if (!key.isEmpty() && jump_)
        jump_(key, item->data(0, kFieldRole).toString());
}

}  // namespace quorlink
