#include "link/TransferProgress.h"

#include <QTest>

class TestTransferProgress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void steps_growToMaximum_data() {
        QTest::addColumn<int>("planned");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("stopAfter"); // steps before a failure stops the reports; -1 none
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("last");
        QTest::newRow("more exchanges than values") << 361 << 361 << -1 << false << 101;
        QTest::newRow("fewer exchanges than values") << 7 << 7 << -1 << false << 101;
        QTest::newRow("extra steps stay at the maximum") << 3 << 10 << -1 << false << 101;
        QTest::newRow("finish completes a short run") << 182 << 20 << -1 << true << 101;
        QTest::newRow("unfinished run stays below") << 182 << 181 << -1 << false << 100;
        QTest::newRow("stopped: nothing more, finish neither") << 10 << 5 << 1 << true << 10;
    }
    void steps_growToMaximum() {
        QFETCH(int, planned);
        QFETCH(int, steps);
        QFETCH(int, stopAfter);
        QFETCH(bool, finished);
        QFETCH(int, last);
        QList<int> values;
        TransferProgress progress;
        progress.start(planned, 101, [&values](int v) { values << v; });
        for (int i = 0; i < steps; ++i) {
            if (i == stopAfter)
                progress.stop();
            progress.step();
        }
        if (finished)
            progress.finish();
        QCOMPARE(values.first(), 0);
        QCOMPARE(values.last(), last);
        for (int i = 1; i < values.size(); ++i)
            QVERIFY2(values.at(i) > values.at(i - 1), "progress went backwards or repeated");
    }
};

QTEST_GUILESS_MAIN(TestTransferProgress)
#include "tst_transferprogress.moc"
