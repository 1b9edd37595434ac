#include "ScriptedDialogs.h"
#include "SimulatedPanel.h"
#include "link/CmdConvencional.h"
#include "model/XmlConfigReader.h"
#include "ui/LinkLogWindow.h"
#include "ui/MyMainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

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

// Compare, backup and review before upload, zone names, report and link log, through the
// window against the simulated panel on a real pseudo-terminal.
class tst_Commissioning : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    void fillPanelWith(const char *file);
    void trigger(const char *action) { child<QAction>(action)->trigger(); }

    QTemporaryDir dir;
    QString backups;
    ScriptedDialogs *dialogs = nullptr;
    SimulatedPanel *panel = nullptr;
    MyMainWindow *window = nullptr;
    int writes = 0; // memory changes in the panel

private Q_SLOTS:
    void init();
    void cleanup();
    void compare_listsDifferencesOrNone_data();
    void compare_listsDifferencesOrNone();
    void upload_backsUpThenReviewsThenWrites();
    void upload_stopsUnlessUserGoesOn_data();
    void upload_stopsUnlessUserGoesOn();
    void zoneNames_showInTreeTooltipAndSurviveSaveOpen();
    void exportReport_writesPdfAndCsv_data();
    void exportReport_writesPdfAndCsv();
};

void tst_Commissioning::init() {
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    backups = dir.filePath(QStringLiteral("data/mrb500-configurator/backups"));
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
    window->setCommandLinePort(panel->line.slavePath());
    window->panelCore()->cmd->setAnswerTimeout(300);
}

void tst_Commissioning::cleanup() {
    dialogs->answers = {true};
    window->close();
    delete window;
    delete panel;
    delete dialogs;
    qInstallMessageHandler(testLogHandler);
    QVERIFY2(debugLines.isEmpty(), qPrintable(debugLines.join('\n')));
}

void tst_Commissioning::fillPanelWith(const char *file) {
    PanelCore content;
    QVERIFY(XmlConfigReader::readFile(example(file), &content));
    panel->attach(content);
    QVERIFY2(content.uploadConfig(), qPrintable(content.transferError()));
    writes = 0;
}

void tst_Commissioning::compare_listsDifferencesOrNone_data() {
    QTest::addColumn<QString>("panelFile"); // empty: a silent panel; "window": uploaded from it
    QTest::addColumn<QString>("shown");     // part of what the user sees
    QTest::newRow("equal") << "window"
                           << "No differences: the panel holds this configuration.";
    QTest::newRow("different") << "shop.xml"
                               << "this configuration (after): ";
    QTest::newRow("silent panel") << ""
                                  << "Error downloading from panel.\nThe panel did not answer";
}

void tst_Commissioning::compare_listsDifferencesOrNone() {
    QFETCH(QString, panelFile);
    QFETCH(QString, shown);
    if (panelFile.isEmpty()) {
        PtyPanel::Faults silent;
        silent.silent = true;
        panel->line.setFaults(silent);
    } else if (panelFile == "window") {
        trigger("actionUpload");
        QVERIFY(dialogs->messages.value(0).startsWith("Upload ok!"));
        writes = 0;
    } else {
        fillPanelWith(qPrintable(panelFile));
    }
    trigger("actionCompareWithPanel");
    const QString seen = (dialogs->differences + dialogs->failures).join('|');
    QVERIFY2(seen.contains(shown) && dialogs->differences.size() + dialogs->failures.size() == 1,
             qPrintable(seen));
    if (panelFile == "shop.xml") // listed by area
        QVERIFY(seen.contains("\nGeneral options: ") && seen.contains("\nManeuvers: "));
    QCOMPARE(writes, 0);
}

