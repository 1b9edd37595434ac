#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/XmlConfigReader.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using UnsavedChanges = UserDialogs::UnsavedChanges;

const QString StartTitle =
    QStringLiteral(" Conventional Panel Configurator MRB-500 Version 2.07 2019/10/30[*]");
const QString UnnamedTitle = QStringLiteral("TrevUSB Configurator Version 2.07 2019/10/30[*]");

QString namedTitle(const QString &file) {
    return UnnamedTitle.chopped(3) + QStringLiteral(" --- ") + file + QStringLiteral("[*]");
}

PanelConfiguration fileContent(const QString &file) {
    PanelConfiguration read;
    XmlConfigReader::readFile(file, &read);
    return read;
}

} // namespace

Q_DECLARE_METATYPE(UnsavedChanges)

// The window's file commands, questions, title and marks, and the zone editor, with the
// editors and the workflow behind them; no panel (the panel commands are tst_PanelCommands).
class tst_MyMainWindow : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    QAction *action(const char *name) { return child<QAction>(name); }
    QTableWidget *table() { return child<QTableWidget>("tableWidget"); }
    // Box 0 is the zone count, boxes 1 to 3 the boards.
    QComboBox *box(int k) {
        return child<QComboBox>(k == 0 ? "comboBoxMaxZones"
                                       : qPrintable(QStringLiteral("comboBoxAuxType%1").arg(k)));
    }
    // 4 zones, a relay board, two maneuvers (zone 3; zone 1 and the input) and some
    // general, web and e-mail settings, passwords included.
    void fillConfiguration();
    QString path(const char *name) { return dir.filePath(QLatin1String(name)); }
    QString writeFile(const char *name, const QByteArray &data) {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            qFatal("cannot write %s", name);
        return f.fileName();
    }

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void start_advancedTabHiddenToggledKeepsValues();
    void open_showsFileAsItIsSavesItUnchanged();
    void save_namesWindowClearsMark();
    void newDiscarding_resetsEverythingQuietly();
    void replacingCommand_settlesUnsavedEdits_data();
    void replacingCommand_settlesUnsavedEdits();
    void questions_enterTakesTheSafeAnswer();
    void command_refusedBeforeAnythingIsWritten_data();
    void command_refusedBeforeAnythingIsWritten();
    void commandLinePort_survivesOpenUntilUserChooses();
    void zoneChoices_storedPackedAndGated_data();
    void zoneChoices_storedPackedAndGated();
    void zoneChanges_moveProblemMarks();
    void zoneNames_showInTreeAndTooltipTooLongRefused();
    void exportReport_writesPdfAndCsvOrSaysWhy();
};

void tst_MyMainWindow::init() {
    QVERIFY(dir.isValid());
    dialogs = new ScriptedDialogs;
    window = new MyMainWindow;
    window->show();
}

void tst_MyMainWindow::cleanup() {
    dialogs->answers = {true};
    dialogs->saveAnswers = {UnsavedChanges::Discard};
    window->close();
    delete window;
    delete dialogs;
}

void tst_MyMainWindow::fillConfiguration() {
    box(0)->setCurrentIndex(2);
    box(1)->setCurrentIndex(2);
    PanelCore *core = window->panelCore();
    core->addManeuver(maneuverFromText("2.3.2.2 | 1.1.1.3 0"));
    core->addManeuver(maneuverFromText("2.1.2.2 5.1.5.2 | 6.2.7.1 0"));
    core->generalConfig.cancel_delay = 2;
    core->webServer = WebServerConfig{0, 1, 0, 0x0A000007, 0xFF000000, 0x0A000001, "u", "web-pw"};
    core->smtp.Enable = 1;
    core->smtp.Host = QStringLiteral("smtp.example");
    core->smtp.Password = QStringLiteral("mail-pw");
    window->slotReadGeneralConfiguration();
    window->slotUpdateEventActionTables();
}

