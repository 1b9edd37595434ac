#include "model/ItemCodes.h"
#include "model/ManiobraConvencional.h"

#include <QTest>

Q_DECLARE_METATYPE(Event)

class TestItemCodes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eventCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("known");
        QTest::addColumn<Event>("event");

        QTest::newRow("zone 1") << 0x2000 << true << Event{2, 1, 2, 2};
        QTest::newRow("zone 12") << 0x200b << true << Event{2, 12, 2, 2};
        QTest::newRow("zone 16") << 0x200f << true << Event{2, 16, 2, 2};
        QTest::newRow("zone 17") << 0x2010 << false << Event{};
        QTest::newRow("panel") << 0x4000 << true << Event{2, 0, 2, 2};
        QTest::newRow("4001") << 0x4001 << true << Event{2, 0, 2, 2};
        QTest::newRow("4002") << 0x4002 << true << Event{2, 0, 2, 1};
        QTest::newRow("4003") << 0x4003 << false << Event{};
        QTest::newRow("input") << 0x4004 << true << Event{5, 1, 5, 2};
        QTest::newRow("input off") << 0x400c << true << Event{5, 1, 5, 1};
        QTest::newRow("board output") << 0x1000 << false << Event{};
        QTest::newRow("short hex text 200") << 0x200 << false << Event{};
        QTest::newRow("zero") << 0 << false << Event{};
    }
    void eventCode() {
        QFETCH(int, code);
        QFETCH(bool, known);
        QFETCH(Event, event);

        ManiobraConvencional m;
        QCOMPARE(ItemCodes::toManeuver({code}, ItemCodes::Panel, &m), known);
        if (known)
            QCOMPARE(m.events, QList<Event>{event});
    }

    void actionCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("known");
        QTest::addColumn<Action>("action");

        QTest::newRow("slot 0 output 1") << 0x1000 << true << Action{6, 1, 7, 1, 0};
        QTest::newRow("slot 1 output 4") << 0x1013 << true << Action{7, 4, 7, 1, 0};
        QTest::newRow("slot 2 output 4") << 0x1023 << true << Action{8, 4, 7, 1, 0};
        QTest::newRow("slot 0 output 5") << 0x1004 << false << Action{};
        QTest::newRow("slot 3") << 0x1030 << false << Action{};
        QTest::newRow("panel") << 0x4000 << true << Action{1, 0, 1, 3, 0};
        QTest::newRow("sounder 1") << 0x4001 << true << Action{1, 1, 1, 3, 0};
        QTest::newRow("sounder 2") << 0x4002 << true << Action{1, 2, 1, 3, 0};
        QTest::newRow("reset") << 0x4003 << true << Action{1, 0, 1, 2, 0};
        QTest::newRow("mute") << 0x4004 << true << Action{1, 0, 1, 1, 0};
        QTest::newRow("input off is no action") << 0x400c << false << Action{};
        QTest::newRow("zone is no action") << 0x2000 << false << Action{};
    }
    void actionCode() {
        QFETCH(int, code);
        QFETCH(bool, known);
        QFETCH(Action, action);

        ManiobraConvencional m;
        QCOMPARE(ItemCodes::toManeuver({ItemCodes::zone(3)}, code, &m), known);
        if (known)
            QCOMPARE(m.action(), action);
    }

    void helpers_matchTheCodes() {
        QCOMPARE(ItemCodes::zone(12), 0x200b);
        QCOMPARE(ItemCodes::boardOutput(2, 4), 0x1023);
    }

    void toManeuver_keepsSelectionOrderAndZeroDelay() {
        ManiobraConvencional m;
        m.delay = 40;
        QVERIFY(ItemCodes::toManeuver({ItemCodes::zone(3), ItemCodes::Input, ItemCodes::zone(1)},
                                      ItemCodes::Sounder2, &m));
        const QList<Event> expected{{2, 3, 2, 2}, {5, 1, 5, 2}, {2, 1, 2, 2}};
        QCOMPARE(m.events, expected);
        QCOMPARE(m.delay, quint16(0));
        QVERIFY(m.isLogic());
    }

    void toManeuver_unknownCode_leavesManeuverUntouched() {
        ManiobraConvencional m({Event{5, 1, 5, 1}}, Action{1, 0, 1, 2, 8});
        const ManiobraConvencional before = m;
        QVERIFY(!ItemCodes::toManeuver({ItemCodes::zone(1), 0x2010}, ItemCodes::Panel, &m));
        QVERIFY(!ItemCodes::toManeuver({ItemCodes::zone(1)}, 0x1004, &m));
        QCOMPARE(m, before);
    }
};

QTEST_GUILESS_MAIN(TestItemCodes)
#include "tst_itemcodes.moc"
