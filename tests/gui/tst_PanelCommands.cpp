#include "FakeSerialPortList.h"
#include "ScriptedDialogs.h"
#include "SimulatedPanel.h"
#include "link/CmdConvencional.h"
#include "model/XmlConfigReader.h"
#include "ui/MyMainWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/TransferProgressDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

// Answers the serial settings dialog when it comes up inside a command, and watches the
// progress dialog, both from a timer, since the commands run their own event loops.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(QWidget *window)
        : window(window) {
        connect(&timer, &QTimer::timeout, this, &ModalWatcher::look);
        timer.start(5);
    }

    bool applySettings = false; // else the dialog is cancelled
    QString typedPort;
    int settingsDialogs = 0;
    int progressSightings = 0;
    QList<int> progressValues;
    bool progressBlocksWindow = true;

private:
    void look() {
        if (auto *settings = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget())) {
            ++settingsDialogs;
            if (!applySettings) {
                settings->reject();
                return;
            }
            settings->findChild<QLineEdit *>(QStringLiteral("portPathEdit"))->setText(typedPort);
            settings->findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
        }
        if (auto *progress = window->findChild<TransferProgressDialog *>()) {
            ++progressSightings;
            progressValues << progress->value();
            // Escape must not close it, and there is nothing to cancel with.
            QTest::keyClick(progress, Qt::Key_Escape);
            progressBlocksWindow = progressBlocksWindow && progress->isVisible() &&
                                   progress->windowModality() == Qt::WindowModal &&
                                   QApplication::activeModalWidget() == progress &&
                                   !progress->findChild<QPushButton *>() &&
                                   !(progress->windowFlags() & Qt::WindowCloseButtonHint);
        }
    }

    QWidget *window;
    QTimer timer;
};

// Paint events while the port is open, of the main window's widgets and of any other
// window (the progress dialog).
class PaintCounter : public QObject {
public:
    explicit PaintCounter(MyMainWindow *window)
        : window(window) {
        qApp->installEventFilter(this);
    }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *receiver, QEvent *event) override {
        if (event->type() == QEvent::Paint && window->panelCore()->cmd->isOpen()) {
            auto *widget = qobject_cast<QWidget *>(receiver);
            ++(widget && widget->window() == window ? windowPaints : otherPaints);
        }
        return false;
    }
    MyMainWindow *window;
    int windowPaints = 0;
    int otherPaints = 0;
};

bool sameMemoryContent(const PanelCore &a, const PanelCore &b) {
    return a.maneuvers == b.maneuvers && a.generalConfig == b.generalConfig &&
           a.webServer == b.webServer && a.smtp == b.smtp;
}

constexpr int ShortAnswerMs = 300;

// Messages and failures, without the line that names the backup file, and with BACKUP for
// the backup's name anywhere else.
QString outcomeShown(const ScriptedDialogs &dialogs) {
    static const QRegularExpression backupLine(
        QStringLiteral("\n?The panel's previous configuration was saved as [^\n]*"));
    static const QRegularExpression backup(QStringLiteral("/\\S*/panel-[^/ ]*\\.records"));
    return (dialogs.messages + dialogs.failures)
        .join("|")
        .remove(backupLine)
        .replace(backup, QStringLiteral("BACKUP"));
}

} // namespace

class tst_PanelCommands : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    // The window edits the example school (12 zones, 3 boards, 9 maneuvers) and talks to
    // the simulated panel.
    void openSchool();
    void attachPanel() {
        window->setCommandLinePort(panel->line.slavePath());
        window->panelCore()->cmd->setAnswerTimeout(ShortAnswerMs);
    }
    // Fills the simulated panel with the shop example, through another model.
    void fillPanelWithShop();

    ScriptedDialogs *dialogs = nullptr;
    FakeSerialPortList *ports = nullptr;
    SimulatedPanel *panel = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void zeroZones_refusedNothingSent_data();
    void zeroZones_refusedNothingSent();
    void noPortChosen_settingsDialogFirst_data();
    void noPortChosen_settingsDialogFirst();
    void uploadThenDownloadIntoNew_sameConfiguration();
    void downloadFailingMidway_leavesEditorsAndModel();
    void downloadOverUnsavedEdits_answeredNo_readsNothing();
    void overCapacity_refusedBeforeAnything();
    void verify_catchesStoredDifference_data();
    void verify_catchesStoredDifference();
    void failure_showsTheLinkReason_data();
    void failure_showsTheLinkReason();
    void transfer_keepsWindowLive();
    void verifyOption_inOptionsMenuFollowsLanguage();
};

void tst_PanelCommands::init() {
    dialogs = new ScriptedDialogs;
    panel = new SimulatedPanel;
    QVERIFY(panel->open());
    ports = new FakeSerialPortList;
    ports->ports = {FakeSerialPortList::ft232(panel->line.slavePath(), QStringLiteral("Panel"))};
    window = new MyMainWindow;
    window->setSerialPortList(ports);
    window->show();
}

