#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ItemCodes.h"
#include "model/XmlConfigReader.h"
#include "ui/MyMainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using UnsavedChanges = UserDialogs::UnsavedChanges;

const QString StartTitle =
    QStringLiteral(" Conventional Panel Configurator MRB-500 Version 2.07 2019/10/30[*]");
const QString UnnamedTitle = QStringLiteral("TrevUSB Configurator Version 2.07 2019/10/30[*]");

QString namedTitle(const QString &file) {
    return UnnamedTitle.chopped(3) + QStringLiteral(" --- ") + file + QStringLiteral("[*]");
}

QByteArray contents(const QString &file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(UnsavedChanges)

class tst_MyMainWindow : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    QAction *action(const char *name) { return child<QAction>(name); }
    // 4 zones, a relay board, two maneuvers and some general and web options.
    void fillConfiguration();
    QString writeFile(const char *name, const QByteArray &data);

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void start_titleAndHiddenAdvancedTab();
    void newCancelled_changesNothing();
    void newDiscarding_resetsEverythingQuietly();
    void newWithBoardsButNoZones_clearsBoards();
    void saveAs_writesFileAndNamesWindow();
    void saveAsCancelled_keepsNameAndTitle();
    void saveUnnamed_asksForName();
    void saveFailing_keepsOldFileNameAndTitle();
    void open_showsFileInEveryEditor();
    void openThenSave_keepsWhatEditorsCannotShow();
    void fieldThatCannotBeStored_refusesStoringCommands_data();
    void fieldThatCannotBeStored_refusesStoringCommands();
    void openBroken_showsReasonChangesNothing_data();
    void openBroken_showsReasonChangesNothing();
    void openCancelled_changesNothing();
    void openOverUnsavedEdits_asksFirst_data();
    void openOverUnsavedEdits_asksFirst();
    void commandLinePort_survivesOpenUntilUserChooses();
    void advancedTab_toggledKeepsValues();
    void close_asksFirst_data();
    void close_asksFirst();
    void quitWithUnstorableField_asksToSave();
    void edit_marksTitleUntilSaved_data();
    void edit_marksTitleUntilSaved();
    void questions_enterTakesTheSafeAnswer();
    void zoneEditorChanges_moveProblemMarks();
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
    child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(2);
    child<QComboBox>("comboBoxAuxType1")->setCurrentIndex(2);
    PanelCore *core = window->panelCore();
    ManiobraConvencional m;
    QVERIFY(ItemCodes::toManeuver({ItemCodes::zone(3)}, ItemCodes::Sounder1, &m));
    core->addManeuver(m);
    QVERIFY(ItemCodes::toManeuver({ItemCodes::zone(1), ItemCodes::Input},
                                  ItemCodes::boardOutput(0, 2), &m));
    core->addManeuver(m);
    core->generalConfig.short_general_mode = 1;
    core->generalConfig.cancel_delay = 2;
    core->webServer.DHCP = 0;
    core->webServer.IP = 0x0A000007;
    core->webServer.Login = 1;
    core->webServer.Pass = QStringLiteral("web-secret");
    core->smtp.Enable = 1;
    core->smtp.Host = QStringLiteral("smtp.example");
    core->smtp.Password = QStringLiteral("mail-secret");
    window->slotReadGeneralConfiguration();
    window->slotUpdateEventActionTables();
}

QString tst_MyMainWindow::writeFile(const char *name, const QByteArray &data) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_MyMainWindow::start_titleAndHiddenAdvancedTab() {
    QCOMPARE(window->windowTitle(), StartTitle);
    QCOMPARE(window->currentFileName(), QString());
    auto *tabs = child<QTabWidget>("tabWidget");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!action("actionAdvanced")->isChecked());
    QVERIFY(!child<QWidget>("eventsWidget")->isEnabled()); // no zones yet
}

void tst_MyMainWindow::newCancelled_changesNothing() {
    fillConfiguration();
    PanelConfiguration before = *window->panelCore();
    dialogs->saveAnswers = {UnsavedChanges::Cancel};

    window->slotNew();

    QCOMPARE(dialogs->questions,
             QStringList{"Unsaved changes: The current configuration has changes that have not "
                         "been saved. Save them before creating a new configuration?"});
    QVERIFY(*window->panelCore() == before);
    QCOMPARE(window->windowTitle(), StartTitle);
    QCOMPARE(child<QTableWidget>("tableWidget")->rowCount(), 2);
}

