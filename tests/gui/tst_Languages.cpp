#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "ui/DialogAbout.h"
#include "ui/MyMainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

class tst_Languages : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    QString menuTitle(int index) { return window->menuBar()->actions().at(index)->text(); }
    void choose(const char *language) {
        child<QAction>(language)->trigger();
        QCoreApplication::sendPostedEvents(); // Qt posts the language change to the windows
    }

    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void languageMenu_listsInstalledFiles();
    void start_loadsTheCheckedLanguage();
    void switch_retranslatesEveryPage_data();
    void switch_retranslatesEveryPage();
    void switch_keepsModelValuesOnScreen();
    void aboutBox_versionDateAndClose();
};

void tst_Languages::init() {
    dialogs = new ScriptedDialogs;
    window = new MyMainWindow;
    window->show();
}

void tst_Languages::cleanup() {
    dialogs->answers = {true};
    window->close();
    delete window;
    delete dialogs;
}

void tst_Languages::languageMenu_listsInstalledFiles() {
    QDir languages(window->translationsDirectory());
    QVERIFY2(languages.exists(QStringLiteral("lang_en.qm")), qPrintable(languages.path()));
    QVERIFY(languages.exists(QStringLiteral("lang_es.qm")));
    QCOMPARE(child<QAction>("language_en")->text(), QStringLiteral("English"));
    QCOMPARE(child<QAction>("language_es")->text(), QStringLiteral("Spanish"));
    QVERIFY(child<QAction>("language_es")->isCheckable());
}

void tst_Languages::start_loadsTheCheckedLanguage() {
    // CTest runs this under English, Spanish and German system locales, and says which
    // language to expect.
    const QString expected = qEnvironmentVariable("MRB500_EXPECT_LANGUAGE", "en");
    const bool spanish = expected == "es";
    QCOMPARE(window->currentLanguage(), expected);
    QCOMPARE(child<QAction>("language_es")->isChecked(), spanish);
    QCOMPARE(child<QAction>("language_en")->isChecked(), !spanish);
    QCOMPARE(menuTitle(0), spanish ? "&Archivo" : "&File");
    // The pages written in Spanish in the source follow too.
    QCOMPARE(child<QWidget>("myconfigurationwidget")->findChild<QLabel *>("label")->text(),
             spanish ? "Número de zonas" : "Number of zones");
}

void tst_Languages::switch_retranslatesEveryPage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QString>("zonesLabel");
    QTest::addColumn<QString>("outputsLabel");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("serialPort");
    QTest::addColumn<QString>("eventTreeInput");
    QTest::addColumn<QString>("newQuestion");

    QTest::newRow("spanish") << "language_es"
                             << QStringList{"&Archivo", "&Edición", "&Opciones", "&Configuración",
                                            "A&cerca de"}
                             << QStringList{"Elementos", "Acciones", "Configuración avanzada"}
                             << "Número de zonas"
                             << "SALIDAS"
                             << "Modo Confirmación"
                             << "Configurar puerto serie"
                             << "Entrada"
                             << "Confirmación: ¿Desea borrar la configuración actual y crear "
                                "una nueva?";
    QTest::newRow("english") << "language_en"
                             << QStringList{"&File", "&Edit", "&Options", "&Configuration",
                                            "&About"}
                             << QStringList{"Elements", "Actions", "Advanced Configuration"}
                             << "Number of zones"
                             << "OUTPUTS"
                             << "Confirmation mode"
                             << "Configure serial port"
                             << "Input"
                             << "Confirmation: Do you want to erase current configuration and "
                                "create a new one";
}

