// SPDX-License-Identifier: GPL-3.0-or-later
// The text report of the whole radio programme.
#include "model.h"
#include "support/sample_model.h"
#include "text_report.h"

#include <QFile>
#include <QtTest>

using namespace quorlink;

namespace {

QByteArray Golden(const char* name)
{
    QFile file(QStringLiteral(QUORLINK_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing golden file)");
}

QList<QByteArray> Lines(const std::string& report)
{
    return QByteArray::fromStdString(report).split('\n');
}

// The line after the one that starts with prefix.
QByteArray LineAfter(const std::string& report, const QByteArray& prefix, int offset = 1)
{
    const QList<QByteArray> lines = Lines(report);
    for (int i = 0; i + offset < lines.size(); ++i)
        if (lines[i].startsWith(prefix))
            return lines[i + offset];
    return "(not found)";
}

}  // namespace

class TestTextReport : public QObject {
    Q_OBJECT

    Model model;

private slots:
    void init()
    {
        model = Model();
        model.ModelNumber = 1;
        QVERIFY(!NewModel(model));
    }

    void goldenReports()
    {
        QCOMPARE(QByteArray::fromStdString(BuildTextReport(model)), Golden("fresh_mr7100a.txt"));
        test::ApplySampleEdits(model);
        model.MemoryImage[341] = 3;  // the user MMSI was set three times
        QCOMPARE(QByteArray::fromStdString(BuildTextReport(model)), Golden("edited_mr7100a.txt"));
    }

    void shape()
    {
        const std::string report = BuildTextReport(model);
        QVERIFY(report.rfind("##### Programable Channel Common #####\r\n", 0) == 0);
        QVERIFY(report.back() != '\n');
        QCOMPARE(QByteArray::fromStdString(report).count("\n"), QByteArray::fromStdString(report).count("\r\n"));
        QVERIFY(report.find("Count : 0\r\n\r\n\r\n##### Programable USA Channel") != std::string::npos);
        QVERIFY(report.find("\r\n3" + std::string(4 + 14 + 9, ' ') + "\r\n") !=
                std::string::npos);  // free directory entries still have a row
        QCOMPARE(LineAfter(report, "UserMmsi", 0),
                 QByteArray("UserMmsi         : " + QByteArray(11, ' ') + "----- Count : 0\r"));
    }

    void emptyRegionHasHeadingsOnly()
    {
        model.IntChannels.clear();
        const std::string report = BuildTextReport(model);
        QCOMPARE(LineAfter(report, "##### Programable International", 3), QByteArray("\r"));
        QCOMPARE(LineAfter(report, "##### Programable International", 4),
                 QByteArray("##### Programable Canada Channel #####\r"));
    }

    void cellsAreCut()
    {
        model.UsaChannels.at(0).ChTag = "ABCDEFGHIJKLMNOP";
        model.IndividualDirectory.at(1) = {true, "STATIONNAME12345678", "3661234560"};
        const std::string report = BuildTextReport(model);
        QCOMPARE(LineAfter(report, "---  ------  -------"),
                 QByteArray("01A  ENABLE  156.050  156.050  TX  ---  --  ---  ---- --  ABCDEFGHIJKL\r"));
        QCOMPARE(LineAfter(report, "No.  Station Name", 2), QByteArray("1    STATIONNAME123366123456\r"));
    }

    void duplexReceiveFrequency()
    {
        for (ChannelRecord& r : model.UsaChannels)
            if (r.Position == 20)
                r.Duplex = false;  // "20" without duplex receives on 157.000
        model.CanChannels.at(0).Duplex = true;
        const std::string report = BuildTextReport(model);
        QVERIFY(report.find("\r\n20   ENABLE  157.000  157.000  TX") != std::string::npos);
        QVERIFY(report.find("\r\n01   ENABLE  160.650  156.050") != std::string::npos);
        QVERIFY(report.find("\r\n70   ENABLE  156.525  ---.---  --") != std::string::npos);
    }

    void abChoices()
    {
        model.Special.Ach(Region::Usa) = 15;
        model.Special.Bch(Region::Usa) = 1;    // names no channel
        model.Special.Ach(Region::Can) = 300;  // out of any range
        const std::string report = BuildTextReport(model);
        QCOMPARE(LineAfter(report, "##### Programable Channel Common", 2),
                 QByteArray("A-ch                16                  (None)              (None)              \r"));
        QCOMPARE(LineAfter(report, "##### Programable Channel Common", 3).left(26),
                 QByteArray("B-ch                (None)"));
    }

    // Values a hand-edited file can hold never stop the report.
    void outOfRangeValues()
    {
        model.UsaChannels.at(0).Position = 99;
        model.ExpChannels.at(1).Position = 500;
        model.Settings.OffsetTime = 40;
        const std::string report = BuildTextReport(model);
        QVERIFY(report.find("\r\nOffsetTime       : \r\n") != std::string::npos);
        QCOMPARE(LineAfter(report, "---  ------  -------"),
                 QByteArray("ENABLE  TX  ---  --  ---  ---- --  VTS         \r"));
        QCOMPARE(LineAfter(report, "--  ---  ------").left(17), QByteArray("1   500  ------  "));
    }
};

QTEST_APPLESS_MAIN(TestTextReport)
#include "tst_text_report.moc"