void tst_MyMainWindow::newDiscarding_resetsEverythingQuietly() {
    fillConfiguration();
    QVERIFY(window->panelCore()->setZoneName(1, QStringLiteral("Hall")));
    action("actionAdvanced")->trigger();
    child<QTabWidget>("tabWidget")->setCurrentIndex(2);
    const PanelCore *core = window->panelCore();
    dialogs->saveAnswers = {UnsavedChanges::Discard};

    window->slotNew();

    QVERIFY(*core == PanelConfiguration()); // addresses and passwords included
    QCOMPARE(child<QTableWidget>("tableWidget")->rowCount(), 0);
    QCOMPARE(child<QComboBox>("comboBoxMaxZones")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>("comboBoxAuxType1")->currentIndex(), 0);
    for (const char *field : {"txtWS_ip", "txtWS_password", "txtSMTP_svr", "txtSMTP_password"})
        QVERIFY2(child<QLineEdit>(field)->text().remove('.').isEmpty(), field); // ip: "..."
    QVERIFY(dialogs->messages.isEmpty()); // no notice about the zones
    QCOMPARE(window->windowTitle(), UnnamedTitle);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->currentFileName(), QString());
    QVERIFY(!child<QWidget>("eventsWidget")->isEnabled());
}

void tst_MyMainWindow::newWithBoardsButNoZones_clearsBoards() {
    // A file may hold boards without zones; the zone box then already shows "Select".
    const QString file =
        writeFile("boards.xml", "<CONFIG><GeneralConfig num_zones=\"0\"/><Elements>"
                                "<Element address=\"0\" type=\"2\"/></Elements></CONFIG>");
    QVERIFY(window->openFile(file));
    QCOMPARE(window->panelCore()->countElements(), 1);
    dialogs->answers = {true};

    window->slotNew();

    QCOMPARE(window->panelCore()->countElements(), 0);
    QCOMPARE(child<QComboBox>("comboBoxAuxType1")->currentIndex(), 0);
}

void tst_MyMainWindow::saveAs_writesFileAndNamesWindow() {
    fillConfiguration();
    dialogs->saveName = dir.filePath(QStringLiteral("site.xml"));
    window->slotSaveAs();

    QVERIFY(dialogs->failures.isEmpty());
    QCOMPARE(window->currentFileName(), dialogs->saveName);
    QCOMPARE(window->windowTitle(), namedTitle(dialogs->saveName));
    PanelCore reread;
    QString error;
    QVERIFY2(XmlConfigReader::readFile(dialogs->saveName, &reread, &error), qPrintable(error));
    QVERIFY(reread == *window->panelCore());
    QCOMPARE(reread.num_zones, 4);
    QCOMPARE(reread.maneuvers.size(), 2);

    // Save to the known name asks nothing and leaves the title.
    dialogs->saveName.clear();
    window->panelCore()->num_zones = 8;
    window->slotSave();
    QVERIFY(XmlConfigReader::readFile(window->currentFileName(), &reread));
    QCOMPARE(reread.num_zones, 8);
    QCOMPARE(window->windowTitle(), namedTitle(window->currentFileName()));
}

void tst_MyMainWindow::saveAsCancelled_keepsNameAndTitle() {
    dialogs->saveName.clear();
    window->slotSaveAs();
    QCOMPARE(window->currentFileName(), QString());
    QCOMPARE(window->windowTitle(), StartTitle);
}

void tst_MyMainWindow::saveUnnamed_asksForName() {
    dialogs->saveName = dir.filePath(QStringLiteral("unnamed.xml"));
    window->slotSave();
    QVERIFY(QFile::exists(dialogs->saveName));
    QCOMPARE(window->currentFileName(), dialogs->saveName);
}

