// SPDX-License-Identifier: GPL-3.0-or-later
#include "recover_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorlink {

namespace {

struct RecoverDialogTexts {
    Q_DECLARE_TR_FUNCTIONS(RecoverDialogTexts)
};

QPushButton* Button(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QTreeWidget* CopyList(QDialog& dialog, const QList<KeptCopy>& copies)
{
    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("lvKeptCopies"));
    list->setRootIsDecorated(false);
    // What became of the write a backup was kept for, and whether the radio it
    // was read from held a partly written memory, beside what it is.
    list->setHeaderLabels({RecoverDialogTexts::tr("Date and time"), RecoverDialogTexts::tr("Kind"),
                           RecoverDialogTexts::tr("Model"), RecoverDialogTexts::tr("User MMSI"),
                           RecoverDialogTexts::tr("Write"), RecoverDialogTexts::tr("Radio"),
                           RecoverDialogTexts::tr("File")});
    for (const KeptCopy& copy : copies) {
        auto* item = new QTreeWidgetItem(
            list, {copy.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), KeptCopyWords(copy.kind), copy.model,
                   copy.mmsi, KeptCopyWords(copy.outcome), KeptCopyWords(copy.radio),
                   QDir::toNativeSeparators(copy.path)});
        item->setData(0, Qt::UserRole, copy.path);
    }
    for (int column = 0; column < 6; ++column)
        list->resizeColumnToContents(column);
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    return list;
}

}  // namespace

RecoverChoice AskRecoverChoice(QWidget* parent, const KeptCopies& kept)
{
    const QList<KeptCopy>& copies = kept.copies;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmRecover"));
    dialog.setWindowTitle(RecoverDialogTexts::tr("Recover"));
    dialog.resize(900, 400);
    auto* layout = new QVBoxLayout(&dialog);
    QString heading = copies.isEmpty()
                          ? RecoverDialogTexts::tr("Nothing has been kept yet.")
                          : RecoverDialogTexts::tr("Backups of transfers and copies of dropped edits, newest first:");
    if (kept.backupsFolderBroken)
        heading = kept.backupsNote + QLatin1Char('\n') + heading;
    auto* label = new QLabel(heading, &dialog);
    label->setObjectName(QStringLiteral("lblRecoverHeading"));
    label->setWordWrap(true);
    layout->addWidget(label);
    QTreeWidget* list = CopyList(dialog, copies);
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* open = Button("cmdRecoverOpen", RecoverDialogTexts::tr("&Open"), &dialog);
    QPushButton* compare = Button("cmdRecoverCompare", RecoverDialogTexts::tr("&Compare"), &dialog);
    QPushButton* close = Button("cmdRecoverClose", RecoverDialogTexts::tr("Close"), &dialog);
    for (QPushButton* button : {open, compare, close})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    open->setDefault(true);
    open->setEnabled(!copies.isEmpty());
    compare->setEnabled(!copies.isEmpty());

    RecoverChoice choice;
    const auto choose = [&](bool comparing) {
        if (QTreeWidgetItem* item = list->currentItem()) {
            choice = {item->data(0, Qt::UserRole).toString(), comparing};
            dialog.accept();
        }
    };
    QObject::connect(open, &QPushButton::clicked, &dialog, [&] { choose(false); });
    QObject::connect(compare, &QPushButton::clicked, &dialog, [&] { choose(true); });
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, [&] { choose(false); });
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
    return choice;
}

}  // namespace quorlink
