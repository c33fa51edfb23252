// SPDX-License-Identifier: GPL-3.0-or-later
// Display texts of stored values.
#include "formatters.h"
#include "model.h"

#include <QtTest>

using namespace quorlink;

class TestFormatters : public QObject {
    Q_OBJECT

private slots:
    void frequencies_data()
    {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "---.---";
        QTest::newRow("negative") << -1.0 << "---.---";
        QTest::newRow("two decimals") << 162.55 << "162.550";
        QTest::newRow("one decimal") << 156.8 << "156.800";
        QTest::newRow("zero filled") << 16.3 << "016.300";
        QTest::newRow("four integer digits") << 1234.5 << "1234.500";
        QTest::newRow("rounded") << 156.0254 << "156.025";
        QTest::newRow("tiny") << 0.0004 << "000.000";
    }

    void frequencies()
    {
        QFETCH(double, mhz);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatFrequency(mhz)), text);
    }

    void settingTexts()
    {
        QCOMPARE(DimmerText(0), std::string("OFF"));
        QCOMPARE(DimmerText(1), std::string("LO"));
        QCOMPARE(DimmerText(2), std::string("MID"));
        QCOMPARE(DimmerText(3), std::string("HI"));
        QCOMPARE(DimmerText(7), std::string("OFF"));
        QCOMPARE(ScramblerText(0), std::string("OFF"));
        QCOMPARE(ScramblerText(1), std::string("00"));
        QCOMPARE(ScramblerText(4), std::string("03"));
        QCOMPARE(ScramblerText(5), std::string("OFF"));
        QCOMPARE(ScanTypeText(0), std::string("Memory"));
        QCOMPARE(ScanTypeText(1), std::string("Priority"));
        QCOMPARE(ScanTypeText(2), std::string());
        QCOMPARE(RingerText(0), std::string("5 times"));
        QCOMPARE(RingerText(1), std::string("10 times"));
        QCOMPARE(RingerText(2), std::string("15 times"));
        QCOMPARE(RingerText(3), std::string("3 min"));
        QCOMPARE(RingerText(-4), std::string("5 times"));
    }

    // Each "off" text is as wide as its "on" text, so report columns line up.
    void flagTexts()
    {
        using Formatter = std::string (*)(bool);
        const std::pair<Formatter, const char*> cases[] = {
            {YesNoText, "Yes"}, {EnableText, "ENABLE"}, {TxText, "TX"}, {LowPowerText, "LOW"},
            {PowerUpText, "UP"}, {DuplexText, "DUP"}, {ScanText, "SCAN"}, {VsText, "VS"}};
        for (const auto& [format, on] : cases) {
            QCOMPARE(format(true), std::string(on));
            if (format != YesNoText)
                QCOMPARE(format(false).size(), std::string(on).size());
        }
        QCOMPARE(YesNoText(false), std::string("No"));
        QCOMPARE(EnableText(false), std::string("------"));
        QCOMPARE(ScanText(false), std::string("----"));
    }

    void channelNumbers()
    {
        Model model;
        QVERIFY(!NewModel(model));
        QCOMPARE(ChannelNumberText(model, Region::Usa, 255), std::string("(None)"));
        QCOMPARE(ChannelNumberText(model, Region::Usa, 0), std::string("01A"));
        QCOMPARE(ChannelNumberText(model, Region::Usa, 1), std::string("(None)"));  // "02" is not available
        QCOMPARE(ChannelNumberText(model, Region::Usa, 62), std::string("88A"));
        QCOMPARE(ChannelNumberText(model, Region::Usa, 63), std::string("(None)"));
        QCOMPARE(ChannelNumberText(model, Region::Int, 59), std::string("(None)"));
        QCOMPARE(ChannelNumberText(model, Region::Can, 21), std::string("21A"));
        QCOMPARE(ChannelNumberText(model, Region::Can, -1), std::string("(None)"));
        model.CanChannels.clear();
        QCOMPARE(ChannelNumberText(model, Region::Can, 21), std::string("(None)"));
    }

    void offsetTimeList()
    {
        const std::vector<std::string> list = BuildOffsetTimeList();
        QCOMPARE(list.size(), std::size_t(25));
        QCOMPARE(list[0], std::string("-12:00"));
        QCOMPARE(list[11], std::string("-1:00"));
        QCOMPARE(list[12], std::string(" 0:00"));
        QCOMPARE(list[13], std::string("+1:00"));
        QCOMPARE(list[24], std::string("+12:00"));
        QCOMPARE(list[12].size(), list[13].size());
    }

    void padding()
    {
        QCOMPARE(PadText("abc", 5), std::string("abc  "));
        QCOMPARE(PadText("abcdefg", 5), std::string("abcde"));
        QCOMPARE(PadText("", 3), std::string("   "));
        QCOMPARE(PadText("abc", 0), std::string());
        QCOMPARE(LabelField("Count", 8), std::string("Count  : "));
        QCOMPARE(LabelField("Indivisual Ringer", 18), std::string("Indivisual Ringer: "));
        QCOMPARE(LabelField("A very long label indeed", 18), std::string("A very long label: "));
    }
};

QTEST_APPLESS_MAIN(TestFormatters)
#include "tst_formatters.moc"