void tst_MyMainWindow::start_advancedTabHiddenToggledKeepsValues() {
    QCOMPARE(window->windowTitle(), StartTitle);
    QVERIFY(!child<QWidget>("eventsWidget")->isEnabled()); // no zones yet
    auto *tabs = child<QTabWidget>("tabWidget");
    // QObject::receivers() is protected; reach it through a derived class.
    struct Receivers : QTabWidget {
        using QObject::receivers;
    };
    const auto receivers = [tabs] {
        return (tabs->*&Receivers::receivers)(SIGNAL(currentChanged(int)));
    };
    const int connections = receivers();
    QCOMPARE(tabs->count(), 2);
    action("actionAdvanced")->trigger();
    QCOMPARE(tabs->tabText(2), QStringLiteral("Advanced Configuration"));
    child<QLineEdit>("txtSMTP_svr")->setText(QStringLiteral("kept.example"));
    action("actionAdvanced")->trigger();
    QCOMPARE(tabs->count(), 2);
    action("actionAdvanced")->trigger();
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text(), QStringLiteral("kept.example"));
    QCOMPARE(receivers(), connections); // a tab switch lays its page out once
}

void tst_MyMainWindow::open_showsFileAsItIsSavesItUnchanged() {
    // Values the editors cannot show (a delay under 50 s, language 5, Auth 7, zone count 6,
    // board type 7 after a gap), and a maneuver that borrows the previous one's action.
    const QString file = writeFile(
        "odd.xml", "<CONFIG><GeneralConfig num_zones=\"6\" confirmation_general_mode=\"1\" "
                   "delay_confirmation=\"5000\"/><WebServer Language=\"5\"/>"
                   "<SMTP Enable=\"1\" Auth=\"7\" Port=\"25\"/><Elements>"
                   "<Element address=\"0\" type=\"1\"/><Element address=\"1\" type=\"0\"/>"
                   "<Element address=\"2\" type=\"7\"/></Elements><Maniobras><Maniobra>"
                   "<Event evt_blk=\"2\" evt_blk_prt=\"3\" evt_blk_type=\"2\" evt_type=\"5\"/>"
                   "<Action act_blk=\"1\" act_blk_port=\"0\" act_blk_type=\"1\" act_type=\"3\" "
                   "delay=\"40\"/></Maniobra><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"4\" "
                   "evt_blk_type=\"2\" evt_type=\"5\"/></Maniobra></Maniobras></CONFIG>");
    const PanelConfiguration original = fileContent(file);
    dialogs->openName = file;
    action("actionOpen")->trigger();

    // Said at once, before anything changes: the reader's notice, then the editors'.
    QCOMPARE(dialogs->messages.size(), 2);
    const QString said = dialogs->messages.join('|');
    for (const char *value : {"Maneuver 2 has no \"Action\" element", "delay_confirmation=\"5000\"",
                              "Language=\"5\"", "Auth=\"7\""})
        QVERIFY2(said.contains(QLatin1String(value)), qPrintable(said));
    QCOMPARE(window->windowTitle(), namedTitle(file));
    QCOMPARE((QStringList{box(0)->currentText(), box(1)->currentText(), box(2)->currentText(),
                          box(3)->currentText()}),
             (QStringList{"6", "Sounders", "None", "unknown type 7"}));
    QVERIFY(child<QAbstractButton>("radioButtonConfirmation")->isChecked());
    QCOMPARE(table()->item(0, 1)->text(),
             QStringLiteral("Activate sounders of the panel  with a delay of 20s"));
    QCOMPARE(table()->rowCount(), 2);
    QCOMPARE(child<QTreeWidget>("eventsWidget")->topLevelItem(0)->childCount(), 6 + 1);
    QVERIFY(!window->isWindowModified());
    window->slotSave();
    QVERIFY(dialogs->failures.isEmpty());
    QVERIFY(fileContent(file) == original);

    // A file the reader refuses: the reason, and everything stays.
    const PanelCore *core = window->panelCore();
    dialogs->openName = writeFile("broken.xml", "<CONFIG>\n<GeneralConfig>\n</CONFIG>\n");
    action("actionOpen")->trigger();
    QVERIFY2(dialogs->failures.value(0).contains("line 3"), qPrintable(dialogs->failures.value(0)));
    QCOMPARE(window->panelCore(), core);
    QCOMPARE(window->windowTitle(), namedTitle(file));
    QCOMPARE(table()->rowCount(), 2);
    // A listed count and known types again: the items of their own are gone.
    QVERIFY(window->openFile(writeFile("plain.xml", "<CONFIG><GeneralConfig num_zones=\"4\"/>"
                                                    "</CONFIG>")));
    QCOMPARE(box(0)->count() + box(3)->count(), 5 + 3);
}

