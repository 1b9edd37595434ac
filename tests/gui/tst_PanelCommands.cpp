#include "ScriptedDialogs.h"
#include "SimulatedPanel.h"
#include "model/XmlConfigReader.h"
#include "ui/LinkLogWindow.h"
#include "ui/MyMainWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/TransferProgressDialog.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

// The window must print nothing on the terminal unless a logging rule asks for it.
QtMessageHandler testLogHandler = nullptr;
QStringList debugLines;
void keepDebugLines(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtDebugMsg)
        debugLines << text;
    testLogHandler(type, context, text);
}

} // namespace

// The window's panel commands against the simulated panel on a real pseudo-terminal:
// what reaches the commissioning workflow and the link, the questions asked, and what the
// user is shown of the outcome. The workflow's own faults are tests/commissioning's.
class tst_PanelCommands : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void attachPanel() {
        window->setCommandLinePort(panel->line.slavePath());
        window->panelCore()->cmd->setAnswerTimeout(300);
    }
    // Fills the simulated panel with an example, through another model.
    void fillPanelWith(const char *file);
    // Messages and failures, without the line that names the backup file, and with BACKUP
    // and PORT for the backup's and the port's names.
    QString outcomeShown() const;

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
    SimulatedPanel *panel = nullptr;
    MyMainWindow *window = nullptr;
    int writes = 0; // memory changes in the panel

private Q_SLOTS:
    void init();
    void cleanup();
    void upload_asksForPortBacksUpReviewsWritesAndLogs();
    void upload_asksAndShowsOutcome_data();
    void upload_asksAndShowsOutcome();
    void read_showsWhatWasReadOrTheLinkReason_data();
    void read_showsWhatWasReadOrTheLinkReason();
};

void tst_PanelCommands::init() {
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    QDir(dir.filePath(QStringLiteral("data/mrb500-configurator"))).removeRecursively();
    debugLines.clear();
    testLogHandler = qInstallMessageHandler(keepDebugLines);
    dialogs = new ScriptedDialogs;
    panel = new SimulatedPanel;
    QVERIFY(panel->open());
    writes = 0;
    connect(&panel->line, &PtyPanel::memoryChanged, this, [this] { ++writes; });
    window = new MyMainWindow;
    window->show();
    QVERIFY(window->openFile(example("school.xml")));
}

void tst_PanelCommands::cleanup() {
    dialogs->answers = {true};
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Discard};
    window->close();
    delete window;
    delete panel;
    delete dialogs;
    qInstallMessageHandler(testLogHandler);
    QVERIFY2(debugLines.isEmpty(), qPrintable(debugLines.join('\n')));
}

void tst_PanelCommands::fillPanelWith(const char *file) {
    PanelCore content;
    QVERIFY(XmlConfigReader::readFile(example(file), &content));
    panel->attach(content);
    QVERIFY2(content.uploadConfig(), qPrintable(content.transferError()));
    writes = 0;
}

QString tst_PanelCommands::outcomeShown() const {
    static const QRegularExpression backupLine(
        QStringLiteral("\n?The panel's previous configuration was saved as [^\n]*"));
    static const QRegularExpression backup(QStringLiteral("/\\S*/panel-[^/ ]*\\.records"));
    return (dialogs->messages + dialogs->failures)
        .join("|")
        .remove(backupLine)
        .replace(backup, QStringLiteral("BACKUP"))
        .replace(panel->line.slavePath(), QStringLiteral("PORT"));
}

