#include "PanelMemoryFile.h"

#include <QTemporaryDir>
#include <QTest>

class TestPanelMemoryFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saveThenLoad_keepsEveryRecord();
    void load_refusesDamagedLine_data();
    void load_refusesDamagedLine();
};

void TestPanelMemoryFile::saveThenLoad_keepsEveryRecord() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("panel.mem"));
    QMap<int, QByteArray> memory;
    QMap<int, QByteArray> loaded{{1, QByteArray(16, 'x')}};
    QString error;
    QVERIFY(PanelMemoryFile::load(file, loaded, &error)); // no file yet: an empty panel
    QVERIFY(loaded.isEmpty());
    memory.insert(0 * 256 + 17, QByteArray(16, '\x7e'));
    memory.insert(7 * 256 + 21, QByteArray::fromHex("5a5a000ec0a80a32c0a80a01ffffff00"));
    QVERIFY(PanelMemoryFile::save(file, memory, &error));
    QVERIFY(PanelMemoryFile::load(file, loaded, &error));
    QCOMPARE(loaded, memory);
}

void TestPanelMemoryFile::load_refusesDamagedLine_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("short record") << QByteArray("0 1 00112233\n");
    QTest::newRow("table out of range") << QByteArray("256 0 00112233445566778899aabbccddeeff\n");
    QTest::newRow("missing field") << QByteArray("0 00112233445566778899aabbccddeeff\n");
}

void TestPanelMemoryFile::load_refusesDamagedLine() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("panel.mem"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("6 0 01001d4c030100000000000000000000\n" + content);
    f.close();
    QMap<int, QByteArray> memory{{1, QByteArray(16, 'x')}};
    QString error;
    QVERIFY(!PanelMemoryFile::load(file, memory, &error));
    QVERIFY2(error.contains(QLatin1String("line 2")), qPrintable(error));
    QCOMPARE(memory.size(), 1);
}

QTEST_GUILESS_MAIN(TestPanelMemoryFile)
#include "tst_panelmemoryfile.moc"
