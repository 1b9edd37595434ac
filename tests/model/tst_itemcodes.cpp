#include "model/ItemCodes.h"
#include "model/ManiobraConvencional.h"

#include <QTest>

Q_DECLARE_METATYPE(ManiobraConvencional)

class TestItemCodes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toManeuver_data() {
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<int>("action");
        QTest::addColumn<ManiobraConvencional>("expected"); // no event: refused

        const Action sounders{1, 0, 1, 3, 0};
        auto row = [](const char *name, const QList<int> &events, int action,
                      const QList<Event> &expected, const Action &act) {
            QTest::newRow(name) << events << action << ManiobraConvencional(expected, act);
        };
        auto refused = [](const char *name, const QList<int> &events, int action) {
            QTest::newRow(name) << events << action << ManiobraConvencional();
        };
        using namespace ItemCodes;
        row("zone 1", {0x2000}, Panel, {{2, 1, 2, 2}}, sounders);
        row("zone 16", {0x200f}, Panel, {{2, 16, 2, 2}}, sounders);
        refused("zone 17", {0x2010}, Panel);
        row("panel alarm", {0x4001}, Panel, {{2, 0, 2, 2}}, sounders);
        row("input on", {0x4004}, Panel, {{5, 1, 5, 2}}, sounders);
        refused("board output is no event", {0x1000}, Panel);
        row("slot 0 output 1", {zone(3)}, 0x1000, {{2, 3, 2, 2}}, Action{6, 1, 7, 1, 0});
        row("slot 2 output 4", {zone(3)}, 0x1023, {{2, 3, 2, 2}}, Action{8, 4, 7, 1, 0});
        refused("slot 0 output 5", {zone(3)}, 0x1004);
        refused("slot 3", {zone(3)}, 0x1030);
        row("sounder 2", {zone(3)}, 0x4002, {{2, 3, 2, 2}}, Action{1, 2, 1, 3, 0});
        row("reset", {zone(3)}, 0x4003, {{2, 3, 2, 2}}, Action{1, 0, 1, 2, 0});
        row("mute", {zone(3)}, 0x4004, {{2, 3, 2, 2}}, Action{1, 0, 1, 1, 0});
        row("events in selection order", {zone(3), Input, zone(1)}, Sounder2,
            {{2, 3, 2, 2}, {5, 1, 5, 2}, {2, 1, 2, 2}}, Action{1, 2, 1, 3, 0});
        refused("one unknown event among known", {zone(1), 0x2010}, Panel);
    }
    void toManeuver() {
        QFETCH(QList<int>, events);
        QFETCH(int, action);
        QFETCH(ManiobraConvencional, expected);
        const ManiobraConvencional before({Event{5, 1, 5, 1}}, Action{1, 0, 1, 2, 8});
        ManiobraConvencional m = before;
        QCOMPARE(ItemCodes::toManeuver(events, action, &m), !expected.events.isEmpty());
        QCOMPARE(m, expected.events.isEmpty() ? before : expected);
    }
};

QTEST_GUILESS_MAIN(TestItemCodes)
#include "tst_itemcodes.moc"
