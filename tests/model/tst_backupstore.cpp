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
    void save_keepsWhatRetriesMustNotPushOut_data();
    void save_keepsWhatRetriesMustNotPushOut();
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
    QVERIFY2(store.save(core), qPrintable(store.errorString()));
    QFile own(QDir(store.directory()).filePath(QStringLiteral("panel-mine.xml")));
    QVERIFY(own.open(QIODevice::WriteOnly));
    for (int i = 1; i <= BackupStore::Kept + 2; ++i) {
        core.generalConfig.delay_confirmation = quint16(i);
        QVERIFY2(store.save(core), qPrintable(store.errorString()));
    }
    QCOMPARE(store.backups().first(), store.lastBackup());
    QVERIFY(QFile::exists(own.fileName()));

    PanelCore newest;
    QVERIFY(XmlConfigReader::readFile(store.backups().first(), &newest));
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(store.lastBackup()) & others, QFile::Permissions());
    QCOMPARE(QFile::permissions(store.directory()) & others, QFile::Permissions());
    QCOMPARE(newest.generalConfig.delay_confirmation, BackupStore::Kept + 2);
}

// Steps: a number n saves a panel holding n (its password tells the hundreds), "U" records
// a successful upload. Kept: what the backups then hold, newest first.
void TestBackupStore::save_keepsWhatRetriesMustNotPushOut_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("kept");
    auto range = [](int from, int to) {
        QStringList numbers;
        for (int n = from; from <= to ? n <= to : n >= to; n += from <= to ? 1 : -1)
            numbers << QString::number(n);
        return numbers.join(QLatin1Char(' '));
    };
    QTest::newRow("the same as the newest is not stored") << "1 2 2 2 1"
                                                          << "1 2 1";
    QTest::newRow("another password is another backup") << "1 101"
                                                        << "101 1";
    QTest::newRow("no upload yet: the newest and the first")
        << range(1, 25) << range(25, 6) + QStringLiteral(" 1");
    QTest::newRow("retries after an upload: the newest, the last before it, the first after")
        << QStringLiteral("1 2 U ") + range(3, 27) << range(27, 8) + QStringLiteral(" 3 2");
}

void TestBackupStore::save_keepsWhatRetriesMustNotPushOut() {
    QFETCH(QString, steps);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    BackupStore store(dir.filePath(QStringLiteral("backups")));
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step == u"U") {
            QVERIFY2(store.recordSuccessfulUpload(), qPrintable(store.errorString()));
            continue;
        }
        PanelCore panel;
        panel.generalConfig.delay_confirmation = quint16(step.toInt() % 100);
        panel.webServer.Pass = QString::number(step.toInt() / 100);
        QVERIFY2(store.save(panel), qPrintable(store.errorString()));
    }
    QStringList held;
    for (const QString &backup : store.backups()) {
        PanelCore panel;
        QVERIFY(XmlConfigReader::readFile(backup, &panel));
        held << QString::number(panel.generalConfig.delay_confirmation +
                                100 * panel.webServer.Pass.toInt());
    }
    QCOMPARE(held.join(QLatin1Char(' ')), kept);
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
