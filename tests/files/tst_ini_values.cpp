// SPDX-License-Identifier: GPL-3.0-or-later
// The reading rules of the data file: INI lookup and value conversions.
#include "ini_reader.h"
#include "value_conversion.h"

#include <QBuffer>
#include <QtTest>

using namespace quorlink;

namespace {

IniLookup Parse(const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    IniLookup lookup;
    lookup.Load(buffer, [](const QByteArray&) { return true; });
    return lookup;
}

}  // namespace

class TestIniValues : public QObject {
    Q_OBJECT

private slots:
    void lookupRules()
    {
        static const char text[] =
            "Orphan=before any section\r\n"
            "[SetCom]\r\n"
            "  Contrast =  5  \r\n"
            "contrast=6\r\n"
            "no equals sign here\r\n"
            "=nokey\r\n"
            "ChTag=#  LEADING\r\n"
            "Tag2=##double\r\n"
            "Empty=\r\n"
            "Nul=AB\0CD\r\n"
            "Marker=<NONE>\r\n"
            "Eq=a=b\r\n"
            "[SETCOM]\r\n"
            "Dimmer=1\r\n"
            "[other]\n"
            "Unix=line end\n"
            "Last=no line end";
        const IniLookup file = Parse(QByteArray(text, sizeof text - 1));
        QCOMPARE(ReadIniValue(file, "SETCOM", "CONTRAST"), QStringLiteral("5"));  // first key wins
        QCOMPARE(ReadIniValue(file, "setcom", "ChTag"), QStringLiteral("  LEADING"));
        QCOMPARE(ReadIniValue(file, "SETCOM", "Tag2"), QStringLiteral("#double"));  // one "#" only
        QCOMPARE(ReadIniValue(file, "SETCOM", "Empty"), QString());
        QCOMPARE(ReadIniValue(file, "SETCOM", "Nul"), QStringLiteral("AB"));
        QCOMPARE(ReadIniValue(file, "SETCOM", "Marker"), QString());
        QCOMPARE(ReadIniValue(file, "SETCOM", "Eq"), QStringLiteral("a=b"));
        QCOMPARE(ReadIniValue(file, "SETCOM", "Dimmer"), QString());  // repeated section ignored
        QCOMPARE(ReadIniValue(file, "SETCOM", "Orphan"), QString());
        QCOMPARE(ReadIniValue(file, "SETCOM", "no equals sign here"), QString());
        QCOMPARE(ReadIniValue(file, "OTHER", "unix"), QStringLiteral("line end"));
        QCOMPARE(ReadIniValue(file, "OTHER", "last"), QStringLiteral("no line end"));
        QCOMPARE(ReadIniValue(file, "MISSING", "x"), QString());
        QVERIFY(!file.Value("SETCOM", "Missing").has_value());
    }

    void valuesAreCutAt127()
    {
        const QByteArray tag(200, 'X');
        const IniLookup file = Parse("[CHUSA0]\r\nChTag=#" + tag + "\r\n");
        // 127 characters are read, the "#" among them.
        QCOMPARE(ReadIniValue(file, "CHUSA0", "ChTag"), QString(126, QLatin1Char('X')));
    }

    void everyByteSurvives()
    {
        QByteArray all;
        for (int c = 1; c < 256; ++c)
            if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
                all += static_cast<char>(c);
        const IniLookup file = Parse("[S]\r\nK=#" + all.left(100) + "\r\nL=#" + all.mid(100, 100) +
                                     "\r\nM=#" + all.mid(200) + "\r\n");
        QCOMPARE(ReadIniValue(file, "S", "K").toLatin1() + ReadIniValue(file, "S", "L").toLatin1() +
                     ReadIniValue(file, "S", "M").toLatin1(),
                 all);
    }

    void filterKeepsOnlyWantedSections()
    {
        QBuffer buffer;
        buffer.setData("[A]\r\nx=1\r\n[B]\r\nx=2\r\n");
        buffer.open(QIODevice::ReadOnly);
        IniLookup file;
        QVERIFY(file.Load(buffer, [](const QByteArray& name) { return name == "b"; }));
        QVERIFY(!file.Value("A", "x"));
        QCOMPARE(*file.Value("b", "X"), QByteArray("2"));
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");  // -99999: no value
        QTest::newRow("plain") << "42" << 42;
        QTest::newRow("negative") << "-12" << -12;
        QTest::newRow("blanks") << "  7 " << 7;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("fraction") << "6.7" << 7;
        QTest::newRow("max") << "32767" << 32767;
        QTest::newRow("min") << "-32768" << -32768;
        QTest::newRow("above range") << "32768" << -99999;
        QTest::newRow("below range") << "-40000" << -99999;
        QTest::newRow("huge") << "1e400" << -99999;
        QTest::newRow("empty") << "" << -99999;
        QTest::newRow("letters") << "abc" << -99999;
        QTest::newRow("trailing letters") << "12abc" << -99999;
        QTest::newRow("hex") << "0x10" << -99999;
        QTest::newRow("nan") << "nan" << -99999;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<std::int16_t> got = ToShort(text);
        QCOMPARE(got ? int(*got) : -99999, value);
    }

    void flags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");  // -1: no value
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("minus one") << "-1" << 1;
        QTest::newRow("any number") << "7" << 1;
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("false any case") << "fALSE" << 0;
        QTest::newRow("yes") << "yes" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void flags()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<bool> got = ToFlag(text);
        QCOMPARE(got ? int(*got) : -1, value);
    }

    void offsetTime()
    {
        QCOMPARE(int(*OffsetTimeFromFile("-12")), 12);
        QCOMPARE(int(*OffsetTimeFromFile("-24")), 0);
        QCOMPARE(int(*OffsetTimeFromFile("0")), 24);
        QCOMPARE(int(*OffsetTimeFromFile("-12.5")), 12);  // 11.5 rounds to even
        QVERIFY(!OffsetTimeFromFile("x"));
        QVERIFY(!OffsetTimeFromFile("40000"));
    }
};

QTEST_GUILESS_MAIN(TestIniValues)
#include "tst_ini_values.moc"
