#include "SimulatedPanel.h"
#include "commissioning/BackupStore.h"
#include "images/ConfigurationFingerprint.h"
#include "link/CmdConvencional.h"
#include "link/CommandCodec.h"
#include "model/ConfigurationDiff.h"
#include "model/XmlConfigReader.h"

#include <QTemporaryDir>

#include <memory>

namespace {

QString school() {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/school.xml");
}

quint8 code(const QByteArray &request) {
    return quint8(request.at(3));
}

} // namespace

// Backup, compare and fingerprint against a simulated panel.
class TestCommissioning : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void backup_readsWholePanelBeforeAnyWrite();
    void backup_unreadablePanelStopsWithReason();
    void download_equalsFileAndGivesSameFingerprint();

private:
    std::unique_ptr<SimulatedPanel> line;
    std::unique_ptr<QTemporaryDir> temporary;
    PanelCore file;
};

void TestCommissioning::init() {
    line = std::make_unique<SimulatedPanel>();
    SimulatedPanel &panel = *line;
    QVERIFY(panel.open());
    temporary = std::make_unique<QTemporaryDir>();
    QVERIFY(temporary->isValid());
    file = PanelConfiguration();
    QVERIFY(XmlConfigReader::readFile(school(), &file));
    file.setZoneName(3, QStringLiteral("Gimnasio"));
    panel.attach(file);
}

void TestCommissioning::backup_readsWholePanelBeforeAnyWrite() {
    SimulatedPanel &panel = *line;
    PanelCore old;
    old.maneuvers = {ManiobraConvencional({Event{2, 1, 2, 2}}, Action{1, 2, 1, 3, 8})};
    old.webServer.Login = 1; // the file keeps the password only then
    old.webServer.Pass = QStringLiteral("previous");
    panel.attach(old);
    QVERIFY(old.uploadConfig());
    panel.engine.clearRequests();

    BackupStore store(temporary->filePath(QStringLiteral("backups")));
    PanelCore content;
    QVERIFY2(store.backUpPanel(file, content), qPrintable(store.errorString()));
    QVERIFY(file.uploadConfig());

    const QList<QByteArray> &requests = panel.engine.requests();
    const qsizetype firstChange =
        std::find_if(requests.cbegin(), requests.cend(),
                     [](const QByteArray &r) { return code(r) != CommandCodec::ReadRecord; }) -
        requests.cbegin();
    QCOMPARE(firstChange, 182); // the whole download, then the upload
    QCOMPARE(code(requests.at(firstChange)), quint8(CommandCodec::BeginUpload));

    PanelRecords held;
    QVERIFY(BackupStore::read(store.lastBackup(), held, nullptr));
    QCOMPARE(held, file.lastReadRecords()); // the panel's bytes, as read
    PanelCore saved;
    QVERIFY(XmlConfigReader::readFile(BackupStore::viewOf(store.lastBackup()), &saved));
    QVERIFY(saved == content);
    QCOMPARE(saved.maneuvers, old.maneuvers);
    QCOMPARE(saved.webServer.Pass, QStringLiteral("previous"));
    // Zones, boards and names are the installation's, from the configuration uploaded.
    QCOMPARE(saved.num_zones, file.num_zones);
    QCOMPARE(saved.elements, file.elements);
    QCOMPARE(saved.zoneName(3), QStringLiteral("Gimnasio"));
    QVERIFY(
        !ConfigurationDiff::compare(saved, file, ConfigurationDiff::Scope::PanelHeld).isEmpty());
}

void TestCommissioning::backup_unreadablePanelStopsWithReason() {
    SimulatedPanel &panel = *line;
    PtyPanel::Faults silent;
    silent.silent = true;
    panel.line.setFaults(silent);
    file.cmd->setAnswerTimeout(100);
    BackupStore store(temporary->filePath(QStringLiteral("backups")));
    PanelCore content;
    QVERIFY(!store.backUpPanel(file, content));
    QCOMPARE(store.errorString(),
             QStringLiteral("The panel did not answer: check the cable, the port and that the "
                            "panel is powered. Details: no answer from panel within 0.1 s (read "
                            "table 0 record 0, sent 2 times); no backup was taken"));
    QVERIFY(store.backups().isEmpty());
    QVERIFY(std::all_of(panel.engine.requests().cbegin(), panel.engine.requests().cend(),
                        [](const QByteArray &r) { return code(r) == CommandCodec::ReadRecord; }));
}

void TestCommissioning::download_equalsFileAndGivesSameFingerprint() {
    file.maneuvers.move(file.maneuvers.size() - 1, 0); // a logic maneuver first
    QVERIFY(file.uploadConfig());
    PanelCore downloaded;
    QVERIFY(file.downloadConfigInto(downloaded));
    QVERIFY(downloaded.maneuvers != file.maneuvers); // simple ones came back first
    QVERIFY(ConfigurationDiff::compare(file, downloaded, ConfigurationDiff::Scope::PanelHeld)
                .isEmpty());
    const QString fingerprint = ConfigurationFingerprint::of(file);
    QCOMPARE(fingerprint.size(), 19);
    QCOMPARE(ConfigurationFingerprint::of(downloaded), fingerprint);

    downloaded.maneuvers.first().delay += 1;
    QVERIFY(ConfigurationFingerprint::of(downloaded) != fingerprint);
    downloaded.maneuvers.first().delay -= 1;
    downloaded.smtp.Password.clear(); // set or not set counts; the password itself does not
    QVERIFY(ConfigurationFingerprint::of(downloaded) != fingerprint);
}

QTEST_GUILESS_MAIN(TestCommissioning)
#include "tst_commissioning.moc"
