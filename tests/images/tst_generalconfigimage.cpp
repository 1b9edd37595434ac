#include "images/GeneralConfigImage.h"

#include <QTest>

class TestGeneralConfigImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Fields in order, the delay big-endian, padding ignored; a short record changes nothing.
    void record_placesFieldsAndRefusesShortRecords() {
        const GeneralConfig full{1, 1, 65500, 3, 2};
        const QByteArray record = QByteArray::fromHex("0101ffdc030200000000000000000000");
        QCOMPARE(GeneralConfigImage::build(full).toHex(' '), record.toHex(' '));
        GeneralConfig back{9, 9, 9, 9, 9};
        QVERIFY(GeneralConfigImage::decode(
            QByteArray(record).replace(6, 10, QByteArray(10, '\xff')), back));
        QCOMPARE(back, full);
        QVERIFY(!GeneralConfigImage::decode(record.left(5), back));
        QCOMPARE(back, full);
    }
};

QTEST_GUILESS_MAIN(TestGeneralConfigImage)
#include "tst_generalconfigimage.moc"