void tst_Languages::switch_retranslatesEveryPage() {
    QFETCH(QString, language);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, tabs);
    QFETCH(QString, zonesLabel);
    QFETCH(QString, outputsLabel);
    QFETCH(QString, confirmation);
    QFETCH(QString, serialPort);
    QFETCH(QString, eventTreeInput);
    QFETCH(QString, newQuestion);

    child<QAction>("actionAdvanced")->trigger();
    child<QTabWidget>("tabWidget")->setCurrentIndex(2); // the other pages switch while hidden
    // Through the other language first, so that every text really changes.
    choose(language == QLatin1String("language_es") ? "language_en" : "language_es");
    choose(qPrintable(language));

    QCOMPARE(window->currentLanguage(), language.mid(9));
    for (int i = 0; i < menus.size(); ++i)
        QCOMPARE(menuTitle(i), menus.at(i));
    auto *tabWidget = child<QTabWidget>("tabWidget");
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(tabWidget->tabText(i), tabs.at(i));
    QCOMPARE(child<QWidget>("myconfigurationwidget")->findChild<QLabel *>("label")->text(),
             zonesLabel);
    QCOMPARE(child<QLabel>("label_3")->text(), outputsLabel);
    QCOMPARE(child<QAbstractButton>("radioButtonConfirmation")->text(), confirmation);
    QCOMPARE(child<QAction>("actionSerialPort")->text(), serialPort);
    auto *events = child<QTreeWidget>("eventsWidget");
    QTreeWidgetItem *panel = events->topLevelItem(0);
    QCOMPARE(panel->child(panel->childCount() - 1)->text(0), eventTreeInput);
    dialogs->answers = {false};
    window->slotNew();
    QCOMPARE(dialogs->questions, QStringList{newQuestion});

    // Choosing the same language again changes nothing.
    QSignalSpy spy(child<QAction>(qPrintable(language)), &QAction::changed);
    choose(qPrintable(language));
    QCOMPARE(menuTitle(0), menus.first());
}

void tst_Languages::switch_keepsModelValuesOnScreen() {
    child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(3);
    child<QComboBox>("comboBoxAuxType1")->setCurrentIndex(1);
    child<QComboBox>("comboBoxAuxType2")->setCurrentIndex(2);
    PanelCore *core = window->panelCore();
    core->webServer.DHCP = 0;
    core->webServer.IP = 0xC0A80102;
    core->webServer.Language = 1;
    core->smtp.Enable = 1;
    core->smtp.Auth = 1;
    core->smtp.Port = 587;
    window->slotReadGeneralConfiguration();
    ManiobraConvencional m;
    m.events = {Event{2, 3, 2, 2}};
    m.setAction(Action{1, 2, 1, 3, 0});
    core->addManeuver(m);
    window->slotUpdateEventActionTables();
    child<QLineEdit>("txtSMTP_svr")->setText(QStringLiteral("typed.example")); // not saved yet
    PanelConfiguration before = *core;

    choose("language_en");

    QVERIFY(*core == before);
    QCOMPARE(child<QComboBox>("comboBoxMaxZones")->currentText(), QStringLiteral("8"));
    QCOMPARE(child<QComboBox>("comboBoxAuxType1")->currentText(), QStringLiteral("Sounders"));
    QCOMPARE(child<QComboBox>("comboBoxAuxType2")->currentText(), QStringLiteral("Relays"));
    QVERIFY(child<QComboBox>("comboBoxAuxType3")->isEnabled());
    QCOMPARE(child<QLineEdit>("txtWS_ip")->text(), QStringLiteral("192.168.1.2"));
    QCOMPARE(child<QComboBox>("cbWS_Language")->currentText(), QStringLiteral("English"));
    QCOMPARE(child<QComboBox>("cbSMTP_autentication")->currentText(), QStringLiteral("Password"));
    QCOMPARE(child<QLineEdit>("txtSMTP_port")->text(), QStringLiteral("587"));
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text(), QStringLiteral("typed.example"));
    auto *table = child<QTableWidget>("tableWidget");
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Any alarm in zone 3"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Activate sounder 2 of the panel"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Event"));
    QCOMPARE(child<QTreeWidget>("eventsWidget")->topLevelItem(0)->childCount(), 9);
    QVERIFY(dialogs->messages.isEmpty());
}

void tst_Languages::aboutBox_versionDateAndClose() {
    DialogAbout about;
    about.show();
    QVERIFY(about.findChild<QLabel *>("label_1")->text().endsWith(QStringLiteral(" version 2.07")));
    QCOMPARE(about.findChild<QLabel *>("label_2")->text(),
             QStringLiteral("Compilation Date 2019/10/30"));
    QVERIFY(!about.findChild<QLabel *>("label")->pixmap().isNull());
    auto *support = about.findChild<QLabel *>("label_3");
    QVERIFY(support->openExternalLinks());
    const QString link = QRegularExpression("href=\"([^\"]+)\"").match(support->text()).captured(1);
    QVERIFY2(QFile::exists(QUrl(link).toLocalFile()), qPrintable(link));
    QVERIFY(!about.findChild<QLabel *>("label_4")->text().isEmpty());
    about.findChild<QPushButton *>("pushButton")->click();
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
