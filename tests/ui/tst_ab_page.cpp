// SPDX-License-Identifier: GPL-3.0-or-later
// The A and B channel page and its invariants.
#include "main_window_fixture.h"
#include "ab_page.h"

#include <QComboBox>

using namespace quorlink;

class TestABPage : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> f;

    QComboBox* List(const char* name) const { return f->Find<QComboBox>(name); }
    QStringList Items(const char* name) const
    {
        QStringList items;
        for (int i = 0; i < List(name)->count(); ++i)
            items << List(name)->itemText(i);
        return items;
    }
    void Choose(const char* name, const QString& text) const
    {
        QComboBox* list = List(name);
        const int index = list->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    SpecialChannels& S() const { return f->model.Special; }
    void Show() const { f->window->SelectNodeByKey(QStringLiteral("P")); }

private slots:
    void init()
    {
        f = std::make_unique<test::MainWindowFixture>();
        QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).setValue(QStringLiteral("ModelPath/ModelNum"), 1);
        f->Open();
    }
    void cleanup() { f.reset(); }

    void freshPage()
    {
        Show();
        QCOMPARE(f->window->Pages().Active(), Panel::A);
        QCOMPARE(List("cmbAUSA")->currentText(), QStringLiteral("[None]"));
        QVERIFY(!List("cmbBUSA")->isEnabled());
        QVERIFY(f->Find("PictAach")->isVisible());
        QVERIFY(!f->Find("pictApch")->isVisible());
    }

    void neverOfferedChannels()
    {
        f->model.UsaChannels.at(0).Enable = false;  // 01A
        Show();
        const QStringList items = Items("cmbAUSA");
        QCOMPARE(items.first(), QStringLiteral("[None]"));
        for (const char* absent : {"09", "16", "70", "01A"})
            QVERIFY2(!items.contains(QLatin1String(absent)), absent);
        QVERIFY(items.contains(QStringLiteral("68")) && items.contains(QStringLiteral("18A")));
        QCOMPARE(items.size(), 1 + 55 - 4);
        QCOMPARE(List("cmbAUSA")->itemData(items.indexOf(QStringLiteral("68"))).toInt(), 37);  // slot of "68"
    }

    void choicesExcludeEachOther()
    {
        Show();
        Choose("cmbAUSA", QStringLiteral("68"));
        QCOMPARE(int(S().Ach(Region::Usa)), 37);
        QVERIFY(List("cmbBUSA")->isEnabled());
        QVERIFY(!Items("cmbBUSA").contains(QStringLiteral("68")));
        Choose("cmbBUSA", QStringLiteral("69"));
        QCOMPARE(int(S().Bch(Region::Usa)), 38);
        QVERIFY(!Items("cmbAUSA").contains(QStringLiteral("69")));
        QCOMPARE(List("cmbAUSA")->currentText(), QStringLiteral("68"));

        Choose("cmbAUSA", QStringLiteral("[None]"));
        QCOMPARE(int(S().Ach(Region::Usa)), 255);
        QCOMPARE(int(S().Bch(Region::Usa)), 255);
        QVERIFY(!List("cmbBUSA")->isEnabled());
    }

    void canadaNone()
    {
        S().Ach(Region::Can) = 0;
        S().Bch(Region::Can) = 1;
        Show();
        QCOMPARE(List("cmbACanada")->currentText(), QStringLiteral("01"));
        QCOMPARE(List("cmbBCanada")->currentText(), QStringLiteral("02"));
        Choose("cmbACanada", QStringLiteral("[None]"));
        QCOMPARE(int(S().Ach(Region::Can)), 255);
        QCOMPARE(int(S().Bch(Region::Can)), 255);
        QVERIFY(!List("cmbBCanada")->isEnabled());
    }

    // Put right when the records come in; showing the page then changes nothing.
    void repairedOnLoading()
    {
        S().Ach(Region::Int) = 5;   // "06"
        S().Bch(Region::Int) = 5;   // the same channel: both are lost
        S().Ach(Region::Usa) = 1;   // slot of "02", which is no channel
        S().Bch(Region::Usa) = 0;
        S().Ach(Region::Can) = 0;
        S().Bch(Region::Can) = 200; // names nothing: shown as none, kept
        f->Load();
        const SpecialChannels loaded = S();
        Show();
        QVERIFY(S().values == loaded.values);
        QCOMPARE(int(S().Ach(Region::Int)), 255);
        QCOMPARE(int(S().Bch(Region::Int)), 255);
        QCOMPARE(int(S().Ach(Region::Usa)), 255);
        QCOMPARE(int(S().Bch(Region::Usa)), 255);
        QCOMPARE(int(S().Ach(Region::Can)), 0);
        QCOMPARE(int(S().Bch(Region::Can)), 200);
        QCOMPARE(List("cmbBCanada")->currentText(), QStringLiteral("[None]"));
        QVERIFY(Items("cmbAInterNational").contains(QStringLiteral("06")));  // what the repair freed is offered
    }

    void secondModelHidesTheLists()
    {
        f->model.ModelNumber = 0;
        S().Ach(Region::Usa) = 1;
        f->Load();
        Show();
        QVERIFY(!f->Find("PictAach")->isVisible());
        QVERIFY(!f->Find("pictAbch")->isVisible());
        QVERIFY(!f->Find("pictAitem")->isVisible());
        QCOMPARE(int(S().Ach(Region::Usa)), 255);  // still repaired
    }

    void disablingChannels()
    {
        S().Ach(Region::Usa) = 37;  // 68
        S().Bch(Region::Usa) = 38;  // 69
        auto byPosition = [this](int position) {
            for (const ChannelRecord& r : f->model.UsaChannels)
                if (r.Position == position)
                    return r;
            return ChannelRecord{};
        };
        ChannelRecord b = byPosition(39);
        QCOMPARE(b.Enable, true);
        b.Enable = false;
        ClearABOnDisable(f->model, Region::Usa, b);
        QCOMPARE(int(S().Ach(Region::Usa)), 37);
        QCOMPARE(int(S().Bch(Region::Usa)), 255);
        ChannelRecord a = byPosition(38);
        ClearABOnDisable(f->model, Region::Usa, a);  // still enabled: nothing
        QCOMPARE(int(S().Ach(Region::Usa)), 37);
        a.Enable = false;
        S().Bch(Region::Usa) = 38;
        ClearABOnDisable(f->model, Region::Usa, a);
        QCOMPARE(int(S().Ach(Region::Usa)), 255);
        QCOMPARE(int(S().Bch(Region::Usa)), 255);
    }
};

QTEST_MAIN(TestABPage)
#include "tst_ab_page.moc"
