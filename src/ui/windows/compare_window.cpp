// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare_window.h"

#include "change_ticks.h"
#include "difference_text.h"
#include "file_filters.h"
#include "latin1.h"
#include "model_text.h"
#include "prompt.h"
#include "whole_file.h"
#include "file_fault.h"

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
QPushButton* Button(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString WhatText(const Difference& d)
{
    return d.rawBytes ? CompareWindow::tr("%1 (the editor does not show them)").arg(ToQString(d.place))
                      : CompareWindow::tr("%1: %2").arg(ModelText(d.place), ModelText(d.field));
}

// "1 difference", "12 differences".
QString CountText(std::size_t count)
{
    return (count == 1 ? CompareWindow::tr("%1 difference") : CompareWindow::tr("%1 differences")).arg(count);
}

}  // namespace

std::optional<CompareSource> AskCompareSource(QWidget* parent, bool lastReadAvailable)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmCompareSource"));
    dialog.setWindowTitle(CompareWindow::tr("Compare With"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(CompareWindow::tr("Compare the editor's data with:"), &dialog));
    std::optional<CompareSource> chosen;
    const struct { const char* name; const char* caption; CompareSource source; } choices[] = {
        {"cmdCompareFile", QT_TRANSLATE_NOOP("quorlink::CompareWindow", "&File..."), CompareSource::File},
        {"cmdCompareRadio", QT_TRANSLATE_NOOP("quorlink::CompareWindow", "&Radio"), CompareSource::Radio},
        {"cmdCompareLastRead", QT_TRANSLATE_NOOP("quorlink::CompareWindow", "&Last read of this radio"),
         CompareSource::LastRead},
    };
    for (const auto& choice : choices) {
        QPushButton* button = Button(choice.name, CompareWindow::tr(choice.caption), &dialog);
        layout->addWidget(button);
        const CompareSource source = choice.source;
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &chosen, source] {
            chosen = source;
            dialog.accept();
        });
        if (source == CompareSource::LastRead && !lastReadAvailable) {
            button->setEnabled(false);
            button->setToolTip(CompareWindow::tr("No read of a radio with this model and user MMSI was kept."));
        }
    }
    QPushButton* cancel = Button("cmdCompareCancel", CompareWindow::tr("Cancel"), &dialog);
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
    setWindowTitle(tr("Compare"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* bottom = new QHBoxLayout;
    auto* count = new QLabel(CountText(differences_.size()), this);
    count->setObjectName(QStringLiteral("lblCompareCount"));
    bottom->addWidget(count, 1);
    QPushButton* saveAs = Button("cmdCompareSaveAs", tr("Save &As..."), this);
    QPushButton* close = Button("cmdCompareClose", tr("&Close"), this);
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
    CompareWindow dialog(std::move(changes), tr("Old: the radio    New: the editor's data"), prompt,
                         std::move(jump), parent, true);
    dialog.setObjectName(QStringLiteral("frmWriteChanges"));
    dialog.setWindowTitle(title);
    auto* bottom = new QHBoxLayout;
    auto* count = new QLabel(none ? tr("The radio already holds these data.")
                                  : tr("Program to Radio changes these in the radio: %1")
                                        .arg(CountText(dialog.differences_.size())),
                             &dialog);
    count->setObjectName(QStringLiteral("lblCompareCount"));
    bottom->addWidget(count, 1);
    QPushButton* write = Button("cmdWriteChanges", none ? tr("Write &Anyway") : tr("&Write"), &dialog);
    QPushButton* cancel = Button("cmdWriteCancel", tr("Cancel"), &dialog);
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
    list_->setHeaderLabels({tr("Difference"), tr("Old"), tr("New")});
    for (const Difference& d : differences_) {
        auto* item = new QTreeWidgetItem(list_, {WhatText(d), ToQString(d.oldValue), ToQString(d.newValue)});
        item->setData(0, kKeyRole, ToQString(d.key));
        item->setData(0, kFieldRole, ToQString(d.field));
        item->setToolTip(0, DifferenceText(d));
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
        text += DifferenceText(d) + QLatin1Char('\n');
    return text + CountText(differences_.size()) + QLatin1Char('\n');
}

void CompareWindow::cmdSaveAs_Click()
{
    const QString path = prompt_.SaveFileName(TextFilter());
    if (path.isEmpty())
        return;
    if (const Fault fault = WriteWholeFile(path, ListText().toLatin1()))
        prompt_.Message(QStringLiteral("Quorlink"), tr("FileSave Error!!\n\n%1").arg(FaultText(fault)),
                        MessageIcon::Warning);
}

void CompareWindow::JumpTo(QTreeWidgetItem* item)
{
    const QString key = item ? item->data(0, kKeyRole).toString() : QString();
    if (!key.isEmpty() && jump_)
        jump_(key, item->data(0, kFieldRole).toString());
}

}  // namespace quorlink