void tst_PanelCommands::cleanup() {
    dialogs->answers = {true};
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Discard};
    window->close();
    delete window;
    delete ports;
    delete panel;
    delete dialogs;
}

void tst_PanelCommands::openSchool() {
    QVERIFY(window->openFile(example("school.xml")));
    QCOMPARE(window->panelCore()->num_zones, 12);
}

void tst_PanelCommands::fillPanelWithShop() {
    PanelCore shop;
    QVERIFY(XmlConfigReader::readFile(example("shop.xml"), &shop));
    panel->attach(shop);
    QVERIFY2(shop.uploadConfig(), qPrintable(shop.transferError()));
}

void tst_PanelCommands::zeroZones_refusedNothingSent_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("upload") << "actionUpload";
    QTest::newRow("download") << "actionDownload";
}

void tst_PanelCommands::zeroZones_refusedNothingSent() {
    QFETCH(QString, command);
    ModalWatcher watcher(window);
    child<QAction>(qPrintable(command))->trigger();
    QCOMPARE(dialogs->messages, QStringList{"please, introduce a number of zones"});
    QVERIFY(dialogs->failures.isEmpty());
    QCOMPARE(watcher.settingsDialogs, 0);
    QCOMPARE(watcher.progressSightings, 0);
    QCOMPARE(panel->line.requestCount(), 0);
}

void tst_PanelCommands::noPortChosen_settingsDialogFirst_data() {
    QTest::addColumn<bool>("apply");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("applied") << true
                             << "Upload ok!\nEvery record was read back from the panel and "
                                "matches what was sent.";
    QTest::newRow("cancelled") << false << "Error uploading to panel.\nNo serial port chosen";
}

void tst_PanelCommands::noPortChosen_settingsDialogFirst() {
    QFETCH(bool, apply);
    QFETCH(QString, outcome);
    openSchool();
    QVERIFY(!window->panelCore()->portConfigured);
    ModalWatcher watcher(window);
    watcher.applySettings = apply;
    child<QAction>("actionUpload")->trigger();
    QCOMPARE(watcher.settingsDialogs, 1);
    QCOMPARE(outcomeShown(*dialogs), outcome);
    QCOMPARE(window->panelCore()->portConfigured, apply);
    QCOMPARE(window->panelCore()->serialSettings.name, apply ? panel->line.slavePath() : QString());
    QCOMPARE(panel->line.requestCount() > 0, apply);
    // The port stays chosen for the next command, also after Open.
    watcher.settingsDialogs = 0;
    child<QAction>("actionUpload")->trigger();
    QCOMPARE(watcher.settingsDialogs, apply ? 0 : 1);
    openSchool();
    QCOMPARE(window->panelCore()->portConfigured, apply);
}

void tst_PanelCommands::uploadThenDownloadIntoNew_sameConfiguration() {
    openSchool();
    attachPanel();
    child<QAction>("actionUpload")->trigger();
    QVERIFY2(dialogs->failures.isEmpty(), qPrintable(dialogs->failures.join("\n")));
    QCOMPARE(dialogs->messages.size(), 1);
    QVERIFY(dialogs->messages.first().startsWith("Upload ok!"));

    // A second window, as after New: zones chosen, nothing else.
    MyMainWindow fresh;
    fresh.setCommandLinePort(panel->line.slavePath());
    fresh.show();
    fresh.findChild<QComboBox *>("comboBoxMaxZones")->setCurrentIndex(2);
    QVERIFY(fresh.panelCore()->num_zones > 0);
    const int zones = fresh.panelCore()->num_zones;
    QTemporaryDir saved; // so that only the download can mark it modified
    dialogs->saveName = saved.filePath("fresh.xml");
    fresh.slotSaveAs();
    dialogs->messages.clear();
    fresh.findChild<QAction *>("actionDownload")->trigger();
    QVERIFY2(dialogs->failures.isEmpty(), qPrintable(dialogs->failures.join("\n")));
    QCOMPARE(dialogs->messages, QStringList{"Download ok"});
    QVERIFY(dialogs->questions.isEmpty()); // nothing of the new configuration was lost
    QVERIFY(fresh.isWindowModified());

    PanelCore *source = window->panelCore();
    PanelCore *copy = fresh.panelCore();
    QCOMPARE(copy->maneuvers.size(), source->maneuvers.size());
    QVERIFY(sameMemoryContent(*copy, *source));
    QCOMPARE(copy->num_zones, zones); // the panel does not store zones
    // The editors show what was read: the table lists it, and storing the advanced page
    // back gives the same settings.
    QCOMPARE(fresh.findChild<QTableWidget *>("tableWidget")->rowCount(),
             int(source->maneuvers.size()));
    fresh.slotWriteGeneralConfiguration();
    QVERIFY(sameMemoryContent(*copy, *source));
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Discard}; // what was read
    fresh.close();
}

