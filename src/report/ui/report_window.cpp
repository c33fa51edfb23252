// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_window.h"

#include "file_context.h"
#include "model.h"
#include "prompt.h"
#include "text_report.h"
#include "whole_file.h"
#include "file_fault.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace quorlink {

namespace {

QSizeF TwipsPerPixel(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return {1440.0 / (s ? s->logicalDotsPerInchX() : 96.0), 1440.0 / (s ? s->logicalDotsPerInchY() : 96.0)};
}

}  // namespace

ReportWindow::ReportWindow(const Model& model, Prompt& prompt, QWidget* parent, int pauseMs)
    : QDialog(parent), model_(model), prompt_(prompt), pauseMs_(pauseMs)
{
    setObjectName(QStringLiteral("frmPrn"));
    setWindowTitle(tr("Print to File"));
    menus_ = new QMenuBar(this);
    QMenu* file = menus_->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* save = file->addAction(tr("&Save As..."));
    save->setObjectName(QStringLiteral("mnuFileSave"));
    QAction* exit = file->addAction(tr("&Exit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(save, &QAction::triggered, this, &ReportWindow::mnuFileSave_Click);
    connect(exit, &QAction::triggered, this, &QDialog::accept);

    txtPrn_ = new QPlainTextEdit(this);
    txtPrn_->setObjectName(QStringLiteral("txtPrn"));
    txtPrn_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtPrn_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtPrn_->setAccessibleName(tr("Text report"));  // no label stands for the box
    txtPrn_->setPlainText(tr("Now, making text image. Please wait..."));
    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    resize(558, 409);

    // Built a moment after opening, so that the window shows its waiting text first.
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &ReportWindow::BuildTextReport);
    timer1_->start(10);
}

void ReportWindow::BuildTextReport()
{
    timer1_->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    const std::string text = quorlink::BuildTextReport(model_);
    txtPrn_->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    Pause(pauseMs_);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

// Below the menu bar: the box 100 twips from the left, 300 twips narrower
// and 1300 twips lower than the window; OK 1200 twips above the bottom edge,
// centred across the window.
void ReportWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const QSizeF tpp = TwipsPerPixel(this);
    auto px = [&tpp](double twips) { return qRound(twips / tpp.width()); };
    auto py = [&tpp](double twips) { return qRound(twips / tpp.height()); };
    const int menu = menus_->sizeHint().height();
    menus_->setGeometry(0, 0, width(), menu);
    txtPrn_->setGeometry(px(100), menu, width() - px(300), qMax(0, height() - menu - py(1300)));
    cmdOK_->resize(qMax(cmdOK_->sizeHint().width(), 90), cmdOK_->sizeHint().height());
    cmdOK_->move((width() - cmdOK_->width()) / 2, height() - py(1200));
}

bool ReportWindow::SaveReportText(const QString& path)
{
    QString text = txtPrn_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = text.toLatin1() + "\r\n";
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    const Fault fault = WriteWholeFile(path, bytes);
    Pause(pauseMs_);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (fault)
        prompt_.Message(QString::fromStdString(model_.ModelName()) + QStringLiteral(" Quorlink"),
                        FaultText(fault), MessageIcon::Exclamation);
    return !fault;
}

void ReportWindow::mnuFileSave_Click()
{
    const QString path = prompt_.SaveFileName(tr("Text files(*.txt)|*.txt|All files(*.*)|*.*"));
    if (!path.isEmpty())
        SaveReportText(path);
}

}  // namespace quorlink
