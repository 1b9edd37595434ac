#include "commissioning/BackupStore.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records as a panel holding `n` gives them: its general record carries the number.
PanelRecords holding(int n) {
    PanelRecords records;
    records.set(6, 0, QByteArray::number(n).leftJustified(16, '\0'));
    return records;
}

int heldBy(const QString &backup) {
    PanelRecords records;
    return BackupStore::read(backup, records, nullptr) ? records.value(6, 0).toInt() : -1;
}

} // namespace

class TestBackupStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void save_keepsRecordsWithAPrivateView();
    void save_keepsWhatRetriesMustNotPushOut_data();
    void save_keepsWhatRetriesMustNotPushOut();
    void partlyWrittenAdvice_givesACommandToPaste();
};

// A panel may hold what no XML file carries: its records are the backup all the same.
void TestBackupStore::save_keepsRecordsWithAPrivateView() {
    QTemporaryDir dir;
    BackupStore store(dir.filePath(QStringLiteral("backups")));
    PanelConfiguration core;
    core.webServer.User = QStringLiteral("Site\x07");
    QVERIFY2(store.save(core, holding(1)), qPrintable(store.errorString()));
    QCOMPARE(heldBy(store.lastBackup()), 1);
    QVERIFY(!QFile::exists(BackupStore::viewOf(store.lastBackup())));
    QVERIFY2(store.viewProblem().endsWith(
                 QLatin1String(": Web user \"Site\\x07\" contains a control character, which "
                               "a configuration file cannot hold")),
             qPrintable(store.viewProblem()));

    core.webServer.User = QStringLiteral("Site");
    QVERIFY2(store.save(core, holding(2)), qPrintable(store.errorString()));
    const QString view = BackupStore::viewOf(store.lastBackup());
    PanelConfiguration opened;
    QVERIFY(XmlConfigReader::readFile(view, &opened));
    QVERIFY(opened == core);
    QCOMPARE(heldBy(view), 2); // a view stands for its records
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    for (const QString &file : {store.lastBackup(), view, store.directory()})
        QCOMPARE(QFile::permissions(file) & others, QFile::Permissions());
}

// Steps: a number n saves a panel holding n, each time with another view (the records
// decide), "U" records a successful upload. Kept: what the backups then hold, newest
// first.
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
    QVERIFY(QDir().mkpath(store.directory()));
    QFile own(QDir(store.directory()).filePath(QStringLiteral("panel-mine.xml")));
    QVERIFY(own.open(QIODevice::WriteOnly));
    PanelConfiguration view;
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step == u"U") {
            QVERIFY2(store.recordSuccessfulUpload(), qPrintable(store.errorString()));
            continue;
        }
        ++view.num_zones;
        QVERIFY2(store.save(view, holding(step.toInt())), qPrintable(store.errorString()));
    }
    QStringList held;
    for (const QString &backup : store.backups())
        held << QString::number(heldBy(backup));
    QCOMPARE(held.join(QLatin1Char(' ')), kept);
    // Each view went with its records; files that are not backups stay.
    QCOMPARE(QDir(store.directory()).entryList({QStringLiteral("panel-2*.xml")}).size(),
             store.backups().size());
    QVERIFY(own.exists());
}

void TestBackupStore::partlyWrittenAdvice_givesACommandToPaste() {
    const QString advice = BackupStore::partlyWrittenAdvice(
        QStringLiteral("/home/ana/it's here/panel.records"), QStringLiteral("/dev/ttyUSB0"));
    QVERIFY2(advice.endsWith(QLatin1String(
                 "run: mrb500ctl restore '/home/ana/it'\\''s here/panel.records' --port "
                 "/dev/ttyUSB0")),
             qPrintable(advice));
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