void tst_PanelCommands::downloadFailingMidway_leavesEditorsAndModel() {
    fillPanelWithShop();
    openSchool();
    attachPanel();
    // An edit on the advanced page that is not in the model yet.
    child<QLineEdit>("txtSMTP_instalId")->setText(QStringLiteral("Not saved yet"));
    window->slotWriteGeneralConfiguration();
    PanelConfiguration before = *window->panelCore();
    const int rows = child<QTableWidget>("tableWidget")->rowCount();

    // The check, then 40 reads; the 41st read and its resend go unanswered.
    const int failing = panel->line.requestCount() + 1 + 40;
    panel->line.dropAnswer(failing);
    panel->line.dropAnswer(failing + 1);
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Discard};
    child<QAction>("actionDownload")->trigger();

    QCOMPARE(dialogs->failures.size(), 1);
    QVERIFY2(dialogs->failures.first().startsWith(
                 "Error downloading from panel.\nThe panel did not answer: "),
             qPrintable(dialogs->failures.first()));
    QVERIFY(*window->panelCore() == before);
    QCOMPARE(child<QTableWidget>("tableWidget")->rowCount(), rows);
    QCOMPARE(child<QLineEdit>("txtSMTP_instalId")->text(), QStringLiteral("Not saved yet"));
    QVERIFY(!window->findChild<TransferProgressDialog *>());
}

void tst_PanelCommands::downloadOverUnsavedEdits_answeredNo_readsNothing() {
    fillPanelWithShop();
    openSchool();
    attachPanel();
    const int requests = panel->line.requestCount();
    window->panelCore()->removeManeuver(0);
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Cancel};
    child<QAction>("actionDownload")->trigger();
    QCOMPARE(dialogs->questions.size(), 1);
    QVERIFY(dialogs->questions.first().startsWith("Unsaved changes"));
    QCOMPARE(panel->line.requestCount(), requests);
    QVERIFY(dialogs->messages.isEmpty() && dialogs->failures.isEmpty());
}

void tst_PanelCommands::overCapacity_refusedBeforeAnything() {
    openSchool();
    PanelCore *core = window->panelCore();
    ManiobraConvencional simple;
    for (int i = 0; i < core->maneuvers.size(); ++i) {
        if (core->maneuvers.at(i).events.size() == 1)
            simple = core->maneuvers.at(i);
    }
    int simpleCount = 0;
    int logicCount = 0;
    core->countManeuvers(simpleCount, logicCount);
    while (simpleCount++ < 29)
        core->addManeuver(simple);
    ModalWatcher watcher(window);
    child<QAction>("actionUpload")->trigger();
    QCOMPARE(dialogs->failures,
             QStringList{"Error uploading to panel.\nThe panel cannot hold this configuration, "
                         "so nothing was sent:\n- 29 simple maneuvers; the panel holds at most "
                         "28"});
    QCOMPARE(watcher.settingsDialogs, 0); // refused before the port is asked for
    QCOMPARE(watcher.progressSightings, 0);
    QCOMPARE(panel->line.requestCount(), 0);
}

void tst_PanelCommands::verify_catchesStoredDifference_data() {
    QTest::addColumn<bool>("verify");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("verify on")
        << true
        << "Error uploading to panel.\nThe panel holds 0x00 at byte 15 where 0x01 was written "
           "(verify table 0 record 0)\n\nThe panel is now only partly written: it holds part of "
           "its previous configuration and part of the new one. To put back what it held "
           "before, from the backup, run: mrb500ctl restore BACKUP --port PORT";
    QTest::newRow("verify off") << false << "Upload ok!";
}

void tst_PanelCommands::verify_catchesStoredDifference() {
    QFETCH(bool, verify);
    QFETCH(QString, outcome);
    openSchool();
    attachPanel();
    panel->engine.setFlipStored(true);
    QAction *option = child<QAction>("actionVerifyAfterUpload");
    QVERIFY(option->isCheckable());
    QVERIFY(option->isChecked()); // on by default
    if (!verify)
        option->trigger();
    child<QAction>("actionUpload")->trigger();
    QCOMPARE(outcomeShown(*dialogs).replace(panel->line.slavePath(), "PORT"), outcome);
    QCOMPARE(panel->engine.resets(), verify ? 0 : 1); // a failed verify does not restart
}