void tst_MyMainWindow::saveFailing_keepsOldFileNameAndTitle() {
    fillConfiguration();
    const QString good = dir.filePath(QStringLiteral("kept.xml"));
    dialogs->saveName = good;
    window->slotSaveAs();
    const QByteArray saved = contents(good);
    QVERIFY(!saved.isEmpty());

    // A text no configuration file can hold makes the writer refuse.
    window->show();
    auto *enable = child<QAbstractButton>("cbSMTP_enable");
    QVERIFY(enable->isChecked());
    child<QLineEdit>("txtSMTP_instalId")->setText(QStringLiteral("bad\x01text"));
    window->slotSave();
    QCOMPARE(dialogs->failures.size(), 1);
    QVERIFY2(dialogs->failures.first().contains(QStringLiteral("control character")),
             qPrintable(dialogs->failures.first()));
    QCOMPARE(contents(good), saved);

    // Save as to a place that cannot be written keeps the old name and title.
    child<QLineEdit>("txtSMTP_instalId")->setText(QStringLiteral("fine"));
    dialogs->saveName = dir.filePath(QStringLiteral("missing/dir/x.xml"));
    window->slotSaveAs();
    QCOMPARE(dialogs->failures.size(), 2);
    QVERIFY(!dialogs->failures.last().section(QLatin1Char('\n'), 1).trimmed().isEmpty());
    QCOMPARE(window->currentFileName(), good);
    QCOMPARE(window->windowTitle(), namedTitle(good));
}

void tst_MyMainWindow::open_showsFileInEveryEditor() {
    const QString file = writeFile(
        "site.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<CONFIG Version=\"Version 2.07\" Date=\"2019/10/30\">\n"
                    "<GeneralConfig num_zones=\"4\" confirmation_general_mode=\"1\" "
                    "short_general_mode=\"0\" delay_confirmation=\"12500\" cancel_delay=\"0\" "
                    "cancel_MCP_delay=\"0\"/>\n"
                    "<WebServer Language=\"1\" DHCP=\"1\" Login=\"0\"/>\n<SMTP Enable=\"0\"/>\n"
                    "<Elements><Element address=\"0\" type=\"1\"/>"
                    "<Element address=\"1\" type=\"2\"/></Elements>\n"
                    "<Maniobras><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"3\" "
                    "evt_blk_type=\"2\" evt_type=\"5\"/><Action act_blk=\"1\" act_blk_port=\"0\" "
                    "act_blk_type=\"1\" act_type=\"3\" delay=\"40\"/></Maniobra>"
                    "<Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"4\" evt_blk_type=\"2\" "
                    "evt_type=\"5\"/></Maniobra></Maniobras>\n"
                    "</CONFIG>\n");
    dialogs->openName = file;
    window->slotOpen();

    QVERIFY2(dialogs->failures.isEmpty(), qPrintable(dialogs->failures.join('\n')));
    // The second maneuver borrows the first one's action: said at once.
    QCOMPARE(dialogs->messages.size(), 1);
    QVERIFY2(dialogs->messages.first().contains("Maneuver 2 has no \"Action\" element"),
             qPrintable(dialogs->messages.first()));
    QCOMPARE(window->currentFileName(), file);
    QCOMPARE(window->windowTitle(), namedTitle(file));
    QCOMPARE(child<QComboBox>("comboBoxMaxZones")->currentText(), QStringLiteral("4"));
    QCOMPARE(child<QComboBox>("comboBoxAuxType1")->currentText(), QStringLiteral("Sounders"));
    QCOMPARE(child<QComboBox>("comboBoxAuxType2")->currentText(), QStringLiteral("Relays"));
    QCOMPARE(child<QComboBox>("comboBoxAuxType3")->currentText(), QStringLiteral("None"));
    QCOMPARE(child<QAbstractButton>("radioButtonConfirmation")->isChecked(), true);
    QCOMPARE(child<QComboBox>("cbWS_Language")->currentIndex(), 1);
    auto *table = child<QTableWidget>("tableWidget");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 1)->text(),
             QStringLiteral("Activate sounders of the panel  with a delay of 20s"));
    QCOMPARE(window->panelCore()->countElements(), 2);
    QVERIFY(child<QWidget>("eventsWidget")->isEnabled());
}