void tst_MyMainWindow::newDiscarding_resetsEverythingQuietly() {
    fillConfiguration();
    QVERIFY(window->panelCore()->setZoneName(1, QStringLiteral("Hall")));
    action("actionAdvanced")->trigger();
    child<QTabWidget>("tabWidget")->setCurrentIndex(2);
    dialogs->saveAnswers = {UnsavedChanges::Discard};
    action("actionNew")->trigger();

    QVERIFY(*window->panelCore() == PanelConfiguration()); // addresses and passwords included
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(box(0)->currentIndex() + box(1)->currentIndex(), 0);
    for (const char *field : {"txtWS_ip", "txtWS_password", "txtSMTP_svr", "txtSMTP_password"})
        QVERIFY2(child<QLineEdit>(field)->text().isEmpty(), field);
    QVERIFY(dialogs->messages.isEmpty()); // no notice about the zones
    QCOMPARE(window->windowTitle(), UnnamedTitle);
    QVERIFY(!window->isWindowModified());
}

void tst_MyMainWindow::replacingCommand_settlesUnsavedEdits_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("edit"); // after saving: none, a maneuver, a field not storable
    QTest::addColumn<bool>("yes");     // the answer without unsaved edits
    QTest::addColumn<UnsavedChanges>("choice");
    QTest::addColumn<QString>("question"); // how it opens; empty: none asked
    QTest::addColumn<bool>("goesOn");
    const QString quit = "actionQuit", open = "actionOpen", newFile = "actionNew",
                  download = "actionDownload", none, maneuver = "maneuver", field = "field",
                  unsaved = "Unsaved changes: ", sure = "Close Confirmation: Are you sure",
                  erase = "Confirmation: Do you want to erase";
    const auto save = UnsavedChanges::Save, discard = UnsavedChanges::Discard,
               cancel = UnsavedChanges::Cancel;
    QTest::newRow("quit, saved, no") << quit << none << false << cancel << sure << false;
    QTest::newRow("quit, edited, save") << quit << maneuver << false << save << unsaved << true;
    QTest::newRow("quit, field, save refused") << quit << field << true << save << unsaved << false;
    QTest::newRow("open, edited, cancel") << open << maneuver << true << cancel << unsaved << false;
    QTest::newRow("open, edited, discard")
        << open << maneuver << false << discard << unsaved << true;
    QTest::newRow("new, saved, no") << newFile << none << false << cancel << erase << false;
    QTest::newRow("new, edited, cancel")
        << newFile << maneuver << true << cancel << unsaved << false;
    QTest::newRow("download, edited, cancel")
        << download << maneuver << true << cancel << unsaved << false;
}

void tst_MyMainWindow::replacingCommand_settlesUnsavedEdits() {
    QFETCH(QString, command);
    QFETCH(QString, edit);
    QFETCH(bool, yes);
    QFETCH(UnsavedChanges, choice);
    QFETCH(QString, question);
    QFETCH(bool, goesOn);
    const QString other = writeFile("other.xml", "<CONFIG/>");
    window->setCommandLinePort(path("no-such-port")); // a download that goes on fails
    fillConfiguration();
    dialogs->saveName = path("edited.xml");
    window->slotSaveAs();
    if (edit == "maneuver")
        window->panelCore()->removeManeuver(0);
    else if (edit == "field")
        child<QLineEdit>("txtWS_gateway")->setText(QStringLiteral("192.168.1"));
    const PanelConfiguration before = *window->panelCore();
    dialogs->answers = {yes};
    dialogs->saveAnswers = {choice};
    dialogs->openName = other;
    action(qPrintable(command))->trigger();

    QCOMPARE(dialogs->questions.size(), question.isEmpty() ? 0 : 1);
    QVERIFY2(dialogs->questions.value(0).startsWith(question),
             qPrintable(dialogs->questions.value(0)));
    const bool wentOn = command == "actionQuit"   ? !window->isVisible()
                        : command == "actionOpen" ? window->currentFileName() == other
                        : command == "actionNew"
                            ? window->currentFileName().isEmpty()
                            : dialogs->failures.join('|').contains("Error downloading");
    QCOMPARE(wentOn, goesOn);
    if (edit == "maneuver")
        QCOMPARE(fileContent(dialogs->saveName) == before, choice == UnsavedChanges::Save);
}

void tst_MyMainWindow::questions_enterTakesTheSafeAnswer() {
    UserDialogs::install(nullptr); // the real message boxes
    const auto pressEnter = [] {
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    };
    pressEnter();
    const bool yes = UserDialogs::current().askYesNo(window, "Question", "Go on?");
    pressEnter();
    const UnsavedChanges choice =
        UserDialogs::current().askSaveChanges(window, "Question", "Save?");
    UserDialogs::install(dialogs);
    QVERIFY(!yes);
    QCOMPARE(choice, UnsavedChanges::Save);
}

