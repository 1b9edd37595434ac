#include "BackupStore.h"
#include "PanelCore.h"
#include "XmlConfigReader.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestBackupStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void defaultDirectory_isTheSameForEveryProgram();
    void save_keepsTheNewestAndLeavesOtherFiles();
    void save_failsWithReasonWhereNothingCanBeWritten();
};

void TestBackupStore::defaultDirectory_isTheSameForEveryProgram() {
    const QString shared = BackupStore::defaultDirectory();
    QCoreApplication::setApplicationName(QStringLiteral("another-program"));
    QCOMPARE(BackupStore::defaultDirectory(), shared);
    QCOMPARE(shared, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/mrb500-configurator/backups"));
}

void TestBackupStore::save_keepsTheNewestAndLeavesOtherFiles() {
    QTemporaryDir dir;
    BackupStore store(dir.filePath(QStringLiteral("backups")));
    PanelCore core;
    QStringList saved;
    for (int i = 0; i < BackupStore::Kept + 3; ++i) {
        core.num_zones = i;
        QVERIFY2(store.save(core), qPrintable(store.errorString()));
        saved.prepend(store.lastBackup());
        if (i == 0) {
            QFile own(QDir(store.directory()).filePath(QStringLiteral("panel-mine.xml")));
            QVERIFY(own.open(QIODevice::WriteOnly));
        }
    }
    QCOMPARE(store.backups(), saved.mid(0, BackupStore::Kept));
    QVERIFY(QFile::exists(QDir(store.directory()).filePath(QStringLiteral("panel-mine.xml"))));

    PanelCore newest;
    QVERIFY(XmlConfigReader::readFile(store.backups().first(), &newest));
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(store.lastBackup()) & others, QFile::Permissions());
    QCOMPARE(QFile::permissions(store.directory()) & others, QFile::Permissions());
    QCOMPARE(newest.num_zones, BackupStore::Kept + 2);
}

void TestBackupStore::save_failsWithReasonWhereNothingCanBeWritten() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    BackupStore store(blocker.fileName() + QStringLiteral("/backups"));
    QVERIFY(!store.save(PanelCore()));
    QVERIFY2(store.errorString().startsWith(QLatin1String("cannot create the backup folder")),
             qPrintable(store.errorString()));
    QVERIFY(store.lastBackup().isEmpty());
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
