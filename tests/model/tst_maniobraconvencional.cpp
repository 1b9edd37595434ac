#include "model/ManiobraConvencional.h"

#include <QTest>

Q_DECLARE_METATYPE(ManiobraConvencional)

namespace {

ManiobraConvencional maneuver(const QList<Event> &events, quint8 blk, quint8 type, quint8 port,
                              quint8 kind, quint16 delay) {
    ManiobraConvencional m;
    m.events = events;
    m.act_blk = blk;
    m.act_blk_type = type;
    m.act_blk_port = port;
    m.act_type = kind;
    m.delay = delay;
    return m;
}

} // namespace

class TestManiobraConvencional : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toByteArray_givesPanelRecord_data();
    void toByteArray_givesPanelRecord();
    void fromRecord_toleratesOddRecords_data();
    void fromRecord_toleratesOddRecords();
};

void TestManiobraConvencional::toByteArray_givesPanelRecord_data() {
    QTest::addColumn<ManiobraConvencional>("maneuver");
    QTest::addColumn<QByteArray>("record");

    // Model order blk, prt, blk_type, type; the record swaps the middle two.
    QTest::newRow("simple, middle fields swapped, delay 0x1234")
        << maneuver({Event{1, 2, 3, 4}}, 6, 7, 1, 1, 0x1234)
        << QByteArray::fromHex("01030204 06070101 1234");

    QByteArray twoEvents(54, '\0');
    twoEvents.replace(0, 8, QByteArray::fromHex("02020305 02020405"));
    twoEvents.replace(48, 6, QByteArray::fromHex("01010003 0258"));
    QTest::newRow("two events, sounders on, delay 600")
        << maneuver({Event{2, 3, 2, 5}, Event{2, 4, 2, 5}}, 1, 1, 0, 3, 600) << twoEvents;

    QList<Event> twelve;
    QByteArray twelveRecord;
    for (quint8 i = 1; i <= 12; ++i) {
        twelve << Event{2, i, 2, 1};
        twelveRecord.append(QByteArray::fromHex("020200 01")).data()[twelveRecord.size() - 2] =
            char(i);
    }
    twelveRecord.append(QByteArray::fromHex("08070301 0000"));
    QTest::newRow("twelve events, no zero slot") << maneuver(twelve, 8, 7, 3, 1, 0) << twelveRecord;
}

void TestManiobraConvencional::toByteArray_givesPanelRecord() {
    QFETCH(ManiobraConvencional, maneuver);
    QFETCH(QByteArray, record);
    QCOMPARE(maneuver.toByteArray().toHex(' '), record.toHex(' '));
    QCOMPARE(ManiobraConvencional(record), maneuver);
}

void TestManiobraConvencional::fromRecord_toleratesOddRecords_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<ManiobraConvencional>("maneuver");
    QTest::newRow("short simple record reads zeros")
        << QByteArray::fromHex("0503020401") << maneuver({Event{5, 2, 3, 4}}, 1, 0, 0, 0, 0);
    QTest::newRow("simple of 8 bytes (the table's last piece)")
        << QByteArray::fromHex("0202020106070101") << maneuver({Event{2, 2, 2, 1}}, 6, 7, 1, 1, 0);
    QTest::newRow("all-zero logic record has no event")
        << QByteArray(54, '\0') << maneuver({}, 0, 0, 0, 0, 0);
    QByteArray gap(54, '\0');
    gap.replace(0, 4, QByteArray::fromHex("02020301"));
    gap.replace(8, 4, QByteArray::fromHex("02020401")); // after the zero slot: not an event
    gap.replace(48, 6, QByteArray::fromHex("01010003000a"));
    QTest::newRow("events end at the first zero slot")
        << gap << maneuver({Event{2, 3, 2, 1}}, 1, 1, 0, 3, 10);
}

void TestManiobraConvencional::fromRecord_toleratesOddRecords() {
    QFETCH(QByteArray, record);
    QFETCH(ManiobraConvencional, maneuver);
    QCOMPARE(ManiobraConvencional(record), maneuver);
}

QTEST_GUILESS_MAIN(TestManiobraConvencional)
#include "tst_maniobraconvencional.moc"
