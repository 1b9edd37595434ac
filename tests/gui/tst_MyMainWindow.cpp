#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/XmlConfigReader.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using UnsavedChanges = UserDialogs::UnsavedChanges;

PanelConfiguration fileContent(const QString &file) {
    PanelConfiguration read;
    XmlConfigReader::readFile(file, &read);
    return read;
}

} // namespace

Q_DECLARE_METATYPE(UnsavedChanges)

// The window's file commands, questions and marks, and the zone editor; the panel commands
// are tst_PanelCommands'.
class tst_MyMainWindow : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    QAction *action(const char *name) { return child<QAction>(name); }
    QTableWidget *table() { return child<QTableWidget>("tableWidget"); }
    QComboBox *box(int k) { // 0 the zone count, 1 to 3 the boards
        return child<QComboBox>(k == 0 ? "comboBoxMaxZones"
                                       : qPrintable(QStringLiteral("comboBoxAuxType%1").arg(k)));
    }
    // 4 zones, a relay board, two maneuvers (zone 3; zone 1 and the input), passwords.
    void fillConfiguration() {
        box(0)->setCurrentIndex(2);
        box(1)->setCurrentIndex(2);
        PanelCore *core = window->panelCore();
        core->addManeuver(maneuverFromText("2.3.2.2 | 1.1.1.3 0"));
        core->addManeuver(maneuverFromText("2.1.2.2 5.1.5.2 | 6.2.7.1 0"));
        core->webServer = WebServerConfig{0, 1, 0, 0x0A000007, 0xFF000000, 0x0A000001, "u", "pw"};
        core->smtp.Password = QStringLiteral("mail-pw");
        window->slotReadGeneralConfiguration();
        window->slotUpdateEventActionTables();
    }
    QString path(const char *name) { return dir.filePath(name); }
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
    void init() {
        dialogs = new ScriptedDialogs;
        window = new MyMainWindow;
        window->show();
    }
    void cleanup() {
        dialogs->answers = {true};
        dialogs->saveAnswers = {UnsavedChanges::Discard};
        window->close();
        delete window;
        delete dialogs;
    }
    void advancedTab_toggledKeepsValuesConnectsOnce();
    void open_showsFileAsItIsSavesItUnchanged();
    void saveThenNew_marksAndResetsEverything();
    void replacingCommand_settlesUnsavedEdits_data();
    void replacingCommand_settlesUnsavedEdits();
    void questions_enterTakesTheSafeAnswer();
    void command_refusedBeforeAnythingIsWritten_data();
    void command_refusedBeforeAnythingIsWritten();
    void commandLinePort_survivesOpenUntilUserChooses();
    void zoneChoices_storedPackedAndGated();
    void zoneNames_showInTreeTooLongRefused();
};

void tst_MyMainWindow::advancedTab_toggledKeepsValuesConnectsOnce() {
    auto *tabs = child<QTabWidget>("tabWidget");
    struct Receivers : QTabWidget { // QObject::receivers() is protected
        using QObject::receivers;
    };
    const auto receivers = [tabs] {
        return (tabs->*&Receivers::receivers)(SIGNAL(currentChanged(int)));
    };
    const int connections = receivers();
    action("actionAdvanced")->trigger();
    child<QLineEdit>("txtSMTP_svr")->setText(QStringLiteral("kept.example"));
    action("actionAdvanced")->trigger();
    action("actionAdvanced")->trigger();
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text() + tabs->tabText(2),
             "kept.exampleAdvanced Configuration");
    QCOMPARE(receivers(), connections);
}