void tst_PanelCommands::upload_asksForPortBacksUpReviewsWritesAndLogs() {
    fillPanelWith("shop.xml");
    QVERIFY(!window->panelCore()->portConfigured);
    // From a timer, since the command runs its own event loops: answer the settings
    // dialog, and look at the progress dialog, which must stay window-modal without a
    // button, also on Escape.
    int settingsDialogs = 0;
    int progressSightings = 0;
    bool windowFreed = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (auto *settings = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget())) {
            ++settingsDialogs;
            settings->findChild<QLineEdit *>("portPathEdit")->setText(panel->line.slavePath());
            settings->findChild<QPushButton *>("applyButton")->click();
        }
        if (auto *progress = window->findChild<TransferProgressDialog *>()) {
            QTest::keyClick(progress, Qt::Key_Escape);
            ++progressSightings;
            windowFreed = windowFreed || !progress->isVisible() ||
                          QApplication::activeModalWidget() != progress ||
                          progress->findChild<QPushButton *>() ||
                          (progress->windowFlags() & Qt::WindowCloseButtonHint);
        }
    });
    watch.start(5);
    trigger("actionUpload");

    QCOMPARE(settingsDialogs, 1);
    QVERIFY2(dialogs->failures.isEmpty(), qPrintable(dialogs->failures.join('\n')));
    QCOMPARE(dialogs->reviews.size(), 1);
    QVERIFY(dialogs->reviews.first().startsWith("These changes will be written to the panel:\n"));
    const QString backups = dir.filePath(QStringLiteral("data/mrb500-configurator/backups/"));
    QCOMPARE(dialogs->messages.size(), 1);
    QVERIFY2(dialogs->messages.first().startsWith(
                 "Upload ok!\nEvery record was read back from the panel and matches what was "
                 "sent.\nThe panel's previous configuration was saved as " +
                 backups),
             qPrintable(dialogs->messages.first()));
    QVERIFY(writes > 0);
    QVERIFY(progressSightings > 0 && !windowFreed);
    QVERIFY(!window->findChild<TransferProgressDialog *>());

    // The log shows the backup read and the upload, and saves what it shows.
    trigger("actionViewLinkLog");
    auto *log = child<LinkLogWindow>("linkLogWindow");
    QVERIFY(log && log->isVisible());
    QVERIFY(log->findChild<QTableWidget *>("linkLogTable")->rowCount() > 2 * 180);
    dialogs->saveName = dir.filePath("log.txt");
    log->findChild<QPushButton *>("linkLogSaveButton")->click();
    QFile saved(dialogs->saveName);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), log->text());

    // The port stays chosen, also after Open.
    trigger("actionCompareWithPanel");
    QCOMPARE(settingsDialogs, 1);
    QVERIFY(window->openFile(example("school.xml")));
    QVERIFY(window->panelCore()->portConfigured);
}

void tst_PanelCommands::upload_asksAndShowsOutcome_data() {
    // Of the panel, the backup folder, the zones or the verify option.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("goOn");    // without a backup, if asked
    QTest::addColumn<bool>("confirm"); // the review
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("review");  // how it opens; empty: not shown
    QTest::addColumn<QString>("outcome"); // all that is shown
    const QString none,
        changes = "These changes", ok = "Upload ok!",
        verified = "Upload ok!\nEvery record was read back from the panel and matches "
                   "what was sent.";
    QTest::newRow("panel read fails, go on")
        << QString("corrupt") << true << true << QString("no backup")
        << QString("The panel could not be read, so what it holds now is unknown.") << verified;
    QTest::newRow("backup not saved, stop")
        << QString("blocked") << false << true << QString("cannot create the backup folder") << none
        << none;
    QTest::newRow("review declined") << none << true << false << none << changes << none;
    QTest::newRow("warnings above the changes")
        << QString("4 zones") << true << true << none
        << QString("Warnings about this configuration:\n- Maneuver 6 uses zone 12, but the "
                   "panel has 4 zones\n")
        << verified;
    QTest::newRow("silent panel, fails at once")
        << QString("silent") << true << true << none << none
        << QString("Error uploading to panel.\nThe panel did not answer: check the cable, the "
                   "port and that the panel is powered. Details: no answer from panel within "
                   "0.3 s (read table 0 record 0, sent 2 times)");
    QTest::newRow("verify on, stored difference")
        << QString("flip") << true << true << none << changes
        << QString("Error uploading to panel.\nThe panel holds 0x00 at byte 15 where 0x01 was "
                   "written (verify table 0 record 0)\n\nThe panel is now only partly written: "
                   "it holds part of its previous configuration and part of the new one. To put "
                   "back what it held before, from the backup, run: mrb500ctl restore BACKUP "
                   "--port PORT");
    QTest::newRow("verify off, stored difference")
        << QString("flip, verify off") << true << true << none << changes << ok;
}

