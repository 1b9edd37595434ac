#include "images/PanelRecords.h"
#include "images/PanelRecordsText.h"

#include <QTest>

namespace {

PanelRecords wholeDownloadSet() {
    PanelRecords records;
    for (const PanelRecords::Address &at : PanelRecords::downloadSet())
        records.set(quint8(at.table), quint8(at.record), QByteArray(16, char(at.record)));
    return records;
}

} // namespace

class TestPanelRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void text_isOneLinePerRecordAfterHeading();
    void text_decode_data();
    void text_decode();
    void restoreProblem_namesFirstRecordAmiss_data();
    void restoreProblem_namesFirstRecordAmiss();
};

void TestPanelRecords::text_isOneLinePerRecordAfterHeading() {
    PanelRecords records;
    records.set(7, 21, QByteArray::fromHex("5a5a000ec0a80a32c0a80a01ffffff00"));
    records.set(0, 17, QByteArray("Site\x07\x7e\x7d\0\0\0\0\0\0\0\0\xff", 16));
    const QByteArray text = PanelRecordsText::encode(records);
    QCOMPARE(text, QByteArray("# MRB-500 panel records 1\n"
                              "0 17 53697465077e7d0000000000000000ff\n"
                              "7 21 5a5a000ec0a80a32c0a80a01ffffff00\n"));
    PanelRecords read;
    QString error;
    QVERIFY2(PanelRecordsText::decode(text, read, &error), qPrintable(error));
    QCOMPARE(read, records);
}

void TestPanelRecords::text_decode_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error"); // empty: read
    const QByteArray valid = "6 0 01001d4c030100000000000000000000\n";
    QTest::newRow("without heading, as older simulator files") << valid << "";
    QTest::newRow("short record") << valid + "0 1 00112233\n"
                                  << "line 2: expected \"table record\" and 32 hex digits";
    QTest::newRow("record listed twice")
        << valid + valid << "line 2: table 6 record 0 is listed a second time";
}

void TestPanelRecords::text_decode() {
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    PanelRecords records;
    records.set(1, 1, QByteArray(16, 'x'));
    QString reason;
    QCOMPARE(PanelRecordsText::decode(text, records, &reason), error.isEmpty());
    QCOMPARE(reason, error);
    if (error.isEmpty())
        QCOMPARE(records.value(6, 0), QByteArray::fromHex("01001d4c030100000000000000000000"));
    QCOMPARE(records.size(), 1);
}

void TestPanelRecords::restoreProblem_namesFirstRecordAmiss_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("size"); // -1: the table is removed
    QTest::addColumn<QString>("problem");
    QTest::newRow("table missing") << 7 << 0 << -1 << "table 7 record 0 is missing";
    QTest::newRow("record of 15 bytes")
        << 6 << 6 << 15 << "table 6 record 6 holds 15 bytes instead of 16";
}

void TestPanelRecords::restoreProblem_namesFirstRecordAmiss() {
    QFETCH(int, table);
    QFETCH(int, record);
    QFETCH(int, size);
    QFETCH(QString, problem);
    PanelRecords records = wholeDownloadSet();
    QCOMPARE(records.size(), 182);
    if (size < 0)
        records.removeTable(quint8(table));
    else
        records.set(quint8(table), quint8(record), QByteArray(size, '\0'));
    QCOMPARE(records.restoreProblem(), problem);
}

QTEST_GUILESS_MAIN(TestPanelRecords)
#include "tst_panelrecords.moc"