void tst_MyMainWindow::open_showsFileAsItIsSavesItUnchanged() {
    // Values the editors cannot show, and a maneuver that borrows the previous one's action.
    const QString file = writeFile(
        "odd.xml", "<CONFIG><GeneralConfig num_zones=\"6\" confirmation_general_mode=\"1\" "
                   "delay_confirmation=\"5000\"/><WebServer Language=\"5\"/><Elements>"
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
    const QString said = dialogs->messages.join('|');
    for (const char *value : {"has no \"Action\"", "delay_confirmation=\"5000\"", "Language=\"5\""})
        QVERIFY2(said.contains(QLatin1String(value)), qPrintable(said));
    QCOMPARE(box(3)->currentText(), QStringLiteral("unknown type 7"));
    QCOMPARE(table()->rowCount(), 2);
    QVERIFY(!window->isWindowModified());
    window->slotSave();
    QVERIFY(fileContent(file) == original);
}

void tst_MyMainWindow::saveThenNew_marksAndResetsEverything() {
    fillConfiguration();
    dialogs->saveName = path("marked.xml");
    window->slotSaveAs();
    QCoreApplication::processEvents(); // the modified mark is set once the edit is over
    QVERIFY(!window->isWindowModified());
    QVERIFY(fileContent(dialogs->saveName) == *window->panelCore());
    action("actionAdvanced")->trigger();
    child<QTabWidget>("tabWidget")->setCurrentIndex(2);
    dialogs->answers = {true};
    action("actionNew")->trigger();
    QVERIFY(*window->panelCore() == PanelConfiguration()); // addresses and passwords included
    QVERIFY(child<QLineEdit>("txtWS_password")->text().isEmpty());
    QVERIFY(dialogs->messages.isEmpty()); // no notice about the zones
    QVERIFY(!window->isWindowModified());
}

void tst_MyMainWindow::replacingCommand_settlesUnsavedEdits_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("edit"); // after saving: none, a maneuver, a field not storable
    QTest::addColumn<UnsavedChanges>("choice");
    QTest::addColumn<QString>("question"); // how it opens
    QTest::addColumn<bool>("goesOn");
    const QString quit = "actionQuit", open = "actionOpen", unsaved = "Unsaved changes: ";
    const auto save = UnsavedChanges::Save, cancel = UnsavedChanges::Cancel;
    QTest::newRow("quitSaved_asksSure") << quit << "" << cancel << "Close Confirmation" << false;
    QTest::newRow("quitEdited_saves") << quit << "maneuver" << save << unsaved << true;
    QTest::newRow("quitField_saveRefused") << quit << "field" << save << unsaved << false;
    QTest::newRow("openEdited_discards")
        << open << "maneuver" << UnsavedChanges::Discard << unsaved << true;
    QTest::newRow("newEdited_cancelled") << "actionNew"
                                         << "maneuver" << cancel << unsaved << false;
    QTest::newRow("downloadEdited_cancelled") << "actionDownload"
                                              << "maneuver" << cancel << unsaved << false;
}

void tst_MyMainWindow::replacingCommand_settlesUnsavedEdits() {
    QFETCH(QString, command);
    QFETCH(QString, edit);
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
    dialogs->answers = {!edit.isEmpty() && !goesOn}; // a Yes never overrides the choice
    dialogs->saveAnswers = {choice};
    dialogs->openName = other;
    action(qPrintable(command))->trigger();

    QCOMPARE(dialogs->questions.size(), 1);
    QVERIFY2(dialogs->questions.value(0).startsWith(question), qPrintable(dialogs->questions[0]));
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
    const auto enter = [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    };
    QTimer::singleShot(0, enter);
    const bool yes = UserDialogs::current().askYesNo(window, "Question", "Go on?");
    QTimer::singleShot(0, enter);
    const UnsavedChanges choice = UserDialogs::current().askSaveChanges(window, "Q", "Save?");
    UserDialogs::install(dialogs); // before a failure, so that cleanup asks nobody
    QVERIFY2(!yes && choice == UnsavedChanges::Save, "Enter must take No, and Save");
}