void tst_Commissioning::upload_backsUpThenReviewsThenWrites() {
    fillPanelWith("shop.xml");
    trigger("actionUpload");
    QVERIFY2(dialogs->failures.isEmpty(), qPrintable(dialogs->failures.join('\n')));
    QCOMPARE(dialogs->reviews.size(), 1);
    QVERIFY(dialogs->reviews.first().startsWith("These changes will be written to the panel:\n"));
    QVERIFY(dialogs->messages.value(0).contains("previous configuration was saved as " + backups));
    // The log shows the backup read and the upload, every frame, passwords hidden.
    trigger("actionViewLinkLog");
    auto *log = child<LinkLogWindow>("linkLogWindow");
    QVERIFY(log && log->isVisible());
    auto *table = log->findChild<QTableWidget *>("linkLogTable");
    QVERIFY(table->rowCount() > 2 * 180);
    QVERIFY(log->findChild<QLabel *>("linkLogSummary")->text().contains("upload"));
    const QString saved = dir.filePath("log.txt");
    dialogs->saveName = saved;
    log->findChild<QPushButton *>("linkLogSaveButton")->click();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(text, log->text());
    QCOMPARE(text.count("\tsent\t"), text.count("\treceived\t"));
    QVERIFY(text.contains("** ** **"));
    // Neither in clear nor as hex ("Pr0t").
    QVERIFY(!text.contains("Pr0tecci0n") && !text.contains("s3cret0-Tajo"));
    QVERIFY(!text.contains("50 72 30 74"));
}

void tst_Commissioning::upload_stopsUnlessUserGoesOn_data() {
    QTest::addColumn<QString>("fault"); // of the panel: "corrupt" answers to the backup
    QTest::addColumn<bool>("backupFolderBlocked");
    QTest::addColumn<int>("zones");           // 0: the file's
    QTest::addColumn<QList<bool>>("answers"); // go on without a backup?
    QTest::addColumn<bool>("confirm");        // the review
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("review");  // how it opens; empty: not shown
    QTest::addColumn<QString>("outcome"); // how the last message opens; empty: none
    QTest::newRow("panel read fails, go on")
        << "corrupt" << false << 0 << QList<bool>{true} << true << "no backup"
        << "The panel could not be read, so what it holds now is unknown."
        << "Upload ok!";
    QTest::newRow("backup not saved, stop")
        << "" << true << 0 << QList<bool>{false} << true << "cannot create the backup folder"
        << ""
        << "";
    QTest::newRow("review declined") << "" << false << 0 << QList<bool>{} << false << ""
                                     << "These changes"
                                     << "";
    QTest::newRow("warnings above the changes")
        << "" << false << 4 << QList<bool>{} << true << ""
        << "Warnings about this configuration:\n- Maneuver 6 uses zone 12, but the panel has 4 "
           "zones\n"
        << "Upload ok!";
}

