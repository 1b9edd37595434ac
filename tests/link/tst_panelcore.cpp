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

class TestPanelCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void construction_emptySlotsWithAddressesAndDhcp() {
        PanelCore core;
        for (int i = 0; i < PanelCore::ElementSlots; ++i) {
            QCOMPARE(core.elements[i].type, quint8(0));
            QCOMPARE(core.elements[i].address, quint8(i));
        }
        QVERIFY(core.maneuvers.isEmpty());
        QCOMPARE(core.webServer.DHCP, quint8(1));
        QVERIFY(!core.portConfigured);
        QVERIFY(!core.serialSettings.portSelected);
        QVERIFY(core.smtp.Host.isEmpty());
    }

    void setElement_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint8>("existing");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("expected");

        QTest::newRow("occupied slot without overwrite") << 1 << quint8(2) << false << false;
        QTest::newRow("occupied slot with overwrite") << 1 << quint8(2) << true << true;
        QTest::newRow("empty slot without overwrite") << 2 << quint8(0) << false << true;
        QTest::newRow("index 3") << 3 << quint8(0) << true << false;
        QTest::newRow("index -1") << -1 << quint8(0) << true << false;
    }
    void setElement() {
        QFETCH(int, index);
        QFETCH(quint8, existing);
        QFETCH(bool, overwrite);
        QFETCH(bool, expected);

        PanelCore core;
        if (index >= 0 && index < PanelCore::ElementSlots)
            core.elements[index].type = existing;
        const auto before = core.elements;

        QCOMPARE(core.setElement(index, Element{1, 7}, overwrite), expected);
        if (!expected) {
            QCOMPARE(core.elements, before);
            return;
        }
        QCOMPARE(core.elements[index].type, quint8(1));
        QCOMPARE(core.elements[index].address, quint8(index)); // the slot keeps its own
    }

    void getElement_outOfRange_fails() {
        PanelCore core;
        Element out{9, 9};
        QVERIFY(!core.getElement(3, out));
        QVERIFY(!core.getElement(-1, out));
        QCOMPARE(out, (Element{9, 9}));
        core.elements[2].type = 2;
        QVERIFY(core.getElement(2, out));
        QCOMPARE(out, (Element{2, 2}));
    }

    void countElements_countsOccupiedSlots() {
        PanelCore core;
        core.elements[0].type = 1;
        core.elements[2].type = 2;
        QCOMPARE(core.countElements(), 2);
    }

    void countManeuvers_data() {
        QTest::addColumn<QList<int>>("eventCounts");
        QTest::addColumn<int>("simple");
        QTest::addColumn<int>("logic");

        QTest::newRow("empty list") << QList<int>{} << 0 << 0;
        QTest::newRow("no event counts as simple") << QList<int>{0} << 1 << 0;
        QTest::newRow("one event simple, two logic") << QList<int>{1, 2} << 1 << 1;
        QTest::newRow("mixed") << QList<int>{1, 12, 1, 3} << 2 << 2;
    }
    void countManeuvers() {
        QFETCH(QList<int>, eventCounts);
        QFETCH(int, simple);
        QFETCH(int, logic);

        PanelCore core;
        for (int n : eventCounts)
            core.addManeuver(maneuverWith(n));
        int s = -1;
        int l = -1;
        core.countManeuvers(s, l);
        QCOMPARE(s, simple);
        QCOMPARE(l, logic);
    }

    void maneuverList_boundsAndOrder() {
        PanelCore core;
        ManiobraConvencional out;
        QVERIFY(!core.removeManeuver(0));
        QVERIFY(!core.getManeuver(0, out));
        QVERIFY(!core.setManeuver(0, maneuverWith(1)));

        for (quint8 blk = 1; blk <= 3; ++blk)
            QVERIFY(core.addManeuver(maneuverWith(1, blk)));
        QVERIFY(!core.getManeuver(3, out));
        QVERIFY(!core.getManeuver(-1, out));
        QVERIFY(!core.setManeuver(3, maneuverWith(2)));
        QCOMPARE(core.maneuvers.size(), 3);

        // An index outside a non-empty list removes nothing but is not a failure.
        QVERIFY(core.removeManeuver(7));
        QCOMPARE(core.maneuvers.size(), 3);

        QVERIFY(core.removeManeuver(0));
        QVERIFY(core.getManeuver(0, out));
        QCOMPARE(out.act_blk, quint8(2)); // the former second moved up

        QVERIFY(core.setManeuver(1, maneuverWith(4, 9)));
        QVERIFY(core.getManeuver(1, out));
        QCOMPARE(out, maneuverWith(4, 9));
    }

    void addManeuver_storesACopy() {
        PanelCore core;
        ManiobraConvencional m = maneuverWith(2);
        core.addManeuver(m);
        m.events.clear();
        m.delay = 99;
        QCOMPARE(core.maneuvers.first(), maneuverWith(2));
    }

    void setSerialSettings_copiesAndSetsPortConfigured() {
        PanelCore core;
        SerialSettings s;
        s.name = QStringLiteral("ttyUSB0");
        s.portSelected = true;
        core.setSerialSettings(s);
        QVERIFY(core.portConfigured);
        QCOMPARE(core.serialSettings.name, QStringLiteral("ttyUSB0"));
        s.portSelected = false;
        core.setSerialSettings(s);
        QVERIFY(!core.portConfigured);
    }

    void newConfiguration_resetsOnlyZonesGeneralAndManeuvers() {
        PanelCore core;
        core.num_zones = 8;
        core.generalConfig = GeneralConfig{1, 1, 500, 3, 2};
        core.webServer.DHCP = 0;
        core.webServer.IP = 0xC0A80102;
        core.smtp.Host = QStringLiteral("mail");
        core.elements[0].type = 1;
        core.addManeuver(maneuverWith(1));
        core.addManeuver(maneuverWith(2));
        const WebServerConfig web = core.webServer;
        const SmtpConfig smtp = core.smtp;

        // What "New" does, in its order.
        while (!core.maneuvers.isEmpty())
            core.removeManeuver(0);
        core.num_zones = 0;
        core.setDefaults();

        QCOMPARE(core.num_zones, 0);
        QCOMPARE(core.generalConfig, GeneralConfig());
        QVERIFY(core.maneuvers.isEmpty());
        QCOMPARE(core.webServer, web);
        QCOMPARE(core.smtp, smtp);
        QCOMPARE(core.elements[0].type, quint8(1));
    }

    void assignConfiguration_copiesAllButSerialSettings() {
        PanelConfiguration a;
        a.num_zones = 4;
        a.elements[1].type = 2;
        a.generalConfig.cancel_delay = 3;
        a.webServer.Pass = QStringLiteral("x");
        a.smtp.Port = 25;
        a.addManeuver(maneuverWith(3));

        PanelCore b;
        SerialSettings s;
        s.name = QStringLiteral("pts/3");
        s.portSelected = true;
        b.setSerialSettings(s);
        QVERIFY(b != a);
        b = a;
        QVERIFY(b == a);
        QCOMPARE(b.serialSettings.name, QStringLiteral("pts/3"));
        QVERIFY(b.portConfigured);
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
        QVERIFY(target.checkConnection());
        QCOMPARE(target.panelGeneralConfig(), source.generalConfig);
        QVERIFY2(target.downloadConfig(), qPrintable(target.transferError()));
        QCOMPARE(down.last().first().toInt(), PanelCore::ProgressMaximum);
        QVERIFY(target.panelHeld() == source.panelHeld());
        QCOMPARE(target.num_zones, 5);
        QCOMPARE(target.lastReadRecords().size(), 182);

        target.requestStop();
        QVERIFY(!target.uploadConfig());
        QCOMPARE(target.transferFailure(), DriverSerieHdlc::Failure::Interrupted);
    }
};

QTEST_GUILESS_MAIN(TestPanelCore)
#include "tst_panelcore.moc"
