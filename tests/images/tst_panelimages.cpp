#include "images/ManeuverTableImage.h"
#include "images/WebServerImage.h"

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

// Where the images put each maneuver; each setting's place is proven by tst_fieldtable and
// the records of a whole upload by tst_paneltransfers.
class TestPanelImages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void maneuvers_packAcrossRecordsAndReadBackSimpleFirst() {
        ManeuverTableImage::Images images;
        QVERIFY(ManeuverTableImage::build({simple(1), logic(3), simple(2)}, images));
        const QByteArray second = simple(2).toByteArray();
        // The second simple record straddles records 0 and 1 of table 0.
        QCOMPARE(images.simple.mid(10, 6), second.left(6));
        QCOMPARE(images.simple.mid(16, 4), second.mid(6));
        QCOMPARE(images.simple.mid(20), QByteArray(268, '\0'));
        QCOMPARE(images.logic.left(54), logic(3).toByteArray());
        QCOMPARE(images.logic.mid(54), QByteArray(2160 - 54, '\0'));
        QCOMPARE(ManeuverTableImage::decodeSimple(images.simple) +
                     ManeuverTableImage::decodeLogic(images.logic),
                 (QList<ManiobraConvencional>{simple(1), simple(2), logic(3)}));
    }

    void logicRecordAddress_runsOverTables_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("record");
        QTest::newRow("end of table 1") << 31 << 1 << 31;
        QTest::newRow("134 is the last") << 134 << 5 << 6;
    }
    void logicRecordAddress_runsOverTables() {
        QFETCH(int, n);
        QFETCH(int, table);
        QFETCH(int, record);
        const auto address = ManeuverTableImage::logicRecordAddress(n);
        QCOMPARE(address.table, table);
        QCOMPARE(address.record, record);
    }

    // A download keeps the settings it had where the panel holds none or too few bytes.
    void settings_withoutMarkerOrShortChangeNothing() {
        WebServerConfig web;
        web.User = QStringLiteral("kept");
        SmtpConfig smtp;
        smtp.Port = 25;
        QByteArray image = WebServerImage::build(WebServerConfig(), SmtpConfig());
        QCOMPARE(WebServerImage::decode(image.left(351), web, smtp),
                 WebServerImage::Decoded::TooShort);
        QCOMPARE(WebServerImage::decode(QByteArray(352, '\0'), web, smtp),
                 WebServerImage::Decoded::NoMarker);
        QCOMPARE(web.User, QStringLiteral("kept"));
        QCOMPARE(smtp.Port, quint16(25));
    }
};

QTEST_GUILESS_MAIN(TestPanelImages)
#include "tst_panelimages.moc"
