// SPDX-License-Identifier: GPL-3.0-or-later
// The channel plans and the channel lists built from them.
#include "model.h"

#include <QtTest>
#include <cmath>

using namespace quorlink;

namespace {

const ChannelRecord& ByLabel(const Model& model, Region region, const std::string& label)
{
    for (const ChannelRecord& record : model.Channels(region))
        if (model.Plan(region).at(record.Position).Label == label)
            return record;
    throw std::runtime_error("no channel " + label);
}

bool Near(double a, double b) { return std::fabs(a - b) < 1e-9; }

}  // namespace

class TestPlans : public QObject {
    Q_OBJECT

    Model model;

private slots:
    void init()
    {
        model = Model();
        QVERIFY(!NewModel(model));
    }

    void listSizes()
    {
        QCOMPARE(model.UsaChannels.size(), std::size_t(55));
        QCOMPARE(model.IntChannels.size(), std::size_t(55));
        QCOMPARE(model.CanChannels.size(), std::size_t(56));
        QCOMPARE(model.WxChannels.size(), std::size_t(10));
        QCOMPARE(model.ExpChannels.size(), 40);
    }

    void listsFollowPlanOrder()
    {
        for (Region region : kRegions) {
            int previous = 0;
            for (const ChannelRecord& record : model.Channels(region)) {
                QVERIFY(record.Position > previous);
                QVERIFY(model.Plan(region).at(record.Position).Available);
                previous = record.Position;
            }
            QVERIFY(!model.Plan(region).at(64).Available);  // slot 63 is never a channel
        }
    }

    void firstUsaChannel()
    {
        const ChannelRecord& r = model.UsaChannels.at(0);
        QCOMPARE(r.Position, std::int16_t(1));
        QCOMPARE(r.ChTag, std::string("VTS"));
        QVERIFY(r.DispayA);
        QVERIFY(r.TxEnable);
        QVERIFY(!r.Duplex);
        QVERIFY(r.Enable);
    }

    void receiveOnlyChannels()
    {
        QVERIFY(!ByLabel(model, Region::Usa, "15").TxEnable);
        for (Region region : kRegions)
            QVERIFY(!ByLabel(model, region, "70").TxEnable);
        QVERIFY(ByLabel(model, Region::Int, "15").TxEnable);
    }

    void duplexDefaults()
    {
        const ChannelRecord& usa20 = ByLabel(model, Region::Usa, "20");
        QVERIFY(usa20.Duplex);
        QVERIFY(!usa20.DuplexSelectable);
        for (const ChannelRecord& wx : model.WxChannels) {
            QVERIFY(wx.Duplex);
            QVERIFY(wx.DuplexSelectable);
            QVERIFY(!wx.TxEnable);
        }
        const ChannelRecord& can28 = ByLabel(model, Region::Can, "28");
        QVERIFY(can28.Duplex);
        QCOMPARE(model.CanPlan.at(can28.Position).DuplexRxFreq, 0.0);
    }

    void lowPowerDefaults()
    {
        QVERIFY(ByLabel(model, Region::Int, "28").LowPower);
        QVERIFY(ByLabel(model, Region::Can, "66A").LowPower);
        QVERIFY(ByLabel(model, Region::Usa, "77").LowPower);
        QVERIFY(!ByLabel(model, Region::Usa, "16").LowPower);
    }

    void singledOutRows()
    {
        QCOMPARE(model.UsaPlan.at(53).DefaultTag, std::string("USGCG"));
        QCOMPARE(model.UsaPlan.at(63).Label, std::string("88A"));
        QVERIFY(!model.UsaPlan.at(55).Available);  // "84A"
        QVERIFY(Near(model.UsaPlan.at(55).TxFreq, 157.225));
        QCOMPARE(model.IntPlan.at(39).DefaultTag, std::string("SHIP-SHIP"));
        QVERIFY(!model.IntPlan.at(60).Available);
        QCOMPARE(model.CanPlan.at(60).Label, std::string("88"));
        QCOMPARE(model.WxPlan.at(10).Label, std::string("WX10[163.275MHz]"));
        QCOMPARE(model.WxPlan.at(10).DefaultTag, std::string("163.275MHZ"));
        QVERIFY(Near(model.WxPlan.at(8).RxFreq, 161.650));
    }