void tst_MyMainWindow::openThenSave_keepsWhatEditorsCannotShow() {
    const QString file = writeFile(
        "odd.xml", "<CONFIG><GeneralConfig num_zones=\"4\" confirmation_general_mode=\"1\" "
                   "delay_confirmation=\"5000\"/><WebServer Language=\"5\"/>"
                   "<SMTP Enable=\"1\" Auth=\"7\" Port=\"25\"/><Elements>"
                   "<Element address=\"0\" type=\"1\"/><Element address=\"1\" type=\"0\"/>"
                   "<Element address=\"2\" type=\"2\"/></Elements></CONFIG>");
    PanelCore original;
    QVERIFY(XmlConfigReader::readFile(file, &original));
    QVERIFY(window->openFile(file));
    QCOMPARE(dialogs->messages.size(), 1);
    for (const char *value : {"delay_confirmation=\"5000\"", "Language=\"5\"", "Auth=\"7\""})
        QVERIFY2(dialogs->messages.first().contains(QLatin1String(value)),
                 qPrintable(dialogs->messages.first()));

    window->slotSave();
    PanelCore reread;
    QVERIFY(XmlConfigReader::readFile(file, &reread));
    QVERIFY(reread == original);
    QVERIFY(dialogs->failures.isEmpty());
}

void tst_MyMainWindow::fieldThatCannotBeStored_refusesStoringCommands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("save") << "actionSave"
                          << "Could not save ";
    QTest::newRow("upload") << "actionUpload"
                            << "Error uploading to panel.";
    QTest::newRow("compare") << "actionCompareWithPanel"
                             << "Could not compare with the panel.";
    QTest::newRow("report") << "actionExportReport"
                            << "Could not export the report.";
}

void tst_MyMainWindow::fieldThatCannotBeStored_refusesStoringCommands() {
    QFETCH(QString, command);
    QFETCH(QString, refusal);
    fillConfiguration();
    window->setCommandLinePort(dir.filePath(QStringLiteral("no-such-port")));
    dialogs->saveName = dir.filePath(QStringLiteral("refused.pdf"));
    child<QLineEdit>("txtWS_gateway")->setText(QStringLiteral("192.168.1"));

    action(qPrintable(command))->trigger();

    QCOMPARE(dialogs->failures.size(), 1);
    QVERIFY2(dialogs->failures.first().startsWith(refusal), qPrintable(dialogs->failures.first()));
    QVERIFY2(dialogs->failures.first().contains(
                 QStringLiteral("Gateway needs four numbers from 0 to 255 separated by dots")),
             qPrintable(dialogs->failures.first()));
    QVERIFY(dialogs->questions.isEmpty());
    QVERIFY(!QFile::exists(dialogs->saveName));
    QCOMPARE(window->panelCore()->webServer.Gateway, quint32(0));
}

void tst_MyMainWindow::openBroken_showsReasonChangesNothing_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("reason");
    QTest::newRow("notWellFormed_lineAndColumn")
        << QByteArray("<CONFIG>\n<GeneralConfig num_zones=\"2\">\n</CONFIG>\n")
        << QStringLiteral("line 3");
    QTest::newRow("notANumber_namesAttribute")
        << QByteArray("<CONFIG><GeneralConfig num_zones=\"four\"/></CONFIG>")
        << QStringLiteral("num_zones");
    QTest::newRow("missingFile_cannotRead") << QByteArray() << QStringLiteral("cannot read");
}

void tst_MyMainWindow::openBroken_showsReasonChangesNothing() {
    QFETCH(QByteArray, data);
    QFETCH(QString, reason);
    fillConfiguration();
    const QString good = dir.filePath(QStringLiteral("good.xml"));
    dialogs->saveName = good;
    window->slotSaveAs();
    PanelConfiguration before = *window->panelCore();
    const PanelCore *coreBefore = window->panelCore();

    dialogs->openName =
        data.isEmpty() ? dir.filePath(QStringLiteral("absent.xml")) : writeFile("broken.xml", data);
    window->slotOpen();

    QCOMPARE(dialogs->failures.size(), 1);
    QVERIFY2(dialogs->failures.first().contains(reason), qPrintable(dialogs->failures.first()));
    QCOMPARE(window->panelCore(), coreBefore);
    QVERIFY(*window->panelCore() == before);
    QCOMPARE(window->currentFileName(), good);
    QCOMPARE(window->windowTitle(), namedTitle(good));
    QCOMPARE(child<QComboBox>("comboBoxMaxZones")->currentText(), QStringLiteral("4"));
    QCOMPARE(child<QTableWidget>("tableWidget")->rowCount(), 2);
}

