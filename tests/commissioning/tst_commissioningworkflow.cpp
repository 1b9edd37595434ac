#include "SimulatedPanel.h"
#include "commissioning/CommissioningWorkflow.h"
#include "link/CommandCodec.h"
#include "model/XmlConfigReader.h"

#include <QTemporaryDir>

#include <memory>

namespace {

QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

// Answers as a test row says, and keeps what it was asked and told.
struct ScriptedQuestions : CommissioningQuestions {
    bool goOnWithoutBackup(const QString &reason) override {
        asked << reason;
        return goOn;
    }
    bool confirmWrite(const CommissioningReview &review) override {
        reviews << review;
        return confirm;
    }
    bool checked(const QStringList &) override { return true; }
    void backedUp(const QString &file, const QString &) override { backups << file; }
    void transferStarted(Transfer transfer) override {
        if (transfer == Transfer::Upload)
            savedBeforeUpload = !backups.isEmpty() && QFile::exists(backups.first());
    }

    bool goOn = false;
    bool confirm = true;
    QStringList asked;
    QList<CommissioningReview> reviews;
    QStringList backups;
    bool savedBeforeUpload = false;
};

using Stop = CommissioningOutcome::Stop;

} // namespace

Q_DECLARE_METATYPE(CommissioningOutcome::Stop)

// The commissioning workflow, once for the window and mrb500ctl, against a simulated panel
// that holds the shop example while the school example is written.
class TestCommissioningWorkflow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void upload_data();
    void upload();
    void readForCompare_takesTheInstallation();

private:
    std::unique_ptr<SimulatedPanel> panel;
    std::unique_ptr<QTemporaryDir> temporary;
    std::unique_ptr<PanelCore> file;
    QString backups;
};

void TestCommissioningWorkflow::init() {
    panel = std::make_unique<SimulatedPanel>();
    QVERIFY(panel->open());
    temporary = std::make_unique<QTemporaryDir>();
    QVERIFY(temporary->isValid());
    backups = temporary->filePath(QStringLiteral("backups"));
    PanelCore shop;
    QVERIFY(XmlConfigReader::readFile(example("shop.xml"), &shop));
    panel->attach(shop);
    QVERIFY(shop.uploadConfig());
    panel->engine.clearRequests();
    file = std::make_unique<PanelCore>();
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), file.get()));
    file->setZoneName(3, QStringLiteral("Gimnasio"));
    file->setZoneName(13, QStringLiteral("Anexo")); // a warning, which does not refuse
    panel->attach(*file);
}

void TestCommissioningWorkflow::upload_data() {
    QTest::addColumn<QString>("fault"); // of the panel, the backup folder or the configuration
    QTest::addColumn<bool>("goOn");     // without a backup, when asked
    QTest::addColumn<bool>("confirm");  // the review
    QTest::addColumn<Stop>("stop");
    QTest::addColumn<QString>("reason"); // in the outcome, or else in the question
    QTest::addColumn<bool>("asked");     // whether to go on without a backup
    QTest::addColumn<QString>("review"); // "known", "unknown" or "" (not shown)
    QTest::addColumn<bool>("writes");    // an upload began
    QTest::addColumn<bool>("partly");
    QTest::addColumn<bool>("backedUp");
    QTest::newRow("backedUp_written")
        << "" << false << true << Stop::None << "" << false << "known" << true << false << true;
    QTest::newRow("panelOutOfReach_failsAtOnce")
        << "silent" << true << true << Stop::OutOfReach << "The panel did not answer" << false << ""
        << false << false << false;
    QTest::newRow("panelReadFails_goOn_unknownPanelWritten")
        << "corrupt" << true << true << Stop::None << "answers arrive damaged" << true << "unknown"
        << true << false << false;
    QTest::newRow("backupNotSaved_stop_nothingWritten")
        << "blocked" << false << true << Stop::NoBackup << "cannot create the backup folder" << true
        << "" << false << false << false;
    QTest::newRow("reviewDeclined_nothingWritten") << "" << false << false << Stop::Declined << ""
                                                   << false << "known" << false << false << true;
    QTest::newRow("verifyMismatch_partlyWritten")
        << "flip" << false << true << Stop::WriteFailed
        << "holds 0x00 at byte 15 where 0x01 was written (verify table 0 record 0)" << false
        << "known" << true << true << true;
    QTest::newRow("verifyOff_mismatchUnseen") << "flip, no verify" << false << true << Stop::None
                                              << "" << false << "known" << true << false << true;
    QTest::newRow("oneError_refusedBeforeAnything")
        << "zones" << true << true << Stop::Refused
        << "the panel cannot hold this configuration: The number of zones is 5" << false << ""
        << false << false << false;
}