    // Every entry with a transmit and a duplex receive frequency is 4.6 MHz apart,
    // and a WX entry receives on its label's frequency: catches a mistyped row.
    void frequencyRules()
    {
        for (const PlanTable* plan : {&model.UsaPlan, &model.IntPlan, &model.CanPlan, &model.ExpPlan}) {
            for (int i = plan->first(); i <= plan->last(); ++i) {
                const PlanEntry& e = plan->at(i);
                if (e.TxFreq > 0 && e.DuplexRxFreq > 0)
                    QVERIFY2(Near(e.DuplexRxFreq, e.TxFreq + 4.6), qPrintable(QString::number(i)));
                if (e.TxFreq > 0)
                    QVERIFY(Near(e.TxFreq, e.RxFreq));
            }
        }
        for (int i = 1; i <= 10; ++i) {
            const PlanEntry& e = model.WxPlan.at(i);
            QCOMPARE(e.TxFreq, 0.0);
            QCOMPARE(e.RxFreq, e.DuplexRxFreq);
            QCOMPARE(QString::fromStdString(e.Label).mid(5, 7).toDouble(), e.RxFreq);
        }
    }

    void expPlan()
    {
        QCOMPARE(model.ExpPlan.first(), 0);
        QCOMPARE(model.ExpPlan.last(), 281);
        QVERIFY(Near(model.ExpPlan.at(0).TxFreq, 156.000));
        QVERIFY(Near(model.ExpPlan.at(16).TxFreq, 156.800));
        QVERIFY(Near(model.ExpPlan.at(59).TxFreq, 158.950));
        QVERIFY(Near(model.ExpPlan.at(60).TxFreq, 156.025));
        QVERIFY(Near(model.ExpPlan.at(119).TxFreq, 158.975));
        QVERIFY(Near(model.ExpPlan.at(120).TxFreq, 159.000));
        QVERIFY(Near(model.ExpPlan.at(241).TxFreq, 162.025));
        QCOMPARE(model.ExpPlan.at(241).DuplexRxFreq, 0.0);
        QVERIFY(!model.ExpPlan.at(241).DefaultDuplex);
        QVERIFY(Near(model.ExpPlan.at(242).TxFreq, 155.975));
        QVERIFY(Near(model.ExpPlan.at(281).TxFreq, 155.000));
        QVERIFY(Near(model.ExpPlan.at(281).DuplexRxFreq, 159.600));
        QVERIFY(model.ExpPlan.at(281).DefaultDuplex);
        int unavailable = 0;
        for (int k = 0; k <= 281; ++k)
            unavailable += model.ExpPlan.at(k).Available ? 0 : 1;
        QCOMPARE(unavailable, 4);
        for (int k : {75, 76, 85, 86})
            QVERIFY(!model.ExpPlan.at(k).Available);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, model.ExpPlan.at(282));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, model.UsaPlan.at(0));
    }

    void expChannelDefaults()
    {
        ChannelRecord record;
        record.Position = 130;  // 159.250, simplex
        record.DispayA = true;
        record.TxEnable = false;
        record.Duplex = record.PowUp = record.ScanMemory = record.VsMemory = true;
        record.ChTag = "OLD";
        ExpChannelDefaults(record, model.ExpPlan);
        QVERIFY(record.DispayA);      // EXP labels are empty: left as it was
        QVERIFY(record.TxEnable);     // the entry can transmit
        QVERIFY(record.Enable);
        QVERIFY(!record.Duplex && !record.PowUp && !record.ScanMemory && !record.VsMemory);
        QVERIFY(!record.DuplexSelectable);
        QCOMPARE(record.ChTag, std::string());

        record.Position = 10;
        ExpChannelDefaults(record, model.ExpPlan);
        QVERIFY(record.DuplexSelectable);
        QVERIFY(!record.Duplex);
    }

    void chainingRebuildsLists()
    {
        model.UsaChannels.clear();
        model.ExpChannels.at(3).Position = 200;
        QVERIFY(!NewModel(model));
        QCOMPARE(model.UsaChannels.size(), std::size_t(55));
        QCOMPARE(model.ExpChannels.at(3).Position, std::int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestPlans)
#include "tst_plans.moc"