void tst_MyMainWindow::openCancelled_changesNothing() {
    const PanelCore *core = window->panelCore();
    dialogs->openName.clear();
    window->slotOpen();
    QCOMPARE(window->panelCore(), core);
    QCOMPARE(window->windowTitle(), StartTitle);
}

void tst_MyMainWindow::openOverUnsavedEdits_asksFirst_data() {
    QTest::addColumn<bool>("editAfterSave");
    QTest::addColumn<UnsavedChanges>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("saved_opensWithoutQuestion") << false << UnsavedChanges::Cancel << true;
    QTest::newRow("unsavedCancelled_keepsEdits") << true << UnsavedChanges::Cancel << false;
    QTest::newRow("unsavedDiscarded_opens") << true << UnsavedChanges::Discard << true;
    QTest::newRow("unsavedSaved_savesThenOpens") << true << UnsavedChanges::Save << true;
}

void tst_MyMainWindow::openOverUnsavedEdits_asksFirst() {
    QFETCH(bool, editAfterSave);
    QFETCH(UnsavedChanges, answer);
    QFETCH(bool, opened);
    const QString other =
        writeFile("other.xml", "<CONFIG><GeneralConfig num_zones=\"12\"/></CONFIG>");
    fillConfiguration();
    dialogs->saveName = dir.filePath(QStringLiteral("edited.xml"));
    window->slotSaveAs();
    if (editAfterSave)
        window->panelCore()->removeManeuver(0);
    PanelConfiguration before = *window->panelCore();

    dialogs->saveAnswers = {answer};
    dialogs->openName = other;
    window->slotOpen();

    QCOMPARE(dialogs->questions.size(), editAfterSave ? 1 : 0);
    QCOMPARE(window->currentFileName(), opened ? other : dialogs->saveName);
    QCOMPARE(*window->panelCore() == before, !opened);
    PanelCore file;
    QVERIFY(XmlConfigReader::readFile(dialogs->saveName, &file));
    QCOMPARE(file == before, !editAfterSave || answer == UnsavedChanges::Save);
}

void tst_MyMainWindow::commandLinePort_survivesOpenUntilUserChooses() {
    window->setCommandLinePort(QStringLiteral("/tmp/panel-pty"));
    QCOMPARE(window->panelCore()->serialSettings.name, QStringLiteral("/tmp/panel-pty"));
    QVERIFY(window->panelCore()->serialSettings.portSelected);
    QVERIFY(window->panelCore()->portConfigured);

    dialogs->saveName = dir.filePath(QStringLiteral("port.xml"));
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

void tst_MyMainWindow::advancedTab_toggledKeepsValues() {
    auto *tabs = child<QTabWidget>("tabWidget");
    // QObject::receivers() is protected; reach it through a derived class.
    struct Receivers : QTabWidget {
        using QObject::receivers;
    };
    const auto receivers = [tabs] {
        return (tabs->*&Receivers::receivers)(SIGNAL(currentChanged(int)));
    };
    const int connections = receivers();
    action("actionAdvanced")->trigger();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(2), QStringLiteral("Advanced Configuration"));
    child<QLineEdit>("txtSMTP_svr")->setText(QStringLiteral("kept.example"));

    action("actionAdvanced")->trigger();
    QCOMPARE(tabs->count(), 2);
    action("actionAdvanced")->trigger();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text(), QStringLiteral("kept.example"));
    QCOMPARE(receivers(), connections); // a tab switch lays its page out once
}