void tst_PanelCommands::failure_showsTheLinkReason_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("port"); // empty: the simulated panel, silent
    QTest::addColumn<QString>("outcome");
    // Upload: the backup read fails first, and with it the upload, without a question.
    QTest::newRow("upload, silent panel")
        << "actionUpload"
        << ""
        << "Error uploading to panel.\nThe panel did not answer: check the cable, the port "
           "and that the panel is powered. Details: no answer from panel within 0.3 s (read "
           "table 0 record 0, sent 2 times)";
    QTest::newRow("download, silent panel")
        << "actionDownload"
        << ""
        << "Error downloading from panel.\nThe panel did not answer: check the cable, the port "
           "and that the panel is powered. Details: no answer from panel within 0.3 s (read "
           "table 6 record 0, sent 2 times)";
    QTest::newRow("download, missing port") << "actionDownload"
                                            << "/nonexistent/mrb500"
                                            << "Error downloading from panel.\n";
}

void tst_PanelCommands::failure_showsTheLinkReason() {
    QFETCH(QString, command);
    QFETCH(QString, port);
    QFETCH(QString, outcome);
    openSchool();
    attachPanel();
    PtyPanel::Faults silent;
    silent.silent = true;
    panel->line.setFaults(silent);
    if (!port.isEmpty())
        window->setCommandLinePort(port);
    dialogs->answers = {true}; // would go on without a backup, if asked
    child<QAction>(qPrintable(command))->trigger();
    QVERIFY(dialogs->questions.isEmpty());
    QCOMPARE(dialogs->failures.size(), 1);
    const QString shown = dialogs->failures.first();
    if (port.isEmpty()) {
        QCOMPARE(shown, outcome);
    } else {
        // The system's own words, whatever they are, after the standard text.
        QVERIFY2(shown.startsWith(outcome) && shown.size() > outcome.size() + 3, qPrintable(shown));
    }
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(!window->findChild<TransferProgressDialog *>());
}

void tst_PanelCommands::transfer_keepsWindowLive() {
    openSchool();
    attachPanel();
    panel->line.setLatencyMs(2); // each exchange waits for the panel

    QSignalSpy spy(window->panelCore(), &PanelCore::progressUp);
    ModalWatcher watcher(window);
    PaintCounter paints(window);
    // A repeating timer: how long the event loop was ever kept from running it.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 maxGap = 0;
    int maxGapAt = 0; // progress when it ended
    int ticks = 0;
    QTimer beat;
    connect(&beat, &QTimer::timeout, this, [&] {
        if (!window->panelCore()->cmd->isOpen()) {
            last = -1;
            return;
        }
        const qint64 now = clock.elapsed();
        if (last >= 0 && now - last > maxGap) {
            maxGap = now - last;
            maxGapAt = spy.isEmpty() ? 0 : spy.last().at(0).toInt();
        }
        last = now;
        if (++ticks % 20 == 0)
            window->update();
    });
    clock.start();
    beat.start(5);
    child<QAction>("actionUpload")->trigger();
    beat.stop();
    QVERIFY2(dialogs->failures.isEmpty(), qPrintable(dialogs->failures.join("\n")));
    qInfo("upload with verify: %lld ms, timer ticks during the transfer %d, longest gap "
          "%lld ms (at progress %d), paint events %d in the window and %d in the progress dialog",
          clock.elapsed(), ticks, maxGap, maxGapAt, paints.windowPaints, paints.otherPaints);

    QVERIFY(ticks > 1);
    QVERIFY(paints.windowPaints > 0);
    QVERIFY(paints.otherPaints > 0);
    QVERIFY(watcher.progressSightings > 0);
    QVERIFY(watcher.progressBlocksWindow);
    QVERIFY(!window->findChild<TransferProgressDialog *>());
    // Progress only grows, and ends at the dialog's maximum.
    QList<int> values;
    for (const QList<QVariant> &signal : spy)
        values << signal.at(0).toInt();
    QVERIFY(!values.isEmpty());
    QVERIFY(std::is_sorted(values.begin(), values.end()));
    QCOMPARE(values.last(), 101);
    // Two dialogs, each growing: the backup's, then the upload's.
    int restarts = 0;
    for (int i = 1; i < watcher.progressValues.size(); ++i)
        restarts += watcher.progressValues[i] < watcher.progressValues[i - 1];
    QVERIFY(restarts <= 1);
}

void tst_PanelCommands::verifyOption_inOptionsMenuFollowsLanguage() {
    QAction *option = child<QAction>("actionVerifyAfterUpload");
    QMenu *options = window->menuBar()->actions().at(2)->menu();
    QVERIFY(options->actions().contains(option));
    option->trigger();
    window->loadLanguage(QStringLiteral("es"));
    QCoreApplication::sendPostedEvents(); // Qt posts the language change to the windows
    QCOMPARE(option->text(), QStringLiteral("Verificar tras cargar"));
    QVERIFY(!option->isChecked());
    window->loadLanguage(QStringLiteral("en"));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(option->text(), QStringLiteral("Verify after upload"));
}

QTEST_MAIN(tst_PanelCommands)
#include "tst_PanelCommands.moc"
