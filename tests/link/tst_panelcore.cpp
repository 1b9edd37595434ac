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

    // What the window relies on beyond PanelTransfers: progress and steps come from the core,
    // and another configuration taken in keeps the port.
    void transfers_reportOnTheCoreAndKeepThePort() {
        ScriptedPanel panel;
        PanelCore core;
        core.maneuvers = {maneuverWith(1), maneuverWith(2)};
        panel.attach(*core.cmd);
        core.setSerialSettings(ScriptedPanel::settings());
        QSignalSpy up(&core, &PanelCore::progressUp);
        QSignalSpy down(&core, &PanelCore::progress);
        QSignalSpy steps(&core, &PanelCore::transferStep);
        QVERIFY2(core.uploadConfig(), qPrintable(core.transferError()));
        QVERIFY2(core.downloadConfig(), qPrintable(core.transferError()));
        QCOMPARE(up.last().first().toInt(), PanelCore::ProgressMaximum);
        QCOMPARE(down.last().first().toInt(), PanelCore::ProgressMaximum);
        QCOMPARE(steps.size(), panel.requestCount());

        core = PanelConfiguration();
        QVERIFY(core.portConfigured);
        QCOMPARE(core.serialSettings.name, ScriptedPanel::settings().name);
    }
};

QTEST_GUILESS_MAIN(TestPanelCore)
#include "tst_panelcore.moc"
