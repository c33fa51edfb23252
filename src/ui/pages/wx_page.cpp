// SPDX-License-Identifier: GPL-3.0-or-later
#include "wx_page.h"

#include "latin1.h"
#include "model.h"
#include "name_validator.h"
#include "page_host.h"
#include "page_wiring.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace quorlink {

namespace {
const QString kRowMarker = QStringLiteral(">");
const QString kNoMarker = QStringLiteral(" ");
}  // namespace

// "WX01 Scan": the row's channel without its frequency, and what changed;
// change is a column title. It also names the row's boxes for a screen reader.
QString WxPage::ChangeName(int i, const char* change) const
{
    const QString label = ToQString(model_.WxPlan.at(i + 1).Label);
    return tr("%1 %2", "a weather channel and what changed").arg(label.section(QLatin1Char('['), 0, 0), tr(change));
}

WxPage::WxPage(PageHost& window, PageWiring& wiring)
    : QObject(wiring.Pages().panel(Panel::D)), window_(window), wiring_(wiring), model_(window.model())
{
    BuildRows(wiring.Pages().panel(Panel::D));
    wiring.AddRebuildStep([this] { ResetWxPage(); });
    wiring.SetPageHandler(Panel::D, [this](const QString&) { ShowWxPage(); });
}

void WxPage::BuildRows(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    const char* titles[] = {"", QT_TR_NOOP("Enable"), QT_TR_NOOP("Scan"), QT_TR_NOOP("CH Name")};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(new QLabel(tr(titles[c]), page), 0, c);
    for (int i = 0; i < 10; ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        const QString index = QStringLiteral("(%1)").arg(i);
        row.label = new QLabel(page);
        row.label->setObjectName(QStringLiteral("lblWX") + index);
        row.enable = new QCheckBox(kNoMarker, page);
        row.enable->setObjectName(QStringLiteral("chkDEnable") + index);
        row.scan = new QCheckBox(kNoMarker, page);
        row.scan->setObjectName(QStringLiteral("chkDScan") + index);
        row.name = new QLineEdit(page);
        row.name->setObjectName(QStringLiteral("txtDTagName") + index);
        row.name->setMaxLength(12);
        row.name->setValidator(new UpperCaseValidator(row.name));
        for (QWidget* w : std::initializer_list<QWidget*>{row.enable, row.scan, row.name})
            w->installEventFilter(this);
        grid->addWidget(row.label, i + 1, 0);
        grid->addWidget(row.enable, i + 1, 1);
        grid->addWidget(row.scan, i + 1, 2);
        grid->addWidget(row.name, i + 1, 3);

        connect(row.enable, &QCheckBox::clicked, this, [this, i](bool on) {
            if (window_.PageLoading())
                return;
            EnableRow(i);
            window_.Edit(ChangeName(i, QT_TR_NOOP("Enable")), [i, on](Model& model) {
                model.WxChannels.at(static_cast<std::size_t>(i)).Enable = on;
            });
        });
        connect(row.scan, &QCheckBox::clicked, this, [this, i](bool on) {
            if (window_.PageLoading())
                return;
            window_.Edit(ChangeName(i, QT_TR_NOOP("Scan")), [i, on](Model& model) {
                model.WxChannels.at(static_cast<std::size_t>(i)).ScanMemory = on;
            });
        });
        connect(row.name, &QLineEdit::textEdited, this, [this, i, name = row.name](const QString& text) {
            if (!wiring_.Pages().IsActive(Panel::D))
                return;
            const std::string tag = ToStdString(text);
            window_.Edit(
                ChangeName(i, QT_TR_NOOP("name")),
                [i, &tag](Model& model) { model.WxChannels.at(static_cast<std::size_t>(i)).ChTag = tag; }, name);
        });
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(11, 1);
}

void WxPage::EnableRow(int i)
{
    const Row& row = rows_[static_cast<std::size_t>(i)];
    row.scan->setEnabled(row.enable->isChecked());
    row.name->setEnabled(row.enable->isChecked());
}

void WxPage::FillWxPage()
{
    for (int i = 0; i < 10; ++i) {
        const Row& row = rows_[static_cast<std::size_t>(i)];
        row.label->setText(ToQString(model_.WxPlan.at(i + 1).Label));
        // The boxes show only a focus marker, and one title stands over ten names.
        row.enable->setAccessibleName(ChangeName(i, "Enable"));
        row.scan->setAccessibleName(ChangeName(i, "Scan"));
        row.name->setAccessibleName(ChangeName(i, "CH Name"));
        if (static_cast<std::size_t>(i) < model_.WxChannels.size()) {
            const ChannelRecord& record = model_.WxChannels[static_cast<std::size_t>(i)];
            row.enable->setChecked(record.Enable);
            row.scan->setChecked(record.ScanMemory);
            row.name->setText(ToQString(record.ChTag));
        }
        EnableRow(i);
    }
}

void WxPage::ShowWxPage()
{
    FillWxPage();
    wiring_.HideAllPages();
    wiring_.Pages().Activate(Panel::D);
}

void WxPage::ResetWxPage()
{
    for (const Row& row : rows_) {
        row.enable->setChecked(false);
        row.scan->setChecked(false);
        row.name->clear();
    }
    FillWxPage();
}

// The focused row's boxes carry ">" as a marker; the name box selects its text.
bool WxPage::eventFilter(QObject* watched, QEvent* event)
{
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (in || out) {
        for (const Row& row : rows_) {
            if (watched == row.enable || watched == row.scan)
                static_cast<QCheckBox*>(watched)->setText(in ? kRowMarker : kNoMarker);
            if (watched == row.name && in)
                QMetaObject::invokeMethod(row.name, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorlink
