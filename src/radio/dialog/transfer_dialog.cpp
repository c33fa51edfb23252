// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_dialog.h"

#include "device_picture.h"
#include "model.h"
#include "outcome_box.h"
#include "prompt.h"
#include "serial_port.h"
#include "serial_link.h"
#include "transfer_runs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace quorlink {

namespace {

constexpr int kHelpContext = 1012;

double TwipsPerPixel(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return 1440.0 / (s ? s->logicalDotsPerInchX() : 96.0);
}

// The desktop's font; a label or button never gets smaller than its place in
// the dialog's plan, and grows where that font needs more room.
QLabel* TextLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(QRect(geometry.topLeft(), geometry.size().expandedTo(label->sizeHint())));
    return label;
}

// "COM1 (ttyUSB0)": the device as a stable link leads to it, by its name below /dev.
QString ShortPortName(const PortTarget& target)
{
    if (target.device.isEmpty() || target.device == target.label)
        return target.label;
    const QString device = DeviceToOpen(target.device);
    const QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : QFileInfo(device).fileName();
    return QStringLiteral("%1 (%2)").arg(target.label, name);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(at, QSize(100, 28).expandedTo(button->sizeHint())));
    return button;
}

}  // namespace

TransferDialog::TransferDialog(Model& model, Prompt& prompt, const ErrorLog& log, TransferMode mode,
                               TransferSetup setup, QWidget* parent)
    : QDialog(parent), model_(model), prompt_(prompt), log_(log), mode_(mode), setup_(std::move(setup))
{
    setObjectName(QStringLiteral("frmRadio"));
    setWindowTitle(mode == TransferMode::Read ? tr("Read from Radio") : ProgramTitle());
    QLabel* label1 = TextLabel(this, "Label1", tr("1.Connect the QOR Cable."), QRect(12, 8, 374, 20));
    QLabel* label2 = TextLabel(this, "Label2", tr("2.Communication starts when you select [OK]."),
                               QRect(12, label1->geometry().bottom() + 1, 374, 20));
    const int grown = label2->geometry().bottom() + 1 - 48;  // what a larger font adds below the text

    // Data flows from left to right: radio to PC for a read, PC to radio otherwise.
    const double tpp = TwipsPerPixel(this);
    const int top = qRound(720 / tpp) + grown;
    const int left = qRound(120 / tpp);
    const int right = qRound(3720 / tpp);
    auto* radio = new DevicePicture(DevicePicture::Kind::Radio, this);
    radio->setObjectName(QStringLiteral("pictA"));
    auto* pc = new DevicePicture(DevicePicture::Kind::Pc, this);
    pc->setObjectName(QStringLiteral("pictB"));
    const bool read = mode == TransferMode::Read;
    (read ? radio : pc)->move(left, top);
    (read ? pc : radio)->move(right, top);

    pictProgress_ = new QFrame(this);
    pictProgress_->setObjectName(QStringLiteral("pictProgress"));
    static_cast<QFrame*>(pictProgress_)->setFrameShape(QFrame::Box);
    pictProgress_->setAccessibleName(tr("Transfer progress"));
    const int barLeft = left + radio->width() + 12;
    pictProgress_->setGeometry(barLeft, top + radio->height() / 2 - 10, right - 12 - barLeft, 20);
    lblPercent_ = new QLabel(pictProgress_);
    lblPercent_->setObjectName(QStringLiteral("lblPercent"));
    lblPercent_->setAutoFillBackground(true);
    lblPercent_->setBackgroundRole(QPalette::Highlight);
    SetProgress(0);
    cmdOK_ = Button(this, "cmdOK", tr("OK"), QPoint(30, 190 + grown));
    auto* cancel = Button(this, "cmdCancel", tr("Cancel"), cmdOK_->geometry().topRight() + QPoint(20, 0));
    auto* help = Button(this, "cmdHelp", tr("Help"), cancel->geometry().topRight() + QPoint(20, 0));
    setFixedSize(std::max({398, label1->geometry().right() + 13, label2->geometry().right() + 13,
                       help->geometry().right() + 31}),
                 std::max(233, help->geometry().bottom() + 16));

    // Which pass of a run the bar is filling for (a plain read has one
    // only), or, until the radio first answers, the port it is waited for
    // on: across the dialog, between the pictures and the buttons.
    lblPass_ = new QLabel(this);
    lblPass_->setObjectName(QStringLiteral("lblPass"));
    lblPass_->setWordWrap(true);
    lblPass_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPass_->setAccessibleName(tr("Transfer status"));
    const int passTop = top + radio->height() + 4;
    lblPass_->setGeometry(12, passTop, width() - 24, cmdOK_->y() - 4 - passTop);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &TransferDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &TransferDialog::cmdCancel_Click);
    connect(help, &QPushButton::clicked, this, &TransferDialog::cmdHelp_Click);
}

