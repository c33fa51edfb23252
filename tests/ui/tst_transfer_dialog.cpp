// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer dialog run from the main window against the radio emulator on
// a pseudo-terminal.
#include "backups.h"
#include "codecs.h"
#include "comparison.h"
#include "decoder.h"
#include "encoder.h"
#include "error_log.h"
#include "help_window.h"
#include "main_window_fixture.h"
#include "radio_emulator.h"
#include "recovery_copies.h"
#include "support/exchanges.h"
#include "support/file_bytes.h"
#include "support/sample_model.h"
#include "port_dialog.h"
#include "program_folder.h"
#include "transfer_dialog.h"
#include "transfer_runs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace quorlink;

namespace {

TransferDialog* OpenDialog() { return qobject_cast<TransferDialog*>(QApplication::activeModalWidget()); }

void Press(QWidget* dialog, const char* button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

// What a screen reader says of a widget: its accessible name and description.
QString Spoken(QWidget* dialog, const char* name)
{
    QAccessibleInterface* widget = QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>(name));
    return widget ? widget->text(QAccessible::Name) + ": " + widget->text(QAccessible::Description) : QString();
}

// Which picture stands on the left: the data flows from it to the other.
QString LeftPicture(TransferDialog* dialog)
{
    const int radioX = dialog->findChild<QWidget*>("pictA")->x();
    const int pcX = dialog->findChild<QWidget*>("pictB")->x();
    return radioX < pcX ? QStringLiteral("radio left") : QStringLiteral("pc left");
}

// The progress of each paint of the bar until the first message.
class BarPaints : public QObject {
public:
    BarPaints(TransferDialog* dialog, const test::RecordingPrompt& prompt) : dialog_(dialog), prompt_(prompt)
    {
        dialog->findChild<QWidget*>("lblPercent")->installEventFilter(this);
    }
    QList<int> progress;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && prompt_.shown.isEmpty())
            progress << dialog_->Progress();
        return false;
    }

private:
    TransferDialog* dialog_;
    const test::RecordingPrompt& prompt_;
};

}  // namespace

class TestTransferDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;
    std::unique_ptr<sim::RadioEmulator> radio;
    QStringList seen;  // what the scripted steps saw, checked after the modal loop

    void StartRadio(std::uint16_t code)
    {
        radio = std::make_unique<sim::RadioEmulator>(code);
        QVERIFY(radio->Start());
        SettingsStore::StorePortDevice(1, radio->SlavePath());
    }

    Image RadioImage(const sim::Memory& memory) const
    {
        Image image{};
        std::copy(memory.begin(), memory.end(), image.begin());
        return image;
    }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        f->model.ModelNumber = 1;
        QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).setValue(QStringLiteral("ModelPath/ModelNum"), 1);
        f->Open();
        f->window->Transfers().SetTransferTimings({300, 120, 10, 0});
        seen.clear();
    }
    void cleanup()
    {
        f.reset();
        radio.reset();
    }

    void readReplacesTheRecords()
    {
        Model source;
        source.ModelNumber = 1;
        NewModel(source);
        test::ApplySampleEdits(source);
        source.UsaChannels.at(13).Enable = false;  // channel 16 is off in the radio
        EncodeImage(source);
        StartRadio(sim::kCode7100);
        std::copy(source.MemoryImage.begin(), source.MemoryImage.end(), radio->memory().begin());
        f->model.CurrentFilePath = "/x/Boat.dat";
        f->window->UpdateTitle();
        f->window->SelectNodeByKey(QStringLiteral("S"));
        f->Find<QCheckBox>("chkFBeep")->click();
        const auto colour = [this](const char* key) {  // the directory nodes, coloured for the records read
            return f->window->Tree().ItemByKey(QLatin1String(key))->foreground(0).color();
        };
        QCOMPARE(colour("SM 3"), colour("SM 4"));
        QAction* undo = f->Find<QAction>("mnuEditUndo");
        QVERIFY(undo->isEnabled());

        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            seen << dialog->windowTitle();
            seen << LeftPicture(dialog);
            Press(dialog, "cmdOK");
        });
        f->Trigger("mnuTransferRead");
        QCOMPARE(seen, (QStringList{"Read from Radio", "radio left"}));
        QVERIFY(OpenDialog() == nullptr);
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].title, QStringLiteral("Read from Radio"));
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("Complete!!"));
        QCOMPARE(f->prompt.shown[0].icon, MessageIcon::Information);
        QVERIFY(f->model.Settings == source.Settings);
        QVERIFY(f->model.UsaChannels == source.UsaChannels);
        QCOMPARE(f->window->Tree().ItemByKey(QStringLiteral("PU 13"))->text(0), QStringLiteral("CH16"));
        QCOMPARE(f->window->windowTitle(), QStringLiteral("RV48  Quorlink"));
        QCOMPARE(f->window->StatusText(2), QStringLiteral("Read from the radio on COM1"));
        QCOMPARE(f->window->Pages().Active(), Panel::F);
        QVERIFY(!undo->isEnabled());  // the read starts the history afresh
        QVERIFY(colour("SM 3") != colour("SM 4") && colour("SG 2") != colour("SG 3"));
    }

    void deviceTypedInThePortDialog()
    {
        radio = std::make_unique<sim::RadioEmulator>(sim::kCode7100);
        QVERIFY(radio->Start());
        QTimer::singleShot(0, this, [this] {
            QWidget* dialog = qobject_cast<PortDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("txtDevice")->setText(radio->SlavePath());
            Press(dialog, "cmdOK");
        });
        f->Trigger("mnuOptionsSerialPortDevice");
        QCOMPARE(SettingsStore::PortDevice(1), radio->SlavePath());
        QCOMPARE(f->prompt.shown.last().text, "COM1 now means " + radio->SlavePath() + ".");

        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferRead");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        QCOMPARE(test::Exchanges(*radio), test::kModelCheck + test::ProvenPass(test::ReadOf));
    }

    // Paced as on a cable, a reply that comes after its time-out is never
    // taken for the next block: the read ends with the radio's exact bytes.
    void lateReplyInTheWindowsRead()
    {
        StartRadio(sim::kCode7100);
        for (int a = 2; a < kImageSize - 2; ++a)
            radio->memory()[a] = static_cast<std::uint8_t>(a * 5 + a / 256);
        radio->AddFault({sim::FaultKind::Delay, 0x14, 0x0800, 1, 450});
        connect(radio.get(), &sim::RadioEmulator::requestLogged, this, [this](const sim::LoggedRequest& entry) {
            if (entry.kind == sim::LoggedRequest::Kind::Frame)
                radio->SetPace(std::abs(entry.request.address - 0x0800) <= 0x20 ? 960 : 0);
        });
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferRead");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        const QStringList backups = ReadBackups(f->programDir.path(), "MR7100A");
        QCOMPARE(backups.size(), 1);
        QCOMPARE(test::ReadAll(backups[0]), QByteArray(reinterpret_cast<const char*>(radio->memory().data()), kImageSize));
        const test::ExchangeList clean = test::ProvenPass(test::ReadOf);
        QCOMPARE(test::Exchanges(*radio), test::kModelCheck + test::Redone(clean, int(clean.indexOf({0x14, 0x0800}))));
    }

    void failedReadChangesNothing()
    {
        StartRadio(sim::kCode5100);  // the other model
        const Image before = f->model.MemoryImage;
        f->model.UsaChannels.at(0).ChTag = "MINE";
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            Press(dialog, "cmdOK");
            seen << (dialog->isVisible() ? "open" : "closed") << QString::number(dialog->Progress());
            Press(dialog, "cmdCancel");
        });
        f->Trigger("mnuTransferRead");
        QCOMPARE(seen, (QStringList{"open", "0"}));
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("ModelName Error !!"));
        QVERIFY(f->model.MemoryImage == before);
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("MINE"));
        QVERIFY(RecoveryCopies(f->programDir.path()).isEmpty());  // nothing was dropped
    }

    void cancelAndCloseWhileBusy()
    {
        StartRadio(sim::kCode7100);
        radio->SetPace(960);  // a slow radio, so the read is still running
        const Image before = f->model.MemoryImage;
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            // Well into the read, whatever the machine's speed: the radio has answered a few blocks.
            connect(radio.get(), &sim::RadioEmulator::requestLogged, this, [this, dialog, requests = 0]() mutable {
                if (++requests != 6)
                    return;
                seen << (dialog->Busy() ? "busy" : "idle");
                dialog->close();  // the title-bar close is refused while busy
                seen << (dialog->isVisible() ? "still open" : "closed");
                seen << (dialog->findChild<QPushButton*>("cmdOK")->isEnabled() ? "ok enabled" : "ok disabled");
                Press(dialog, "cmdCancel");
            });
            Press(dialog, "cmdOK");
            seen << (dialog->isVisible() ? "open after cancel" : "closed after cancel")
                 << QString::number(dialog->Progress());
            Press(dialog, "cmdCancel");
        });
        f->Trigger("mnuTransferRead");
        QCOMPARE(seen, (QStringList{"busy", "still open", "ok disabled", "open after cancel", "0"}));
        QVERIFY(f->prompt.shown.isEmpty());
        QVERIFY(f->model.MemoryImage == before);
    }

    void programAndClear()
    {
        StartRadio(sim::kCode7100);
        f->model.Settings.UserMmsid = "366111222";
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            seen << dialog->windowTitle();
            Press(dialog, "cmdOK");
        });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(seen, QStringList{"Program to Radio"});
        QCOMPARE(f->prompt.shown.last().title, QStringLiteral("Program to Radio"));
        QCOMPARE(RadioImage(radio->memory())[336], std::uint8_t(0x36));
        QCOMPARE(RadioImage(radio->memory())[340], std::uint8_t(0x20));

        radio->memory()[341] = 9;
        f->model.MemoryImage[341] = 9;
        seen.clear();
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            seen << dialog->windowTitle();
            seen << LeftPicture(dialog);
            Press(dialog, "cmdOK");
        });
        QVERIFY(f->window->RunTransferDialog(TransferMode::Clear));
        QCOMPARE(seen, (QStringList{"Program to Radio", "pc left"}));
        QCOMPARE(f->prompt.shown.last().title, QStringLiteral("Clear Data"));
        QCOMPARE(int(radio->memory()[341]), 0);
        QCOMPARE(UserMmsiCount(f->model), 0);
    }

    // A radio with another own MMSI: the warning with both numbers, Cancel
    // its default; Cancel sends no write and keeps the dialog open.
    void ownMmsiGuard_data()
    {
        QTest::addColumn<QString>("radioMmsi");
        QTest::addColumn<int>("answer");
        QTest::newRow("equal") << "366111222" << -1;
        QTest::newRow("different, OK") << "211999999" << int(Answer::Ok);
        QTest::newRow("different, Cancel") << "211999999" << int(Answer::Cancel);
    }
    void ownMmsiGuard()
    {
        QFETCH(QString, radioMmsi);
        QFETCH(int, answer);
        StartRadio(sim::kCode7100);
        EncodeDigits(radio->memory(), addr::UserMmsid, radioMmsi.toStdString() + "0", true);
        f->model.Settings.UserMmsid = "3661112220";
        if (answer >= 0)
            f->prompt.answers.enqueue(Answer(answer));
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            Press(dialog, "cmdOK");
            seen << (dialog->isVisible() ? "open" : "closed");
            if (dialog->isVisible())
                Press(dialog, "cmdCancel");
        });
        f->Trigger("mnuTransferProgram");
        const bool cancelled = answer == int(Answer::Cancel);
        QCOMPARE(seen, QStringList{cancelled ? "open" : "closed"});
        QCOMPARE(f->prompt.shown.size(), answer < 0 ? 1 : cancelled ? 1 : 2);
        if (answer >= 0) {
            const test::ShownMessage& warning = f->prompt.shown.first();
            QCOMPARE(warning.title, QStringLiteral("Program to Radio"));
            QVERIFY(warning.text.startsWith(
                QStringLiteral("The radio's own MMSI is 211999999; this write would change it to 366111222.")));
            QVERIFY(warning.text.contains(QStringLiteral("Many radios accept a new own MMSI only a few times")));
            QCOMPARE(warning.buttons, MessageButtons::OkCancelSafe);
        }
        QCOMPARE(DecodeDigits(RadioImage(radio->memory()), addr::UserMmsid),
                 cancelled ? radioMmsi.toStdString() + "0" : std::string("3661112220"));
        for (const sim::LoggedRequest& request : radio->requests())  // a CAN of a retry is no write
            QVERIFY(!cancelled || request.kind != sim::LoggedRequest::Kind::Frame ||
                    request.request.command == 0x12 || request.request.command == 0x14);
    }

    // The clear's last step fills the bar and pauses: the full bar shows
    // before "Complete!!", so the window painted during the pause.
    void theWindowPaintsDuringThePause()
    {
        StartRadio(sim::kCode7100);
        f->window->Transfers().SetTransferTimings({300, 120, 10, 200});
        std::unique_ptr<BarPaints> paints;
        QTimer::singleShot(0, this, [this, &paints] {
            paints = std::make_unique<BarPaints>(OpenDialog(), f->prompt);
            Press(OpenDialog(), "cmdOK");
        });
        QVERIFY(f->window->RunTransferDialog(TransferMode::Clear));
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        QVERIFY2(paints->progress.contains(100), qPrintable(QString::number(paints->progress.size())));
    }

    void failedClearKeepsTheCount()
    {
        StartRadio(sim::kCode7100);
        radio->AddFault({sim::FaultKind::NoAnswer, 0x11, -1, -1, 0});
        f->model.MemoryImage[341] = 4;
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            Press(dialog, "cmdOK");
            Press(dialog, "cmdCancel");
        });
        QVERIFY(!f->window->RunTransferDialog(TransferMode::Clear));
        QCOMPARE(UserMmsiCount(f->model), 4);
        QCOMPARE(f->prompt.shown.last().text.left(21), QStringLiteral("Communication Error!!"));
    }

    // Until the radio's first byte the dialog says on which port it waits
    // for it; a radio that never answers gets the port and what to check.
    void waitingForTheRadio()
    {
        for (const bool silent : {true, false}) {
            StartRadio(sim::kCode7100);
            if (silent)
                radio->AddFault({sim::FaultKind::NoAnswer, -1, -1, -1, 0});
            QStringList labels;  // at each request the radio gets
            connect(radio.get(), &sim::RadioEmulator::requestLogged, this,
                    [&] { labels << OpenDialog()->findChild<QLabel*>("lblPass")->text(); });
            QTimer::singleShot(0, this, [] {
                Press(OpenDialog(), "cmdOK");
                if (OpenDialog())
                    Press(OpenDialog(), "cmdCancel");
            });
            f->Trigger("mnuTransferRead");
            const QString waiting = "Waiting for the radio on COM1 (" + radio->SlavePath().mid(5) + ")...";
            // A silent radio: its request, the CAN, the marker.
            const QStringList expected = silent ? QStringList{waiting, waiting, waiting} : QStringList{waiting, "", ""};
            QCOMPARE(labels.mid(0, 3), expected);
        }
        QVERIFY(f->prompt.shown[0].text.startsWith("Communication Error!!\n\nNo radio answered on COM1 ("));
        QCOMPARE(f->prompt.shown[1].text, QStringLiteral("Complete!!"));
    }

    // The cable pulled in the middle of a read: the run ends with the error,
    // nothing changes, and the next read works.
    void pulledCable()
    {
        StartRadio(sim::kCode7100);
        radio->AddFault({sim::FaultKind::HangUp, 0x14, 0x0800, 1, 0});
        const Image before = f->model.MemoryImage;
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            Press(dialog, "cmdOK");
            seen << (dialog->isVisible() ? "open" : "closed") << QString::number(dialog->Progress());
            Press(dialog, "cmdCancel");
        });
        f->Trigger("mnuTransferRead");
        QCOMPARE(seen, (QStringList{"open", "0"}));
        QVERIFY(f->prompt.shown.last().text.startsWith(QLatin1String("Communication Error!!")));
        QVERIFY(f->model.MemoryImage == before);

        StartRadio(sim::kCode7100);  // plugged in again
        radio->memory()[3000] = 0x42;
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferRead");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        QCOMPARE(int(f->model.MemoryImage[3000]), 0x42);
    }

    // The desktop's font: the dialog's own size at the default font, room for
    // every text at a large one.
    void dialogFitsTheFont_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("default font") << 1.0;
        QTest::newRow("large font") << 2.2;
    }

    void dialogFitsTheFont()
    {
        QFETCH(double, scale);
        struct FontScope {
            QFont original = QApplication::font();
            ~FontScope() { QApplication::setFont(original); }
        } scope;
        QFont font = scope.original;
        font.setPointSizeF(font.pointSizeF() * scale);
        QApplication::setFont(font);
        const ErrorLog log(f->programDir.path());
        TransferDialog dialog(f->model, f->prompt, log, TransferMode::Read, TransferSetup{}, f->window.get());
        if (scale == 1.0)
            QCOMPARE(dialog.size(), QSize(398, 233));
        else
            QVERIFY(dialog.width() > 398 && dialog.height() > 233);
        for (const char* name : {"Label1", "Label2", "cmdOK", "cmdCancel", "cmdHelp"}) {
            const auto* text = dialog.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(text->width() >= text->sizeHint().width() && text->height() >= text->sizeHint().height(), name);
            QVERIFY2(dialog.rect().contains(text->geometry()), name);
        }
        QVERIFY(dialog.findChild<QWidget*>("pictA")->y() > dialog.findChild<QWidget*>("Label2")->geometry().bottom());
    }

    // A read keeps a backup (and the dropped edits); File > Open takes the
    // backup back whatever its name, and Program to Radio restores the radio.
    // The radio sends one answer twice, paced as on a cable around it.
    void backupRestoresTheRadio()
    {
        StartRadio(sim::kCode7100);
        for (int a = 2; a < kImageSize - 2; ++a)
            radio->memory()[a] = static_cast<std::uint8_t>(a * 7 + a / 256);
        const Image original = RadioImage(radio->memory());
        radio->AddFault({sim::FaultKind::Repeat, 0x14, 0x0800, 1, 0});
        connect(radio.get(), &sim::RadioEmulator::requestLogged, this, [this](const sim::LoggedRequest& entry) {
            if (entry.kind == sim::LoggedRequest::Kind::Frame)
                radio->SetPace(std::abs(entry.request.address - 0x0800) <= 0x40 ? 960 : 0);
        });
        f->model.UsaChannels.at(0).ChTag = "UNSAVED";
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferRead");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        QVERIFY(std::equal(original.begin() + 0x0600, original.begin() + 0x1000, f->model.MemoryImage.begin() + 0x0600));
        QCOMPARE(RecoveryCopies(f->programDir.path()).size(), 1);
        QVERIFY(RecoveryCopies(f->programDir.path())[0].endsWith("-read.dat"));
        const QStringList backups = ReadBackups(f->programDir.path(), "MR7100A");
        QCOMPARE(backups.size(), 1);
        const QString renamed = f->programDir.filePath("restore.bin");
        QVERIFY(QFile::copy(backups[0], renamed));

        radio->memory() = sim::RadioEmulator::BlankMemory(sim::kCode7100);
        f->prompt.fileNames.enqueue(renamed);
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->window->windowTitle(), QStringLiteral("RV48  Quorlink - restore.bin"));
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        for (int a = 0; a < kImageSize; ++a)
            if (IsWrittenAddress(a))
                QVERIFY2(radio->memory()[a] == original[a], qPrintable(QString::number(a)));
        f->Trigger("mnuFileSave");  // the image is not overwritten with text
        QCOMPARE(f->prompt.dialogFilters.size(), 2);
        QCOMPARE(test::ReadAll(renamed), test::ReadAll(backups[0]));

        Image other = original;
        other[0] = 0x13, other[1] = 0xEC, other[8190] = 0x13, other[8191] = 0xEC;
        QVERIFY(test::WriteAll(f->programDir.filePath("other.dat"),
                               QByteArray(reinterpret_cast<const char*>(other.data()), kImageSize)));
        f->prompt.fileNames.enqueue(f->programDir.filePath("other.dat"));
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("ModelName Error !!"));
        QCOMPARE(f->window->windowTitle(), QStringLiteral("RV48  Quorlink - restore.bin"));
    }

    // An opened backup goes back as read only while untouched: once edited
    // through a page, Program to Radio sends the edit.
    void editedBackupSendsTheEdit()
    {
        StartRadio(sim::kCode7100);
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferRead");
        const QStringList backups = ReadBackups(f->programDir.path(), "MR7100A");
        QCOMPARE(backups.size(), 1);
        f->prompt.fileNames.enqueue(backups[0]);
        f->Trigger("mnuFileOpen");
        f->window->SelectNodeByKey(QStringLiteral("PU 0"));
        QLineEdit* name = f->Find<QLineEdit>("txtCTag");
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("edited"));
        QCOMPARE(f->window->StatusText(2), QStringLiteral("Modified"));

        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        Model sent = f->model;
        sent.MemoryImage = RadioImage(radio->memory());
        DecodeImage(sent);
        QCOMPARE(sent.UsaChannels.at(0).ChTag, std::string("EDITED"));
    }

    void verifyAfterWriting_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("message");
        QTest::newRow("on") << true
                            << QStringLiteral("Verify Error!!\n1 byte in the radio is not what was written:\n"
                                              "0x0E00 WX01 name");
        QTest::newRow("off") << false << QStringLiteral("Complete!!");
    }

    void verifyAfterWriting()
    {
        QFETCH(bool, verify);
        QFETCH(QString, message);
        StartRadio(sim::kCode7100);
        radio->AddFault({sim::FaultKind::MisStore, 0x13, 0x0E00, 1, 0});
        if (!verify)
            f->Trigger("mnuOptionsVerify");
        QCOMPARE(SettingsStore::VerifyAfterWriting(), verify);
        f->model.UsaChannels.at(0).ChTag = "EDITED";
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            Press(dialog, "cmdOK");
            seen << (dialog->isVisible() ? "open" : "closed");
            if (dialog->isVisible())
                Press(dialog, "cmdCancel");
        });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(seen, QStringList{verify ? "open" : "closed"});
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].title, QStringLiteral("Program to Radio"));
        QCOMPARE(f->prompt.shown[0].text, message);
        QCOMPARE(f->prompt.shown[0].icon, verify ? MessageIcon::Critical : MessageIcon::Information);
        QCOMPARE(f->model.UsaChannels.at(0).ChTag, std::string("EDITED"));
        QTRY_COMPARE(f->window->StatusText(2), QStringLiteral("Modified"));
    }

    // Program to Radio reads the radio first, keeps it aside and asks with the
    // change list (what it lists and Cancel: tst_transfers); the dialog names each pass,
    // and a screen reader reads the pass and how far the bar is.
    void changeListBeforeWriting()
    {
        StartRadio(sim::kCode7100);
        f->model.UsaChannels.at(0).ChTag = "EDITED";
        QStringList passes;
        QStringList unread;  // what a screen reader missed of the pass or the bar
        connect(radio.get(), &sim::RadioEmulator::requestLogged, this, [&](const sim::LoggedRequest& entry) {
            TransferDialog* dialog = OpenDialog();
            const QString pass = dialog ? dialog->findChild<QLabel*>("lblPass")->text() : QString();
            if (dialog && Spoken(dialog, "lblPass") != "Transfer status: " + pass)
                unread << Spoken(dialog, "lblPass");
            if (dialog && Spoken(dialog, "pictProgress") != QString("Transfer progress: %1%").arg(dialog->Progress()))
                unread << Spoken(dialog, "pictProgress");
            if (entry.kind == sim::LoggedRequest::Kind::Frame && entry.request.command != 0x12 && !passes.endsWith(pass))
                passes << pass;
        });
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(f->prompt.confirmations.size(), 1);
        // The model check has no pass of its own (its marker is a block read).
        QCOMPARE(passes, (QStringList{"", "Reading the radio...", "Writing...", "Verifying..."}));
        QCOMPARE(unread, QStringList());
        QCOMPARE(ReadBackups(f->programDir.path(), "MR7100A").size(), 0);  // a read first is no read backup
        QCOMPARE(QDir(f->programDir.filePath("backups")).entryList({"*-before-write.hex"}).size(), 1);
    }

    // A page unticked and a single line: the radio keeps those, takes the
    // rest, and a comparison with it afterwards lists just what was unticked;
    // the window's data stay as they were.
    void writeOnlyTheTickedChanges()
    {
        StartRadio(sim::kCode7100);
        f->model.UsaChannels.at(0).ChTag = "EDITED";
        f->model.UsaChannels.at(1).ChTag = "SECOND";
        f->model.IntChannels.at(0).ChTag = "THIRD";
        f->model.Settings.Contrast = static_cast<std::int16_t>((f->model.Settings.Contrast + 1) % 8);
        f->model.Settings.KeyBeep = !f->model.Settings.KeyBeep;
        const Model data = f->model;
        QStringList unticked;
        f->prompt.choose = [&](const std::vector<Difference>& changes, std::vector<bool>& ticked) {
            for (std::size_t i = 0; i < changes.size(); ++i)
                if (changes[i].key == "S" || changes[i].Text().find("\"SECOND\"") != std::string::npos) {
                    ticked[i] = false;
                    unticked << QString::fromStdString(changes[i].Text());
                }
        };
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));  // verified against what was sent
        QVERIFY2(unticked.filter("Radio Setup: Contrast").size() == 1 && unticked.filter("SECOND").size() == 1,
                 qPrintable(unticked.join('\n')));
        QVERIFY(f->model.UsaChannels == data.UsaChannels && f->model.Settings == data.Settings);
        Image image{};
        std::copy(radio->memory().begin(), radio->memory().end(), image.begin());
        Model held = f->model;
        TakeRead(held, image);
        held.MemoryImage = image;
        QStringList after;
        for (const Difference& d : CompareModels({held, SideKind::Image}, {f->model, SideKind::Data}))
            after << QString::fromStdString(d.Text());
        QCOMPARE(after, unticked);
    }

    void backupFailureIsShownAndTheReadGoesOn()
    {
        StartRadio(sim::kCode7100);
        QVERIFY(test::WriteAll(f->programDir.filePath("backups"), "in the way"));
        radio->memory()[3000] = 0x42;
        QTimer::singleShot(0, this, [] { Press(OpenDialog(), "cmdOK"); });
        f->Trigger("mnuTransferRead");
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
        QCOMPARE(int(f->model.MemoryImage[3000]), 0x42);
        QVERIFY2(f->window->StatusText(1).startsWith("The backup of this read could not be saved: "),
                 qPrintable(f->window->StatusText(1)));
        // A click in the tree takes panel 1 for its hint; panel 2 keeps the note after what was done.
        f->window->SelectNodeByKey(QStringLiteral("PU"));
        const QString kept = f->window->StatusText(2);
        QVERIFY2(kept.startsWith("Read from the radio on COM1  The backup of this read could not be saved: "),
                 qPrintable(kept));
    }

    // Without its before-write backup the radio's memory would be kept
    // nowhere once written: the write asks first, Cancel the default. Cancel
    // sends no write frame and keeps the dialog open; OK writes.
    void writeAsksWithoutItsBeforeWriteBackup()
    {
        StartRadio(sim::kCode7100);
        QVERIFY(test::WriteAll(f->programDir.filePath("backups"), "in the way"));
        f->model.UsaChannels.at(0).ChTag = "EDITED";
        f->prompt.answers.enqueue(Answer::Cancel);
        QTimer::singleShot(0, this, [this] {
            TransferDialog* dialog = OpenDialog();
            QVERIFY(dialog);
            Press(dialog, "cmdOK");
            const auto writes = std::count_if(radio->requests().begin(), radio->requests().end(),
                                              [](const auto& e) { return e.request.command == 0x13; });
            seen << (dialog->isVisible() ? "open" : "closed") << QString::number(writes);
            Press(dialog, "cmdOK");
        });
        f->Trigger("mnuTransferProgram");
        QCOMPARE(seen, (QStringList{"open", "0"}));
        QCOMPARE(f->prompt.shown.size(), 3);
        QCOMPARE(f->prompt.shown[0].title, QStringLiteral("Program to Radio"));
        QCOMPARE(f->prompt.shown[0].text,
                 QStringLiteral("The before-write backup could not be saved in %1: cannot make the folder %1.\n\n"
                                "Without it, what the radio holds now is kept nowhere once it is written.\n\n"
                                "Write without it?").arg(f->programDir.filePath("backups")));
        QCOMPARE(f->prompt.shown[0].buttons, MessageButtons::OkCancelSafe);
        QCOMPARE(f->prompt.shown[1].text, f->prompt.shown[0].text);
        QCOMPARE(f->prompt.confirmations.size(), 1);  // the change list only when the write goes on
        QCOMPARE(f->prompt.shown[2].text, QStringLiteral("Complete!!"));
    }

    // A stray Enter must not leave the radio partly written: during the write
    // pass Cancel, Escape and Enter on Cancel ask first, Keep Writing the
    // default. The read first and the read-back stop at once.
    void cancelDuringTheWrite_data()
    {
        QTest::addColumn<int>("command");     // the request, at 0x0400, the key comes with
        QTest::addColumn<int>("occurrence");  // its first or its second
        QTest::addColumn<int>("key");         // on Cancel; Escape on the dialog; 0: a click, answered Stop Writing
        QTest::addColumn<QString>("said");    // the last message; empty: none at all
        QTest::newRow("Enter in the write") << 0x13 << 1 << int(Qt::Key_Return) << "Complete!!";
        QTest::newRow("Escape in the write") << 0x13 << 1 << int(Qt::Key_Escape) << "Complete!!";
        QTest::newRow("Stop Writing") << 0x13 << 1 << 0 << "The radio now holds a partly written memory: ";
        QTest::newRow("Enter in the read first") << 0x14 << 1 << int(Qt::Key_Return) << "";
        QTest::newRow("Enter in the read-back") << 0x14 << 2 << int(Qt::Key_Return)
                                                << "The write went through, but it was not verified";
    }

    void cancelDuringTheWrite()
    {
        QFETCH(int, command);
        QFETCH(int, occurrence);
        QFETCH(int, key);
        QFETCH(QString, said);
        StartRadio(sim::kCode7100);
        f->model.UsaChannels.at(0).ChTag = "EDITED";
        if (key == 0)
            f->prompt.answers.enqueue(Answer::Yes);
        int count = 0;
        connect(radio.get(), &sim::RadioEmulator::requestLogged, this, [&](const sim::LoggedRequest& entry) {
            if (entry.kind != sim::LoggedRequest::Kind::Frame || entry.request.command != command ||
                entry.request.address != 0x0400 || ++count != occurrence)
                return;
            auto* cancel = OpenDialog()->findChild<QPushButton*>("cmdCancel");
            if (key == 0)
                QTest::mouseClick(cancel, Qt::LeftButton);
            else
                QTest::keyClick(key == Qt::Key_Escape ? static_cast<QWidget*>(OpenDialog()) : cancel, Qt::Key(key));
        });
        QTimer::singleShot(0, this, [] {
            TransferDialog* dialog = OpenDialog();
            Press(dialog, "cmdOK");
            if (dialog->isVisible())
                Press(dialog, "cmdCancel");
        });
        f->Trigger("mnuTransferProgram");
        const bool asked = command == 0x13;
        QCOMPARE(f->prompt.shown.size(), (asked ? 1 : 0) + (said.isEmpty() ? 0 : 1));
        if (asked) {
            QCOMPARE(f->prompt.shown.first().text,
                     QStringLiteral("Stop writing? The radio will hold a partly written memory."));
            QCOMPARE(f->prompt.shown.first().buttons, MessageButtons::StopOrKeepWriting);
        }
        if (!said.isEmpty())
            QVERIFY2(f->prompt.shown.last().text.startsWith(said), qPrintable(f->prompt.shown.last().text));
        bool written = true;
        for (int a = 0; a < kImageSize; ++a)
            written = written && (!IsWrittenAddress(a) || radio->memory()[a] == f->model.MemoryImage[a]);
        QCOMPARE(written, (key != 0 && command == 0x13) || occurrence == 2);
    }

    // Help falls back as Help > Contents does: without the help file the
    // guide at the part about the transfer, without the guide as well the
    // help file's own failure; with the help file, the file itself.
    void helpButton()
    {
        StartRadio(sim::kCode7100);
        f->prompt.helpFailure = QStringLiteral("Help file RV48.HLP not found.");
        const auto pressHelp = [this](TransferMode mode) {
            QTimer::singleShot(0, this, [] {
                TransferDialog* dialog = OpenDialog();
                QVERIFY(dialog);
                Press(dialog, "cmdHelp");
                Press(dialog, "cmdCancel");
            });
            f->window->RunTransferDialog(mode);
        };
        for (TransferMode mode : {TransferMode::Read, TransferMode::Program, TransferMode::Clear})
            pressHelp(mode);
        QCOMPARE(f->prompt.guideRequests,
                 (QStringList{"Reading the radio", "Writing to the radio", "Clear on the DSC Setup tab"}));
        for (const QString& section : f->prompt.guideRequests)  // the guide the program finds has them
            QVERIFY2(HelpWindow(UserGuidePath()).GoTo(section), qPrintable(section));
        QVERIFY(f->prompt.shown.isEmpty());
        f->prompt.guideFailure = QStringLiteral("no guide");
        pressHelp(TransferMode::Read);
        QCOMPARE(f->prompt.helpRequests.last().second, 1012);
        QCOMPARE(f->prompt.shown.last().title, QStringLiteral("Read from Radio"));
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Help file RV48.HLP not found."));
        QFile helpFile(f->window->Help().HelpFile());
        QVERIFY(helpFile.open(QIODevice::WriteOnly));
        f->prompt.helpFailure.clear();
        pressHelp(TransferMode::Clear);
        QCOMPARE(f->prompt.helpRequests.last(), qMakePair(f->window->Help().HelpFile(), 1012));
        QCOMPARE(f->prompt.guideRequests.size(), 4);  // no more than the four above
    }
};

QTEST_MAIN(TestTransferDialog)
#include "tst_transfer_dialog.moc"
