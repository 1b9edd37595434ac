#include "images/ManeuverTableImage.h"

#include <QTest>

namespace {

ManiobraConvencional simple(quint8 zone) {
    return ManiobraConvencional({Event{2, zone, 2, 5}}, Action{1, 0, 1, 3, zone});
}

ManiobraConvencional logic(quint8 firstZone, int events = 2) {
    QList<Event> list;
    for (int i = 0; i < events; ++i)
        list << Event{2, quint8(firstZone + i), 2, 2};
    return ManiobraConvencional(list, Action{6, 1, 7, 1, 40});
}

} // namespace

class TestManeuverTableImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void build_packsRecordsAcrossRecordBoundariesAndReadsBack();
    void build_refusesWhatDoesNotFitWhole_data();
    void build_refusesWhatDoesNotFitWhole();
    void logicRecordAddress_runsOverTables_data();
    void logicRecordAddress_runsOverTables();
};

void TestManeuverTableImage::build_packsRecordsAcrossRecordBoundariesAndReadsBack() {
    ManeuverTableImage::Images images;
    QVERIFY(ManeuverTableImage::build({simple(1), logic(3), simple(2)}, images));
    const QByteArray second = simple(2).toByteArray();
    // The second simple record straddles records 0 and 1 of table 0.
    QCOMPARE(images.simple.mid(10, 6), second.left(6));
    QCOMPARE(images.simple.mid(16, 4), second.mid(6));
    QCOMPARE(images.simple.mid(20), QByteArray(268, '\0'));
    QCOMPARE(images.logic.left(54), logic(3).toByteArray());
    // Read back simple ones first, then logic ones, each in table order.
    QCOMPARE(ManeuverTableImage::decodeSimple(images.simple) +
                 ManeuverTableImage::decodeLogic(images.logic),
             (QList<ManiobraConvencional>{simple(1), simple(2), logic(3)}));
}

void TestManeuverTableImage::build_refusesWhatDoesNotFitWhole_data() {
    QTest::addColumn<int>("simpleCount");
    QTest::addColumn<int>("logicCount");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing: zeros") << 0 << 0 << "";
    QTest::newRow("28 simple and 40 logic fit") << 28 << 40 << "";
    QTest::newRow("29 simple refused")
        << 29 << 0 << "29 simple maneuvers; the panel holds at most 28";
    QTest::newRow("41 logic refused")
        << 0 << 41 << "41 logic maneuvers; the panel holds at most 40";
}

void TestManeuverTableImage::build_refusesWhatDoesNotFitWhole() {
    QFETCH(int, simpleCount);
    QFETCH(int, logicCount);
    QFETCH(QString, error);
    QList<ManiobraConvencional> list;
    for (int i = 0; i < simpleCount; ++i)
        list << simple(quint8(1 + i % 12));
    for (int i = 0; i < logicCount; ++i)
        list << logic(1, 12);
    ManeuverTableImage::Images images;
    images.simple = "untouched";
    QString reason;
    QCOMPARE(ManeuverTableImage::build(list, images, &reason), error.isEmpty());
    QCOMPARE(reason, error);
    if (!error.isEmpty()) {
        QCOMPARE(images.simple, QByteArray("untouched"));
        return;
    }
    QCOMPARE(images.simple.size(), 288);
    QCOMPARE(images.logic.size(), 2160);
    if (list.isEmpty())
        QCOMPARE(images.simple + images.logic, QByteArray(288 + 2160, '\0'));
    QCOMPARE(ManeuverTableImage::decodeSimple(images.simple).size(), simpleCount);
    QCOMPARE(ManeuverTableImage::decodeLogic(images.logic).size(), logicCount);
}

void TestManeuverTableImage::logicRecordAddress_runsOverTables_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("record");
    QTest::newRow("first") << 0 << 1 << 0;
    QTest::newRow("end of table 1") << 31 << 1 << 31;
    QTest::newRow("32 starts table 2") << 32 << 2 << 0;
    QTest::newRow("128 starts table 5") << 128 << 5 << 0;
    QTest::newRow("134 is the last") << 134 << 5 << 6;
}

void TestManeuverTableImage::logicRecordAddress_runsOverTables() {
    QFETCH(int, n);
    QFETCH(int, table);
    QFETCH(int, record);
    const auto address = ManeuverTableImage::logicRecordAddress(n);
    QCOMPARE(address.table, table);
    QCOMPARE(address.record, record);
}

QTEST_GUILESS_MAIN(TestManeuverTableImage)
#include "tst_maneuvertableimage.moc"