void TransferDialog::SetProgress(int percent)
{
    const int shown = qMin(percent, 100);
    const bool changed = shown != progress_ || pictProgress_->accessibleDescription().isEmpty();
    progress_ = shown;
    const int w = pictProgress_->width();
    lblPercent_->setGeometry(w * progress_ / 100 - w, 0, w, pictProgress_->height());
    // The bar is drawn, not a progress bar a screen reader knows: its description says how far.
    if (changed)
        pictProgress_->setAccessibleDescription(tr("%1%").arg(progress_));
}

// The label's accessible name says what it is; its text goes to the
// description too, which screen readers announce on each change.
void TransferDialog::SetPassText(const QString& text)
{
    lblPass_->setText(text);
    lblPass_->setAccessibleDescription(text);
}

Outcome TransferDialog::RunTransfer(SerialLink& link)
{
    link.UseDevices(setup_.devices);
    TransferHooks hooks;
    hooks.progress = [this](int percent) { SetProgress(percent); };
    hooks.pass = [this](const QString& pass) {
        waitingForRadio_ = false;
        SetPassText(tr("%1...").arg(pass));
        writing_ = pass == WritePass();
    };
    // A radio that is not there costs the model check's time-outs: the user
    // sees where it is waited for until its first byte comes. The link asks
    // this on every turn of a wait; Cancel sets CancelFlag on its own.
    waitingForRadio_ = true;
    SetPassText(tr("Waiting for the radio on %1...").arg(ShortPortName(link.Target())));
    hooks.cancelRequested = [this, &link] {
        if (waitingForRadio_ && link.BytesReceived() > 0) {
            waitingForRadio_ = false;
            SetPassText(QString());
        }
        return false;
    };
    CloneProtocol protocol(link, hooks);
    protocol.Timings = setup_.timings;
    switch (mode_) {
    case TransferMode::Read: return RunReadTransfer(protocol, setup_.safety);
    case TransferMode::Clear: return RunClearTransfer(protocol, setup_.safety);
    case TransferMode::Program: break;
    }
    return RunWriteTransfer(protocol, AskBeforeOwnMmsiChange(prompt_), setup_.safety);
}

void TransferDialog::cmdOK_Click()
{
    cmdOK_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::unique_ptr<SerialPort> port = NewSystemSerialPort();
    SerialLink link(*port, model_, log_);
    run_ = &link.state();
    result_ = RunTransfer(link);
    writing_ = false;
    waitingForRadio_ = false;
    {
        // Told while the run still counts as going on, as the boxes always were.
        const BusyWhileRunning telling(link.state());
        ShowOutcome(prompt_, result_);
    }
    run_ = nullptr;
    const bool done = result_.done();
    QApplication::restoreOverrideCursor();
    cmdOK_->setEnabled(true);
    SetProgress(0);
    SetPassText(QString());
    if (done) {
        transferDone_ = true;
        accept();
    }
}

// A write stopped half-way leaves the radio unusable until it is written
// again, so a stray Enter or Escape must not do it: while the write pass
// runs, Cancel asks first, keeping on the default. The write pauses while
// the question is open (its wait is judged by when its turn began).
void TransferDialog::cmdCancel_Click()
{
    if (!Busy()) {
        QDialog::reject();
        return;
    }
    if (writing_ && prompt_.Message(windowTitle(),
                                    tr("Stop writing? The radio will hold a partly written memory."),
                                    MessageIcon::Exclamation, MessageButtons::StopOrKeepWriting) != Answer::Yes)
        return;
    if (Busy())
        run_->CancelFlag = true;  // the running wait notices it
}

// Without the help file the user guide stands in, at the part about this transfer.
void TransferDialog::cmdHelp_Click()
{
    const char* const sections[] = {"Reading the radio", "Writing to the radio", "Clear on the DSC Setup tab"};
    prompt_.ShowHelpOrGuide(windowTitle(), setup_.helpFile, kHelpContext,
                            QLatin1String(sections[static_cast<int>(mode_)]));
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    if (Busy())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

// Escape behaves like Cancel: it only cancels a running transfer.
void TransferDialog::reject() { cmdCancel_Click(); }

}  // namespace quorlink
