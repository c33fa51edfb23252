// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include "latin1.h"
#include "model.h"
#include "program_icon.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quorlink {

namespace {

constexpr const char* kNotice = QT_TRANSLATE_NOOP("quorlink::AboutBox",
    "Reads, edits and writes the memory\n"
    "of the MR7100A and MR5100A radios.\n"
    "Connect the programming cable before\n"
    "reading from or programming a radio.\n"
    "Keep a copy of the radio's data in a\n"
    "file before you program it.\n"
    "Use at your own risk.");

double TwipsPerPixel(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return 1440.0 / (s ? s->logicalDotsPerInchX() : 96.0);
}

QLabel* Label(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(false);
    return label;
}

}  // namespace

AboutBox::AboutBox(const Model& model, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Version Infomation"));
    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Box);

    auto* icon = Label(frame_, "picIcon", QString());
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    auto* title = Label(frame_, "lblTitle", ToQString(model.VariantCode) + QStringLiteral("  Quorlink"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* version = Label(frame_, "lblVersion", tr("Version %1.%2.%3")
                                                    .arg(QUORLINK_VERSION_MAJOR)
                                                    .arg(QUORLINK_VERSION_MINOR)
                                                    .arg(QUORLINK_VERSION_PATCH));
    auto* description = Label(frame_, "lblDescription", tr(kNotice));

    auto* heading = new QHBoxLayout;
    heading->addWidget(icon);
    auto* titles = new QVBoxLayout;
    titles->addWidget(title);
    titles->addWidget(version);
    heading->addLayout(titles, 1);
    auto* inside = new QVBoxLayout(frame_);
    inside->addLayout(heading);
    inside->addWidget(description);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    // 325 by 251 pixels, or larger where the texts need it (large type, a longer language).
    ensurePolished();  // measured in the desktop's style and font
    setMinimumSize(SmallestSize());
    resize(QSize(325, 251).expandedTo(minimumSize()));
}

// The frame's texts whole, with the margins resizeEvent keeps around them.
QSize AboutBox::SmallestSize() const
{
    const double tpp = TwipsPerPixel(this);
    const QSize frame = frame_->minimumSizeHint();
    return {frame.width() + qRound(200 / tpp),
            frame.height() + ok_->sizeHint().height() + qRound(70 / tpp) + 2 * qRound(100 / tpp)};
}

// The frame is 200 twips narrower than the window; OK sits 70 twips below it, centred.
void AboutBox::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const double tpp = TwipsPerPixel(this);
    const int margin = qRound(100 / tpp);
    const int frameHeight = height() - ok_->sizeHint().height() - qRound(70 / tpp) - 2 * margin;
    frame_->setGeometry(margin, margin, width() - qRound(200 / tpp), frameHeight);
    ok_->resize(ok_->sizeHint().expandedTo(QSize(80, 0)));
    ok_->move((width() - ok_->width()) / 2, frame_->geometry().bottom() + qRound(70 / tpp));
}

}  // namespace quorlink
