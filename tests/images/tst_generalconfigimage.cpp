#include "images/GeneralConfigImage.h"

#include <QTest>

Q_DECLARE_METATYPE(GeneralConfig)

class TestGeneralConfigImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void build_placesFieldsBigEndian_data();
    void build_placesFieldsBigEndian();
    void decode_ignoresPaddingAndRefusesShortRecords();
};

void TestGeneralConfigImage::build_placesFieldsBigEndian_data() {
    QTest::addColumn<GeneralConfig>("config");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("all zero") << GeneralConfig() << QByteArray(16, '\0');
    const GeneralConfig full{1, 1, 65500, 3, 2};
    QTest::newRow("every field") << full << QByteArray::fromHex("0101ffdc030200000000000000000000");
}

void TestGeneralConfigImage::build_placesFieldsBigEndian() {
    QFETCH(GeneralConfig, config);
    QFETCH(QByteArray, record);
    QCOMPARE(GeneralConfigImage::build(config).toHex(' '), record.toHex(' '));
    GeneralConfig back{9, 9, 9, 9, 9};
    QVERIFY(GeneralConfigImage::decode(record, back));
    QCOMPARE(back, config);
}

void TestGeneralConfigImage::decode_ignoresPaddingAndRefusesShortRecords() {
    GeneralConfig out;
    QVERIFY(
        GeneralConfigImage::decode(QByteArray::fromHex("0001012cffffffffffffffffffffffff"), out));
    QCOMPARE(out.delay_confirmation, quint16(300));
    QCOMPARE(out.cancel_delay, quint8(0xff));
    const GeneralConfig before = out;
    QVERIFY(!GeneralConfigImage::decode(QByteArray::fromHex("0101020304"), out));
    QCOMPARE(out, before);
}

QTEST_GUILESS_MAIN(TestGeneralConfigImage)
#include "tst_generalconfigimage.moc"