void tst_MyMainWindow::command_refusedBeforeAnythingIsWritten_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("field"); // a field not storable, else no zones
    QTest::addColumn<QString>("shown");
    const QString gateway = "Gateway needs four numbers",
                  zonesFirst = "introduce a number of zones";
    QTest::newRow("saveField_refused") << "actionSaveAs" << true << gateway;
    QTest::newRow("uploadField_refused") << "actionUpload" << true << gateway;
    QTest::newRow("uploadNoZones_refused") << "actionUpload" << false << zonesFirst;
    QTest::newRow("downloadNoZones_refused") << "actionDownload" << false << zonesFirst;
}

void tst_MyMainWindow::command_refusedBeforeAnythingIsWritten() {
    QFETCH(QString, command);
    QFETCH(bool, field);
    QFETCH(QString, shown);
    window->setCommandLinePort(path("no-such-port")); // a panel command that goes on fails
    dialogs->saveName = path("refused.pdf");
    if (field) {
        fillConfiguration();
        child<QLineEdit>("txtWS_gateway")->setText(QStringLiteral("192.168.1"));
    }
    action(qPrintable(command))->trigger();
    const QString seen = (dialogs->messages + dialogs->failures).join('|');
    QVERIFY2(seen.contains(shown) && !seen.contains('|'), qPrintable(seen));
    QVERIFY(dialogs->questions.isEmpty());
    QVERIFY(!QFile::exists(dialogs->saveName));
}

void tst_MyMainWindow::commandLinePort_survivesOpenUntilUserChooses() {
    window->setCommandLinePort(QStringLiteral("/tmp/panel-pty"));
    dialogs->saveName = path("port.xml");
    window->slotSaveAs();
    QVERIFY(window->openFile(dialogs->saveName));
    QCOMPARE(window->panelCore()->serialSettings.name, QStringLiteral("/tmp/panel-pty"));
    QTimer::singleShot(0, [] {
        QWidget *settings = QApplication::activeModalWidget();
        settings->findChild<QLineEdit *>("portPathEdit")->setText("/tmp/chosen");
        settings->findChild<QAbstractButton *>("applyButton")->click();
    });
    action("actionSerialPort")->trigger();
    QVERIFY(window->openFile(dialogs->saveName));
    QCOMPARE(window->panelCore()->serialSettings.name, QStringLiteral("/tmp/chosen"));
}

void tst_MyMainWindow::zoneChoices_storedPackedAndGated() {
    QVERIFY(!box(1)->isEnabled()); // no zones yet
    box(0)->setCurrentIndex(2);
    box(1)->setCurrentIndex(2); // relays, then sounders: packed into the first slots
    box(2)->setCurrentIndex(1);
    const PanelCore *core = window->panelCore();
    QCOMPARE(core->num_zones, 4);
    QCOMPARE(int(core->elements[0].type) * 10 + int(core->elements[1].type), 21);
    box(1)->setCurrentIndex(0); // the first back to none clears every board
    QCOMPARE(int(core->elements[1].type), 0);
    QVERIFY(!box(2)->isEnabled());
    box(0)->setCurrentIndex(0);
    QCOMPARE(dialogs->messages.size(), 1); // back to no zones warns
}

void tst_MyMainWindow::zoneNames_showInTreeTooLongRefused() {
    fillConfiguration();
    QTest::keyClicks(child<QLineEdit>("zoneNameEdit3"), "Kitchen");
    const QTreeWidgetItem *panel = child<QTreeWidget>("eventsWidget")->topLevelItem(0);
    QCOMPARE(panel->child(2)->text(0), QStringLiteral("Zone3 - Kitchen"));
    auto *tooLong = child<QLineEdit>("zoneNameEdit4"); // kept as typed, the reason beside it
    QTest::keyClicks(tooLong, QString(40, 'x'));
    QCOMPARE(tooLong->text().size(), 40);
    QVERIFY(child<QLabel>("labelZoneNamesReason")->text().contains("40 characters"));
}

QTEST_MAIN(tst_MyMainWindow)
#include "tst_MyMainWindow.moc"