void TestCommissioningWorkflow::upload() {
    QFETCH(QString, fault);
    QFETCH(bool, goOn);
    QFETCH(bool, confirm);
    QFETCH(Stop, stop);
    QFETCH(QString, reason);
    QFETCH(bool, asked);
    QFETCH(QString, review);
    QFETCH(bool, writes);
    QFETCH(bool, partly);
    QFETCH(bool, backedUp);
    ScriptedQuestions questions;
    questions.goOn = goOn;
    questions.confirm = confirm;
    if (fault == "silent") {
        PtyPanel::Faults silent;
        silent.silent = true;
        panel->line.setFaults(silent);
    } else if (fault == "corrupt") { // every attempt at the first read
        for (int i = 0; i < 4; ++i)
            panel->line.corruptAnswer(panel->line.requestCount() + i);
    } else if (fault == "blocked") {
        QFile blocker(backups);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        backups += QStringLiteral("/inside");
    } else if (fault.startsWith("flip")) {
        panel->engine.setFlipStored(true);
    } else if (fault == "zones") {
        file->num_zones = 5;
    }

    CommissioningWorkflow workflow(*file, questions, backups);
    CommissioningWorkflow::UploadOptions options;
    options.verify = !fault.endsWith("no verify");
    options.readForReview = false; // the backup's read is the review's
    const CommissioningOutcome outcome = workflow.upload(options);

    QCOMPARE(outcome.stop, stop);
    const QString said = stop == Stop::None ? questions.asked.value(0) : outcome.reason;
    QVERIFY2(said.contains(reason), qPrintable(said));
    QCOMPARE(questions.asked.size(), asked ? 1 : 0);
    QCOMPARE(questions.reviews.size(), review.isEmpty() ? 0 : 1);
    if (!review.isEmpty()) {
        QCOMPARE(questions.reviews.first().warnings,
                 QStringList{"Zone 13 is named \"Anexo\", but the panel has 12 zones"});
        QCOMPARE(questions.reviews.first().panelKnown, review == "known");
        QCOMPARE(questions.reviews.first().changes.isEmpty(), review != "known");
    }
    const QList<QByteArray> requests = panel->engine.requests();
    const auto begin = std::find_if(requests.cbegin(), requests.cend(), [](const QByteArray &r) {
        return quint8(r.at(3)) == CommandCodec::BeginUpload;
    });
    QCOMPARE(begin != requests.cend(), writes);
    QCOMPARE(outcome.partlyWritten, partly);
    QCOMPARE(questions.backups, backedUp ? QStringList{outcome.backupFile} : QStringList{});
    QCOMPARE(questions.savedBeforeUpload, backedUp && writes);
    // Written and backed up: that backup is the one later retries must keep.
    QFile marker(backups + QStringLiteral("/last-upload"));
    QCOMPARE(marker.open(QIODevice::ReadOnly) &&
                 outcome.backupFile.endsWith(QString::fromUtf8(marker.readAll()).trimmed()),
             stop == Stop::None && backedUp);
    QCOMPARE(outcome.verified, stop == Stop::None && options.verify);
    if (fault == "corrupt") { // the panel is not read again for the review
        for (auto r = requests.cbegin(); r != begin; ++r)
            QCOMPARE(*r, requests.first());
    }
}

void TestCommissioningWorkflow::readForCompare_takesTheInstallation() {
    QVERIFY(file->uploadConfig());
    ScriptedQuestions questions;
    CommissioningWorkflow workflow(*file, questions, backups);
    const CommissioningOutcome outcome = workflow.readForCompare();
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QVERIFY(outcome.panel == *file);
    QVERIFY(outcome.review.changes.isEmpty());
    QCOMPARE(outcome.traces.size(), 1);
}

QTEST_GUILESS_MAIN(TestCommissioningWorkflow)
#include "tst_commissioningworkflow.moc"
