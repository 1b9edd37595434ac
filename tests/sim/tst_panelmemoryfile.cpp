#include "sim/PanelMemoryFile.h"

#include <QTemporaryDir>
#include <QTest>

class TestPanelMemoryFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saveThenLoad_keepsEveryRecord();
};

void TestPanelMemoryFile::saveThenLoad_keepsEveryRecord() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("panel.mem"));
    PanelRecords memory;
    PanelRecords loaded;
    loaded.set(0, 1, QByteArray(16, 'x'));
    QString error;
    QVERIFY(PanelMemoryFile::load(file, loaded, &error)); // no file yet: an empty panel
    QVERIFY(loaded.isEmpty());
    memory.set(0, 17, QByteArray(16, '\x7e'));
    memory.set(7, 21, QByteArray::fromHex("5a5a000ec0a80a32c0a80a01ffffff00"));
    QVERIFY(PanelMemoryFile::save(file, memory, &error));
    QVERIFY(PanelMemoryFile::load(file, loaded, &error));
    QCOMPARE(loaded, memory);
}

QTEST_GUILESS_MAIN(TestPanelMemoryFile)
#include "tst_panelmemoryfile.moc"
