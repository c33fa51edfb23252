// SPDX-License-Identifier: GPL-3.0-or-later
// The report window and printing from the main window.
#include "support/file_bytes.h"
#include "main_window_fixture.h"
#include "report_window.h"
#include "support/sample_model.h"
#include "text_report.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>

using namespace quorlink;
using quorlink::test::ReadAll;

class TestReportWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;
    QTemporaryDir dir;

    // Opens the report window from the menu and runs steps in it, then closes it.
    void WithReportWindow(const std::function<void(ReportWindow*)>& steps)
    {
        QTimer::singleShot(0, this, [this, steps] {
            auto* window = qobject_cast<ReportWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            steps(window);
            QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f->Trigger("mnuFilePrintToFile");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).setValue(QStringLiteral("ModelPath/ModelNum"), 1);
        f->Open();
        test::ApplySampleEdits(f->model);
    }
    void cleanup() { f.reset(); }

    void showsAndSavesTheReport()
    {
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        WithReportWindow([this, path](ReportWindow* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Print to File"));
            QCOMPARE(window->textBox()->toPlainText(), QStringLiteral("Now, making text image. Please wait..."));
            QTRY_VERIFY(window->textBox()->toPlainText().startsWith(QLatin1String("##### Programable")));
            f->prompt.fileNames.enqueue(path);
            window->findChild<QAction*>("mnuFileSave")->trigger();
        });
        QCOMPARE(f->prompt.dialogFilters.last(), QStringLiteral("Text files(*.txt)|*.txt|All files(*.*)|*.*"));
        // The same bytes the command line's report writes: the text and one CR LF.
        QCOMPARE(ReadAll(path), QByteArray::fromStdString(BuildTextReport(f->model)) + "\r\n");
    }

    // Print to File has no check step: an MMSI still being typed neither
    // stops it nor reaches the report, and waits in its box.
    void opensWithAnUnfinishedMmsi()
    {
        f->window->SelectNodeByKey(QStringLiteral("S"));
        auto* tabs = f->Find<QTabWidget>("tbsFNE");
        tabs->setCurrentIndex(1);
        auto* user = f->Find<QLineEdit>("txtFUser");
        user->setFocus();
        QTRY_VERIFY(user->hasFocus());
        QTest::keyClicks(user, QStringLiteral("3661"));
        WithReportWindow([](ReportWindow* window) {
            QTRY_VERIFY(window->textBox()->toPlainText().contains(QLatin1String("3669876540")));
        });
        QVERIFY(f->prompt.shown.isEmpty());
        QCOMPARE(user->text(), QStringLiteral("3661"));
        QCOMPARE(f->model.Settings.UserMmsid, std::string("3669876540"));
    }

    void savesWhatTheBoxShows()
    {
        const QString path = dir.filePath(QStringLiteral("edited.txt"));
        WithReportWindow([this, path](ReportWindow* window) {
            QTRY_VERIFY(window->textBox()->toPlainText().startsWith(QLatin1String("##### Programable")));
            window->textBox()->setPlainText(QStringLiteral("my own notes\nsecond line"));
            f->prompt.fileNames.enqueue(path);
            window->mnuFileSave_Click();
        });
        QCOMPARE(ReadAll(path), QByteArray("my own notes\r\nsecond line\r\n"));
    }

    // Below the menu bar: the box 100 twips in, 300 narrower and 1300 lower
    // than the window; OK 1200 twips above the bottom edge, centred.
    void layoutFollowsTheWindow()
    {
        WithReportWindow([](ReportWindow* window) {
            window->resize(700, 520);
            QTRY_COMPARE(window->height(), 520);
            const double tx = 1440.0 / window->screen()->logicalDotsPerInchX();
            const double ty = 1440.0 / window->screen()->logicalDotsPerInchY();
            const int menu = window->findChild<QMenuBar*>()->height();
            const QRect box = window->textBox()->geometry();
            QCOMPARE(box, QRect(qRound(100 / tx), menu, 700 - qRound(300 / tx), 520 - menu - qRound(1300 / ty)));
            const QRect ok = window->findChild<QPushButton*>("cmdOK")->geometry();
            QCOMPARE(ok.top(), 520 - qRound(1200 / ty));
            QVERIFY(qAbs(ok.center().x() - 350) <= 1);
        });
    }

    void cancelAndFailure()
    {
        WithReportWindow([this](ReportWindow* window) {
            QTRY_VERIFY(window->isEnabled() && window->textBox()->toPlainText().size() > 100);
            window->mnuFileSave_Click();  // cancelled: nothing asked of the file system
            QVERIFY(f->prompt.shown.isEmpty());
            f->prompt.fileNames.enqueue(dir.filePath(QStringLiteral("no/such/folder/r.txt")));
            window->mnuFileSave_Click();
            QVERIFY(window->isVisible());
        });
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].title, QStringLiteral("MR7100A Quorlink"));
        QCOMPARE(f->prompt.shown[0].icon, MessageIcon::Exclamation);
        QVERIFY(!f->prompt.shown[0].text.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no/such/folder/r.txt"))));
    }

    void printsThroughTheChosenPrinter()
    {
        const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
        int asked = 0;
        f->window->Reports().SetPrinterChooser([&](QPrinter& printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        f->Trigger("mnuFilePrint");
        QCOMPARE(asked, 1);
        QVERIFY(ReadAll(pdf).startsWith("%PDF"));

        // The toolbar button prints as well; a cancelled dialog prints nothing.
        f->window->Reports().SetPrinterChooser([&](QPrinter&) { ++asked; return false; });
        QFile::remove(pdf);
        f->Trigger("Print");
        QCOMPARE(asked, 2);
        QVERIFY(!QFile::exists(pdf));
    }

    void printerThatRefuses()
    {
        f->window->Reports().SetPrinterChooser([this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/p.pdf")));
            return true;
        });
        f->Trigger("mnuFilePrint");
        QCOMPARE(f->prompt.shown.size(), 1);
        QCOMPARE(f->prompt.shown[0].text, QStringLiteral("The report could not be printed."));
    }

    void printWaitsForTheCommitStep()
    {
        int asked = 0;
        f->window->Reports().SetPrinterChooser([&](QPrinter&) { ++asked; return false; });
        auto* field = new QLineEdit(f->window->Pages().panel(Panel::F));
        f->window->SelectNodeByKey(QStringLiteral("S"));
        field->show();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        f->window->SetCommitCheck(field, [] { return false; });
        f->Trigger("mnuFilePrint");
        QCOMPARE(asked, 0);
    }
};

QTEST_MAIN(TestReportWindow)
#include "tst_report_window.moc"
