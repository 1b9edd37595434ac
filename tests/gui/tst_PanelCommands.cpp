#include "ScriptedDialogs.h"
#include "SimulatedPanel.h"
#include "model/XmlConfigReader.h"
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

// The window's panel commands against the simulated panel on a pseudo-terminal: the
// questions asked and what the user is shown; the workflow's faults are tests/commissioning's.
class tst_PanelCommands : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void attachPanel() {
        window->setCommandLinePort(panel->line.slavePath());
        window->panelCore()->cmd->setAnswerTimeout(300);
    }
    void fillPanelWith(const char *file);

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
    SimulatedPanel *panel = nullptr;
    MyMainWindow *window = nullptr;
    int writes = 0; // memory changes in the panel

private Q_SLOTS:
    void init();
    void cleanup();
    void upload_asksForPortOnceBacksUpModally();
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

void tst_PanelCommands::upload_asksForPortOnceBacksUpModally() {
    fillPanelWith("shop.xml");
    // From a timer, as the command runs its own event loops: the progress stays modal,
    // without a button, also on Escape.
    int settingsDialogs = 0;
    bool progressSeen = false, windowFreed = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (auto *settings = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget())) {
            ++settingsDialogs;
            settings->findChild<QLineEdit *>("portPathEdit")->setText(panel->line.slavePath());
            settings->findChild<QPushButton *>("applyButton")->click();
        }
        if (auto *progress = window->findChild<TransferProgressDialog *>()) {
            QTest::keyClick(progress, Qt::Key_Escape);
            progressSeen = true;
            windowFreed = windowFreed || QApplication::activeModalWidget() != progress ||
                          progress->findChild<QPushButton *>();
        }
    });
    watch.start(5);
    trigger("actionUpload");
    QCOMPARE(dialogs->reviews.size(), 1);
    const QString backups = dir.filePath(QStringLiteral("data/mrb500-configurator/backups/"));
    QVERIFY2(dialogs->messages.value(0).contains("was saved as " + backups),
             qPrintable(dialogs->messages.value(0)));
    QVERIFY(writes > 0 && progressSeen && !windowFreed);
    trigger("actionCompareWithPanel"); // the port stays chosen, also after Open
    QVERIFY(window->openFile(example("school.xml")));
    QVERIFY(window->panelCore()->portConfigured);
    QCOMPARE(settingsDialogs, 1);
}

void tst_PanelCommands::upload_asksAndShowsOutcome_data() {
    QTest::addColumn<QString>("fault"); // of the panel, the backup folder, zones or verify
    QTest::addColumn<bool>("goOn");     // without a backup, if asked
    QTest::addColumn<bool>("confirm");  // the review
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("review");  // how it opens; empty: not shown
    QTest::addColumn<QString>("outcome"); // how all that is shown opens; empty: nothing
    const QString none, changes = "These changes";
    QTest::newRow("panelReadFails_goesOnAtOnce") << "corrupt" << true << true << "no backup"
                                                 << "The panel could not be read"
                                                 << "Upload ok!\nEvery";
    QTest::newRow("backupNotSaved_stops")
        << "blocked" << false << true << "cannot create the backup folder" << none << none;
    QTest::newRow("reviewDeclined_writesNothing")
        << none << true << false << none << changes << none;
    QTest::newRow("warnings_aboveTheChanges")
        << "4 zones" << true << true << none
        << "Warnings about this configuration:\n- Maneuver 6 uses zone 12"
        << "Upload ok!\nEvery";
    QTest::newRow("silentPanel_failsAtOnce")
        << "silent" << true << true << none << none
        << "Error uploading to panel.\nThe panel did not answer: check the cable";
    QTest::newRow("verifyOnDifference_saysHowToRestore")
        << "flip" << true << true << none << changes
        << "Error uploading to panel.\nThe panel holds 0x00 at byte 15";
    QTest::newRow("verifyOffDifference_notVerified")
        << "flip, verify off" << true << true << none << changes << "Upload ok!";
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
    const QString shown = (dialogs->messages + dialogs->failures).join('|');
    QVERIFY2(shown.startsWith(outcome) && (!outcome.isEmpty() || shown.isEmpty()),
             qPrintable(shown));
    QCOMPARE(shown.contains("Every record"), outcome.endsWith("Every")); // verified
    if (fault == "flip") // how to put back what the panel held
        QVERIFY(shown.contains(".records --port " + panel->line.slavePath()));
    QCOMPARE(writes > 0, outcome.startsWith("Upload ok!") || fault == "flip");
    QCOMPARE(panel->engine.resets() - resets, outcome.startsWith("Upload ok!") ? 1 : 0);
}

void tst_PanelCommands::read_showsWhatWasReadOrTheLinkReason_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("panelFile"); // midway: silent after 40 reads
    QTest::addColumn<QString>("shown");     // how it opens
    const QString compare = "actionCompareWithPanel", download = "actionDownload";
    QTest::newRow("compareEqual_noDifferences") << compare << "school.xml"
                                                << "No differences";
    QTest::newRow("compareDifferent_listedByArea") << compare << "shop.xml"
                                                   << "Differences";
    QTest::newRow("download_shownUnsaved") << download << "shop.xml"
                                           << "Download ok";
    QTest::newRow("downloadSilentMidway_changesNothing")
        << download << "midway"
        << "Error downloading from panel.\nThe panel did not answer";
}

void tst_PanelCommands::read_showsWhatWasReadOrTheLinkReason() {
    QFETCH(QString, command);
    QFETCH(QString, panelFile);
    QFETCH(QString, shown);
    const bool midway = panelFile == "midway";
    fillPanelWith(midway ? "shop.xml" : qPrintable(panelFile));
    attachPanel();
    const int failing = panel->line.requestCount() + 1 + 40; // after the check and 40 reads
    for (int request : {failing, failing + 1})               // and its resend
        if (midway)
            panel->line.dropAnswer(request);
    const PanelConfiguration before = *window->panelCore();
    trigger(qPrintable(command));

    const QString seen = (dialogs->messages + dialogs->differences + dialogs->failures).join('|');
    QVERIFY2(seen.startsWith(shown) && !seen.contains('|'), qPrintable(seen));
    if (shown == "Differences")
        QVERIFY(seen.contains("\nGeneral options: ") && seen.contains("\nManeuvers: "));
    QCOMPARE(writes, 0);
    // A download shows what it read, zones and boards staying; a failure changes nothing.
    const bool read = shown == "Download ok";
    QCOMPARE(*window->panelCore() == before, !read);
    QCOMPARE(window->panelCore()->num_zones, 12);
    QCOMPARE(child<QTableWidget>("tableWidget")->rowCount(), read ? 3 : 9);
    QCOMPARE(window->isWindowModified(), read); // what was read is in no file yet
}

QTEST_MAIN(tst_PanelCommands)
#include "tst_PanelCommands.moc"