void tst_Commissioning::upload_stopsUnlessUserGoesOn() {
    QFETCH(QString, fault);
    QFETCH(bool, backupFolderBlocked);
    QFETCH(int, zones);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, confirm);
    QFETCH(QString, question);
    QFETCH(QString, review);
    QFETCH(QString, outcome);
    fillPanelWith("shop.xml");
    if (fault == "corrupt") { // every attempt at the first read (four at most)
        for (int i = 0; i < 4; ++i)
            panel->line.corruptAnswer(panel->line.requestCount() + i);
    }
    if (backupFolderBlocked) {
        QDir().mkpath(dir.filePath("data"));
        QFile blocker(dir.filePath("data/mrb500-configurator"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    if (zones)
        child<QComboBox>("comboBoxMaxZones")->setCurrentText(QString::number(zones));
    dialogs->answers = answers;
    dialogs->confirmReview = confirm;
    trigger("actionUpload");
    QFile::remove(dir.filePath("data/mrb500-configurator"));
    QCOMPARE(dialogs->questions.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty())
        QVERIFY2(dialogs->questions.first().contains(question, Qt::CaseInsensitive),
                 qPrintable(dialogs->questions.first()));
    QCOMPARE(dialogs->reviews.size(), review.isEmpty() ? 0 : 1);
    if (!review.isEmpty())
        QVERIFY2(dialogs->reviews.first().startsWith(review), qPrintable(dialogs->reviews.first()));
    const QString shown = (dialogs->messages + dialogs->failures).join('|');
    QVERIFY2(outcome.isEmpty() ? shown.isEmpty() : shown.startsWith(outcome), qPrintable(shown));
    QCOMPARE(writes > 0, outcome.startsWith("Upload ok!"));
}

void tst_Commissioning::zoneNames_showInTreeTooltipAndSurviveSaveOpen() {
    auto *edit = child<QLineEdit>("zoneNameEdit3");
    QVERIFY(edit);
    QVERIFY(!child<QLineEdit>("zoneNameEdit13")); // school has 12 zones
    QTest::keyClicks(edit, "Kitchen");
    QCOMPARE(window->panelCore()->zoneName(3), QString("Kitchen"));
    auto zoneItem = [this](QWidget *w) {
        return w->findChild<QTreeWidget *>("eventsWidget")->topLevelItem(0)->child(2)->text(0);
    };
    QCOMPARE(zoneItem(window), QString("Zone3 - Kitchen"));
    const QTableWidget *table = child<QTableWidget>("tableWidget");
    QStringList tips;
    for (int row = 0; row < table->rowCount(); ++row)
        tips << table->item(row, 1)->toolTip();
    QVERIFY2(tips.join('|').contains("zone 3 Kitchen"), qPrintable(tips.join('|')));
    // A name too long stays as typed, with the reason beside it, and nothing is saved.
    auto *tooLong = child<QLineEdit>("zoneNameEdit4");
    QTest::keyClicks(tooLong, QString(40, 'x'));
    QCOMPARE(tooLong->text().size(), 40);
    QVERIFY(child<QLabel>("labelZoneNamesReason")->text().contains("40 characters"));
    dialogs->saveName = dir.filePath("refused.xml");
    trigger("actionSaveAs");
    QVERIFY(!QFile::exists(dialogs->saveName));
    QVERIFY(dialogs->failures.last().contains("40 characters"));
    QTest::keyClick(tooLong, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(tooLong, Qt::Key_Delete);
    QVERIFY(window->panelCore()->zoneName(4).isEmpty());

    window->loadLanguage("es");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(child<QLineEdit>("zoneNameEdit3")->text(), QString("Kitchen"));
    QVERIFY(zoneItem(window).endsWith(" - Kitchen"));
    window->loadLanguage("en");
    QCoreApplication::sendPostedEvents();

    const QString file = dir.filePath("named.xml");
    dialogs->saveName = file;
    trigger("actionSaveAs");
    MyMainWindow other;
    QVERIFY(other.openFile(file));
    QCOMPARE(other.findChild<QLineEdit *>("zoneNameEdit3")->text(), QString("Kitchen"));
    QCOMPARE(zoneItem(&other), QString("Zone3 - Kitchen"));
}

void tst_Commissioning::exportReport_writesPdfAndCsv_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("written");
    QTest::newRow("without suffix") << "report" << true;
    QTest::newRow("with suffix") << "report.pdf" << true;
    QTest::newRow("missing folder") << "missing/report.pdf" << false;
}

void tst_Commissioning::exportReport_writesPdfAndCsv() {
    QFETCH(QString, chosen);
    QFETCH(bool, written);
    dialogs->saveName = dir.filePath(chosen);
    trigger("actionExportReport");
    QFile pdf(dir.filePath(QFileInfo(chosen).path() + "/report.pdf"));
    QFile csv(dir.filePath(QFileInfo(chosen).path() + "/report.csv"));
    QCOMPARE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-", written);
    QCOMPARE(csv.open(QIODevice::ReadOnly) && csv.readLine().startsWith("Cause,"), written);
    QCOMPARE(dialogs->failures.size(), written ? 0 : 1);
    if (!written)
        QVERIFY(dialogs->failures.first().startsWith("Could not export the report.\n"));
}

QTEST_MAIN(tst_Commissioning)
#include "tst_Commissioning.moc"
