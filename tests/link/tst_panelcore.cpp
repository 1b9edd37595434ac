#include "ScriptedPanel.h"
#include "link/PanelCore.h"

#include <QSignalSpy>
#include <QTest>

namespace {

ManiobraConvencional maneuverWith(int events, quint8 actBlk = 1) {
    QList<Event> list;
    for (int i = 0; i < events; ++i)
        list.append(Event{2, quint8(i + 1), 2, 2});
    return ManiobraConvencional(list, Action{actBlk, 0, 1, 3, 0});
}

} // namespace

// The configuration with its link: the list operations the editors use, and the
// transfers forwarded to PanelTransfers (whose faults tst_paneltransfers tests).
class TestPanelCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void maneuverList_boundsAndOrder() {
        PanelCore core;
        ManiobraConvencional out;
        QVERIFY(!core.removeManeuver(0));
        for (quint8 blk = 1; blk <= 3; ++blk)
            QVERIFY(core.addManeuver(maneuverWith(1, blk)));
        QVERIFY(!core.getManeuver(3, out));
        QVERIFY(!core.setManeuver(-1, maneuverWith(2)));
        QVERIFY(core.removeManeuver(7)); // outside a non-empty list: nothing, but no failure
        QCOMPARE(core.maneuvers.size(), 3);
        QVERIFY(core.removeManeuver(0));
        QVERIFY(core.setManeuver(1, maneuverWith(4, 9)));
        QCOMPARE(core.maneuvers,
                 (QList<ManiobraConvencional>{maneuverWith(1, 2), maneuverWith(4, 9)}));
        int simple = -1;
        int logic = -1;
        core.addManeuver(maneuverWith(0)); // no event counts as simple
        core.countManeuvers(simple, logic);
        QCOMPARE(simple, 2);
        QCOMPARE(logic, 1);
    }

    void transfers_runOnTheCoreItself() {
        ScriptedPanel panel;
        PanelCore source;
        source.num_zones = 2;
        source.maneuvers = {maneuverWith(1), maneuverWith(2)};
        source.generalConfig.cancel_delay = 3;
        panel.attach(*source.cmd);
        source.setSerialSettings(ScriptedPanel::settings());
        QSignalSpy up(&source, &PanelCore::progressUp);
        QSignalSpy steps(&source, &PanelCore::transferStep);
        QVERIFY2(source.uploadConfig(), qPrintable(source.transferError()));
        QCOMPARE(up.last().first().toInt(), PanelCore::ProgressMaximum);
        QCOMPARE(steps.size(), panel.requestCount());

        PanelCore target;
        target.num_zones = 5;
        panel.attach(*target.cmd);
        target.setSerialSettings(ScriptedPanel::settings());
        QSignalSpy down(&target, &PanelCore::progress);
        QVERIFY2(target.downloadConfig(), qPrintable(target.transferError()));
        QCOMPARE(down.last().first().toInt(), PanelCore::ProgressMaximum);
        QVERIFY(target.panelHeld() == source.panelHeld());
        QCOMPARE(target.num_zones, 5);

        // Another configuration taken in keeps the port.
        target = PanelConfiguration();
        QVERIFY(target.portConfigured);
        QCOMPARE(target.serialSettings.name, ScriptedPanel::settings().name);
        target.requestStop();
        QVERIFY(!target.uploadConfig());
        QCOMPARE(target.transferFailure(), DriverSerieHdlc::Failure::Interrupted);
    }
};

QTEST_GUILESS_MAIN(TestPanelCore)
#include "tst_panelcore.moc"