void tst_MyMainWindow::save_namesWindowClearsMark() {
    fillConfiguration();
    dialogs->saveName = path("marked.xml");
    window->slotSaveAs();
    QCoreApplication::processEvents(); // the modified mark is set once the edit is over
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->windowTitle(), namedTitle(dialogs->saveName));
    child<QAbstractButton>("chkbWS_dhcp")->click();
    QCoreApplication::processEvents();
    QVERIFY(window->isWindowModified());
    dialogs->saveName.clear(); // Save to the known name asks nothing
    window->slotSave();
    QVERIFY(!window->isWindowModified());
    QVERIFY(fileContent(path("marked.xml")) == *window->panelCore());
}

void tst_MyMainWindow::command_refusedBeforeAnythingIsWritten_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("cause"); // a field not storable or no zones
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("detail"); // further down what is shown
    const QString
        field = "field",
        noZones = "no zones", upload = "actionUpload",
        gateway = "Gateway needs four numbers from 0 to 255 separated by dots, such as 192.168.1.2",
        zonesFirst = "please, introduce a number of zones";
    QTest::newRow("save, field") << QString("actionSaveAs") << field << QString("Could not save ")
                                 << gateway;
    QTest::newRow("upload, field")
        << upload << field << QString("Error uploading to panel.") << gateway;
    QTest::newRow("compare, field") << QString("actionCompareWithPanel") << field
                                    << QString("Could not compare with the panel.") << gateway;
    QTest::newRow("report, field") << QString("actionExportReport") << field
                                   << QString("Could not export the report.") << gateway;
    QTest::newRow("upload, no zones") << upload << noZones << zonesFirst << zonesFirst;
    QTest::newRow("download, no zones")
        << QString("actionDownload") << noZones << zonesFirst << zonesFirst;
}

void tst_MyMainWindow::command_refusedBeforeAnythingIsWritten() {
    QFETCH(QString, command);
    QFETCH(QString, cause);
    QFETCH(QString, shown);
    QFETCH(QString, detail);
    window->setCommandLinePort(path("no-such-port")); // a panel command that goes on fails
    dialogs->saveName = path("refused.pdf");
    if (cause != "no zones")
        fillConfiguration();
    if (cause == "field")
        child<QLineEdit>("txtWS_gateway")->setText(QStringLiteral("192.168.1"));
    action(qPrintable(command))->trigger();

    const QString seen = (dialogs->messages + dialogs->failures).join('|');
    QVERIFY2(seen.startsWith(shown) && seen.endsWith(detail) && !seen.contains('|'),
             qPrintable(seen));
    QVERIFY(dialogs->questions.isEmpty());
    QVERIFY(!QFile::exists(dialogs->saveName));
    QCOMPARE(window->panelCore()->webServer.Gateway, cause == "no zones" ? 0 : 0x0A000001u);
}

void tst_MyMainWindow::commandLinePort_survivesOpenUntilUserChooses() {
    window->setCommandLinePort(QStringLiteral("/tmp/panel-pty"));
    dialogs->saveName = path("port.xml");
    window->slotSaveAs();
    QVERIFY(window->openFile(dialogs->saveName));
    QCOMPARE(window->panelCore()->serialSettings.name, QStringLiteral("/tmp/panel-pty"));
    QVERIFY(window->panelCore()->portConfigured);
    // A port the user then chooses in the settings dialog stays, also after Open.
    QTimer::singleShot(0, [] {
        QWidget *settings = QApplication::activeModalWidget();
        settings->findChild<QLineEdit *>("portPathEdit")->setText("/tmp/chosen");
        settings->findChild<QAbstractButton *>("applyButton")->click();
    });
    action("actionSerialPort")->trigger();
    QVERIFY(window->openFile(dialogs->saveName));
    QCOMPARE(window->panelCore()->serialSettings.name, QStringLiteral("/tmp/chosen"));
}