void tst_MyMainWindow::close_asksFirst_data() {
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("yes");              // Are you sure you want to quit?
    QTest::addColumn<UnsavedChanges>("choice"); // with unsaved edits
    QTest::addColumn<QString>("saveAs");        // empty: the save dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::newRow("saved_noStays") << false << false << UnsavedChanges::Cancel << "" << false;
    QTest::newRow("saved_yesCloses") << false << true << UnsavedChanges::Cancel << "" << true;
    QTest::newRow("edited_cancelStays") << true << true << UnsavedChanges::Cancel << "" << false;
    QTest::newRow("edited_saveWritesAndCloses")
        << true << false << UnsavedChanges::Save << "quit.xml" << true;
    QTest::newRow("edited_saveCancelledStays")
        << true << true << UnsavedChanges::Save << "" << false;
}

void tst_MyMainWindow::close_asksFirst() {
    QFETCH(bool, edited);
    QFETCH(bool, yes);
    QFETCH(UnsavedChanges, choice);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);
    if (edited)
        fillConfiguration();
    dialogs->answers = {yes};
    dialogs->saveAnswers = {choice};
    dialogs->saveName = saveAs.isEmpty() ? QString() : dir.filePath(saveAs);

    action("actionQuit")->trigger();

    QCOMPARE(dialogs->questions.size(), 1);
    QVERIFY(dialogs->questions.first().startsWith(edited ? "Unsaved changes: "
                                                         : "Close Confirmation: Are you sure"));
    QCOMPARE(window->isVisible(), !closes);
    if (!saveAs.isEmpty())
        QVERIFY(QFile::exists(dialogs->saveName));
}

void tst_MyMainWindow::quitWithUnstorableField_asksToSave() {
    child<QAbstractButton>("chkbWS_dhcp")->click();
    dialogs->saveName = dir.filePath(QStringLiteral("typed.xml"));
    window->slotSaveAs();
    child<QLineEdit>("txtWS_gateway")->setText(QStringLiteral("192.168.1"));
    dialogs->saveAnswers = {UnsavedChanges::Cancel};

    action("actionQuit")->trigger();

    QCOMPARE(dialogs->questions.size(), 1);
    QVERIFY(dialogs->questions.first().startsWith("Unsaved changes: "));
    QVERIFY(window->isVisible());
}

void tst_MyMainWindow::edit_marksTitleUntilSaved_data() {
    QTest::addColumn<QString>("editor");
    QTest::newRow("zones") << "zones";
    QTest::newRow("maneuvers") << "maneuvers";
    QTest::newRow("advanced") << "advanced";
}

void tst_MyMainWindow::edit_marksTitleUntilSaved() {
    QFETCH(QString, editor);
    fillConfiguration();
    dialogs->saveName = dir.filePath(QStringLiteral("marked.xml"));
    window->slotSaveAs();
    QCoreApplication::processEvents();
    QVERIFY(!window->isWindowModified());

    if (editor == "zones") {
        child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(3);
    } else if (editor == "maneuvers") {
        child<QTableWidget>("tableWidget")->selectRow(0);
        child<QAbstractButton>("pushButtonDel")->click();
    } else {
        child<QAbstractButton>("chkbWS_dhcp")->click();
    }
    QCoreApplication::processEvents();
    QVERIFY(window->isWindowModified());
    window->slotSave();
    QVERIFY(!window->isWindowModified());
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

void tst_MyMainWindow::zoneEditorChanges_moveProblemMarks() {
    fillConfiguration();
    auto *table = child<QTableWidget>("tableWidget");
    auto marked = [table] {
        QList<bool> out;
        for (int row = 0; row < table->rowCount(); ++row)
            out << !table->item(row, 0)->icon().isNull();
        return out;
    };
    QCOMPARE(marked(), (QList<bool>{false, false}));

    child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(1); // 2 zones: zone 3 is gone
    QCOMPARE(marked(), (QList<bool>{true, false}));
    QVERIFY(table->item(0, 0)->toolTip().contains(QStringLiteral("zone 3")));
    child<QComboBox>("comboBoxAuxType1")->setCurrentIndex(0); // the relay board is removed
    QCOMPARE(marked(), (QList<bool>{true, true}));

    child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(2);
    child<QComboBox>("comboBoxAuxType1")->setCurrentIndex(2);
    QCOMPARE(marked(), (QList<bool>{false, false}));
}

QTEST_MAIN(tst_MyMainWindow)
#include "tst_MyMainWindow.moc"
