#include "images/WebServerImage.h"
#include "link/CommandCodec.h"
#include "link/LinkTrace.h"

#include <QTest>

namespace {

QByteArray filled(char fill) {
    return QByteArray(CommandCodec::RecordSize, fill);
}

QByteArray readAnswer(const QByteArray &data) {
    return QByteArray::fromHex("000011") + QByteArray(1, '\0') + data;
}

} // namespace

class TestLinkTrace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exchange_hidesPasswordBytes_data();
    void exchange_hidesPasswordBytes();
};

void TestLinkTrace::exchange_hidesPasswordBytes_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("record");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("web user") << 7 << 3 << false << "table 7 record 3: web user";
    QTest::newRow("web password, first half") << 7 << 4 << true << "web password, hidden";
    QTest::newRow("web password, second half") << 7 << 5 << true << "web password, hidden";
    QTest::newRow("e-mail password") << 7 << 10 << true << "e-mail password, hidden";
    QTest::newRow("header") << 7 << 0 << false << "web and e-mail settings";
    QTest::newRow("logic table") << 1 << 4 << false << "table 1 record 4: logic maneuvers";
    QTest::newRow("general") << 6 << 0 << false << "general options";
}

void TestLinkTrace::exchange_hidesPasswordBytes() {
    QFETCH(int, table);
    QFETCH(int, record);
    QFETCH(bool, hidden);
    QFETCH(QString, meaning);
    const QByteArray secret = filled('P');
    LinkTrace trace;
    trace.start(QStringLiteral("test"));
    trace.sent(CommandCodec::writeRecord(quint8(table), quint8(record), secret));
    trace.received(QByteArray::fromHex("00001000"));
    trace.sent(CommandCodec::readRecord(quint8(table), quint8(record)));
    trace.received(readAnswer(secret) + "PP"); // bytes beyond the record too

    const QList<LinkTrace::Entry> &entries = trace.entries();
    QCOMPARE(entries.size(), 4);
    QVERIFY2(entries.at(0).meaning.contains(meaning), qPrintable(entries.at(0).meaning));
    QVERIFY2(entries.at(3).meaning.contains(QLatin1String("accepted")),
             qPrintable(entries.at(3).meaning));
    for (const LinkTrace::Entry &e : {entries.at(0), entries.at(3)}) { // the record's bytes
        QCOMPARE(e.bytes.contains('P'), !hidden);
        QCOMPARE(LinkTrace::hex(e).contains(QLatin1String("**")), hidden);
    }
    QCOMPARE(trace.toText().contains(QLatin1String("50 50")), !hidden);
    // The head of a hidden write stays readable.
    QVERIFY(LinkTrace::hex(entries.at(0))
                .startsWith(QStringLiteral("00 00 01 10 %1 %2")
                                .arg(table, 2, 16, QLatin1Char('0'))
                                .arg(record, 2, 16, QLatin1Char('0'))));
}

QTEST_GUILESS_MAIN(TestLinkTrace)
#include "tst_linktrace.moc"