void tst_MyMainWindow::zoneChoices_storedPackedAndGated_data() {
    QTest::addColumn<QList<QPoint>>("steps"); // (box, item) in the user's order
    QTest::addColumn<int>("zones");
    QTest::addColumn<QList<int>>("types");    // model slots 0..2, also the boxes' items
    QTest::addColumn<QList<bool>>("enabled"); // boards 1..3
    QTest::newRow("relaysThenSounders_packedIntoSlots")
        << QList<QPoint>{{0, 2}, {1, 2}, {2, 1}} << 4 << QList<int>{2, 1, 0}
        << QList<bool>{true, true, true};
    QTest::newRow("firstBackToNone_clearsAllBoards")
        << QList<QPoint>{{0, 2}, {1, 2}, {2, 1}, {3, 2}, {1, 0}} << 4 << QList<int>{0, 0, 0}
        << QList<bool>{true, false, false};
    QTest::newRow("zonesBackToSelect_clearsBoardsAndWarns")
        << QList<QPoint>{{0, 2}, {1, 1}, {2, 2}, {0, 0}} << 0 << QList<int>{0, 0, 0}
        << QList<bool>{false, false, false};
}

void tst_MyMainWindow::zoneChoices_storedPackedAndGated() {
    QFETCH(QList<QPoint>, steps);
    QFETCH(int, zones);
    QFETCH(QList<int>, types);
    QFETCH(QList<bool>, enabled);
    for (const QPoint &step : steps) {
        QVERIFY(box(step.x())->isEnabled());
        box(step.x())->setCurrentIndex(step.y());
    }
    const PanelCore *core = window->panelCore();
    QCOMPARE(core->num_zones, zones);
    for (int slot = 0; slot < 3; ++slot) {
        QCOMPARE(int(core->elements[slot].type), types.at(slot));
        QCOMPARE(int(core->elements[slot].address), slot);
        QCOMPARE(box(slot + 1)->currentIndex(), types.at(slot));
        QCOMPARE(box(slot + 1)->isEnabled(), enabled.at(slot));
    }
    QCOMPARE(dialogs->messages.size(), zones ? 0 : 1);
}

void tst_MyMainWindow::zoneChanges_moveProblemMarks() {
    fillConfiguration();
    auto marked = [this] {
        QList<bool> out;
        for (int row = 0; row < table()->rowCount(); ++row)
            out << !table()->item(row, 0)->icon().isNull();
        return out;
    };
    QCOMPARE(marked(), (QList<bool>{false, false}));
    box(0)->setCurrentIndex(1); // 2 zones: zone 3 is gone
    QCOMPARE(marked(), (QList<bool>{true, false}));
    QVERIFY(table()->item(0, 0)->toolTip().contains(QStringLiteral("zone 3")));
    box(1)->setCurrentIndex(0); // the relay board is removed
    QCOMPARE(marked(), (QList<bool>{true, true}));
}

void tst_MyMainWindow::zoneNames_showInTreeAndTooltipTooLongRefused() {
    fillConfiguration();
    QVERIFY(!child<QLineEdit>("zoneNameEdit5")); // 4 zones
    QTest::keyClicks(child<QLineEdit>("zoneNameEdit3"), "Kitchen");
    QCOMPARE(window->panelCore()->zoneName(3), QStringLiteral("Kitchen"));
    const QTreeWidgetItem *panel = child<QTreeWidget>("eventsWidget")->topLevelItem(0);
    QCOMPARE(panel->child(2)->text(0), QStringLiteral("Zone3 - Kitchen"));
    QVERIFY2(table()->item(0, 1)->toolTip().contains("zone 3 Kitchen"),
             qPrintable(table()->item(0, 1)->toolTip()));
    // Too long: kept as typed, the reason beside it, and nothing is saved.
    auto *tooLong = child<QLineEdit>("zoneNameEdit4");
    QTest::keyClicks(tooLong, QString(40, 'x'));
    QCOMPARE(tooLong->text().size(), 40);
    QVERIFY(child<QLabel>("labelZoneNamesReason")->text().contains("40 characters"));
    dialogs->saveName = path("refused.xml");
    action("actionSaveAs")->trigger();
    QVERIFY(!QFile::exists(dialogs->saveName));
    QVERIFY(dialogs->failures.value(0).contains("40 characters"));
}

void tst_MyMainWindow::exportReport_writesPdfAndCsvOrSaysWhy() {
    fillConfiguration();
    dialogs->saveName = path("report"); // the suffix is added
    action("actionExportReport")->trigger();
    QFile pdf(path("report.pdf"));
    QFile csv(path("report.csv"));
    QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
    QVERIFY(csv.open(QIODevice::ReadOnly) && csv.readLine().startsWith("Cause,"));
    QCOMPARE(dialogs->messages.size(), 1);
}

QTEST_MAIN(tst_MyMainWindow)
#include "tst_MyMainWindow.moc"