void tst_PanelCommands::upload_asksAndShowsOutcome() {
    QFETCH(QString, fault);
    QFETCH(bool, goOn);
    QFETCH(bool, confirm);
    QFETCH(QString, question);
    QFETCH(QString, review);
    QFETCH(QString, outcome);
    fillPanelWith("shop.xml");
    attachPanel();
    const QString dataFolder = dir.filePath("data/mrb500-configurator");
    QFile blocker(dataFolder);
    PtyPanel::Faults silent;
    silent.silent = fault == "silent";
    panel->line.setFaults(silent);
    for (int i = 0; fault == "corrupt" && i < 4; ++i) // every attempt at the first read
        panel->line.corruptAnswer(panel->line.requestCount() + i);
    QVERIFY(fault != "blocked" ||
            (QDir().mkpath(dir.filePath("data")) && blocker.open(QIODevice::WriteOnly)));
    panel->engine.setFlipStored(fault.startsWith("flip"));
    if (fault == "4 zones")
        child<QComboBox>("comboBoxMaxZones")->setCurrentText("4");
    if (fault == "flip, verify off")
        trigger("actionVerifyAfterUpload");
    dialogs->answers = {goOn};
    dialogs->confirmReview = confirm;
    const int resets = panel->engine.resets();
    trigger("actionUpload");

    blocker.remove();
    QCOMPARE(dialogs->questions.size(), question.isEmpty() ? 0 : 1);
    QVERIFY2(dialogs->questions.value(0).contains(question, Qt::CaseInsensitive),
             qPrintable(dialogs->questions.value(0)));
    QCOMPARE(dialogs->reviews.size(), review.isEmpty() ? 0 : 1);
    QVERIFY2(dialogs->reviews.value(0).startsWith(review), qPrintable(dialogs->reviews.value(0)));
    QCOMPARE(outcomeShown(), outcome);
    QCOMPARE(writes > 0, outcome.startsWith("Upload ok!") || fault == "flip");
    QCOMPARE(panel->engine.resets() - resets, outcome.startsWith("Upload ok!") ? 1 : 0);
}

void tst_PanelCommands::read_showsWhatWasReadOrTheLinkReason_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("panelFile"); // empty: a silent panel; midway: silent after 40 reads
    QTest::addColumn<QString>("shown");     // how it opens
    const QString compare = "actionCompareWithPanel", download = "actionDownload",
                  silent = "Error downloading from panel.\nThe panel did not answer: check the "
                           "cable, the port and that the panel is powered. Details: no answer "
                           "from panel within 0.3 s (read table ";
    QTest::newRow("compare, equal")
        << compare << QString("school.xml")
        << QString("No differences: the panel holds this configuration.");
    QTest::newRow("compare, different")
        << compare << QString("shop.xml")
        << QString("Differences between the panel (before) and this configuration (after): ");
    QTest::newRow("compare, silent") << compare << QString() << silent + "0 record 0";
    QTest::newRow("download") << download << QString("shop.xml") << QString("Download ok");
    QTest::newRow("download, silent midway") << download << QString("midway") << silent;
}

void tst_PanelCommands::read_showsWhatWasReadOrTheLinkReason() {
    QFETCH(QString, command);
    QFETCH(QString, panelFile);
    QFETCH(QString, shown);
    const bool midway = panelFile == "midway";
    fillPanelWith(panelFile.isEmpty() || midway ? "shop.xml" : qPrintable(panelFile));
    attachPanel();
    PtyPanel::Faults faults;
    faults.silent = panelFile.isEmpty();
    panel->line.setFaults(faults);
    const int failing = panel->line.requestCount() + 1 + 40; // after the check and 40 reads
    for (int request : {failing, failing + 1})               // and its resend
        if (midway)
            panel->line.dropAnswer(request);
    const PanelConfiguration before = *window->panelCore();
    trigger(qPrintable(command));

    const QString seen = (dialogs->messages + dialogs->differences + dialogs->failures).join('|');
    QVERIFY2(seen.startsWith(shown) && !seen.contains('|'), qPrintable(seen));
    if (panelFile == "shop.xml" && command == "actionCompareWithPanel") // listed by area
        QVERIFY(seen.contains("\nGeneral options: ") && seen.contains("\nManeuvers: "));
    QCOMPARE(writes, 0);
    QVERIFY(!window->findChild<TransferProgressDialog *>());
    // A download shows what it read, zones and boards staying; a failure changes nothing.
    const bool read = shown == "Download ok";
    QCOMPARE(*window->panelCore() == before, !read);
    QCOMPARE(window->panelCore()->num_zones, 12);
    QCOMPARE(child<QTableWidget>("tableWidget")->rowCount(), read ? 3 : 9);
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text(), read ? QString() : "smtp.colegio.example");
    QCOMPARE(window->isWindowModified(), read); // what was read is in no file yet
}

QTEST_MAIN(tst_PanelCommands)
#include "tst_PanelCommands.moc"
