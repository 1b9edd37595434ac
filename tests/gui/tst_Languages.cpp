#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "ui/DialogAbout.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

class tst_Languages : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }
    QString text(const char *name) {
        QObject *o = window->findChild<QObject *>(name);
        if (auto *action = qobject_cast<QAction *>(o))
            return action->text();
        if (auto *button = qobject_cast<QAbstractButton *>(o))
            return button->text();
        if (auto *box = qobject_cast<QComboBox *>(o))
            return box->currentText();
        return qobject_cast<QLabel *>(o) ? static_cast<QLabel *>(o)->text()
                                         : static_cast<QLineEdit *>(o)->text();
    }
    QStringList menuTitles() {
        QStringList out;
        for (QAction *menu : window->menuBar()->actions())
            out << menu->text();
        return out;
    }

    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void start_loadsTheCheckedLanguage();
    void switch_retranslatesEveryEditorShowingTheModel();
    void aboutBox_versionDateAndReadme();
};

void tst_Languages::init() {
    dialogs = new ScriptedDialogs;
    window = new MyMainWindow;
    window->show();
}

void tst_Languages::cleanup() {
    dialogs->answers = {true};
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Discard};
    window->close();
    delete window;
    delete dialogs;
}

void tst_Languages::start_loadsTheCheckedLanguage() {
    // CTest runs this under English, Spanish and German system locales, and says which
    // language to expect.
    const QString expected = qEnvironmentVariable("MRB500_EXPECT_LANGUAGE", "en");
    const bool spanish = expected == "es";
    QCOMPARE(window->currentLanguage(), expected);
    QCOMPARE(child<QAction>("language_en")->text(), QStringLiteral("English"));
    QCOMPARE(child<QAction>("language_es")->isChecked(), spanish);
    QCOMPARE(child<QAction>("language_en")->isChecked(), !spanish);
    QCOMPARE(menuTitles().first(), spanish ? "&Archivo" : "&File");
    // The pages written in Spanish in the source follow too.
    QCOMPARE(child<QWidget>("myconfigurationwidget")->findChild<QLabel *>("label")->text(),
             spanish ? "Número de zonas" : "Number of zones");
}

void tst_Languages::switch_retranslatesEveryEditorShowingTheModel() {
    child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(3);
    child<QComboBox>("comboBoxAuxType1")->setCurrentIndex(1);
    QTest::keyClicks(child<QLineEdit>("zoneNameEdit3"), "Kitchen");
    PanelCore *core = window->panelCore();
    core->webServer.DHCP = 0;
    core->webServer.IP = 0xC0A80102;
    core->smtp.Enable = 1;
    window->slotReadGeneralConfiguration();
    ManiobraConvencional m;
    m.events = {Event{2, 3, 2, 2}};
    m.setAction(Action{1, 2, 1, 3, 0});
    core->addManeuver(m);
    window->slotUpdateEventActionTables();
    child<QLineEdit>("txtSMTP_svr")->setText(QStringLiteral("typed.example")); // not stored yet
    child<QAction>("actionAdvanced")->trigger();
    child<QTabWidget>("tabWidget")->setCurrentIndex(2); // the other pages switch while hidden
    const PanelConfiguration before = *core;

    child<QAction>("language_es")->trigger();
    QCoreApplication::sendPostedEvents(); // Qt posts the language change to the windows

    QCOMPARE(window->currentLanguage(), QStringLiteral("es"));
    QCOMPARE(menuTitles(),
             (QStringList{"&Archivo", "&Edición", "&Opciones", "&Configuración", "A&cerca de"}));
    auto *tabs = child<QTabWidget>("tabWidget");
    QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
             (QStringList{"Elementos", "Acciones", "Configuración avanzada"}));
    QCOMPARE(text("radioButtonConfirmation"), QStringLiteral("Modo Confirmación"));
    QCOMPARE(text("actionVerifyAfterUpload"), QStringLiteral("Verificar tras cargar"));
    QCOMPARE(child<QTableWidget>("tableWidget")->item(0, 1)->text(),
             QStringLiteral("Activar sirena 2 del panel"));
    // Every editor shows the model's values again, and what was typed.
    QVERIFY(*core == before);
    QCOMPARE(text("comboBoxMaxZones"), QStringLiteral("8"));
    QCOMPARE(text("comboBoxAuxType1"), QStringLiteral("Sirenas"));
    QCOMPARE(text("zoneNameEdit3"), QStringLiteral("Kitchen"));
    QTreeWidgetItem *panel = child<QTreeWidget>("eventsWidget")->topLevelItem(0);
    QCOMPARE(panel->child(2)->text(0), QStringLiteral("Zona3 - Kitchen"));
    QCOMPARE(text("txtWS_ip"), QStringLiteral("192.168.1.2"));
    QCOMPARE(text("txtSMTP_svr"), QStringLiteral("typed.example"));
    QVERIFY(dialogs->messages.isEmpty());
    // The questions follow too.
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Cancel};
    child<QAction>("actionNew")->trigger();
    QVERIFY2(dialogs->questions.value(0).startsWith("Cambios sin guardar: "),
             qPrintable(dialogs->questions.value(0)));
}

void tst_Languages::aboutBox_versionDateAndReadme() {
    DialogAbout about;
    about.show();
    QVERIFY(about.findChild<QLabel *>("label_1")->text().endsWith(" version 2.07"));
    QCOMPARE(about.findChild<QLabel *>("label_2")->text(), "Compilation Date 2019/10/30");
    auto *support = about.findChild<QLabel *>("label_3");
    QVERIFY(support->openExternalLinks());
    const QString link = QRegularExpression("href=\"([^\"]+)\"").match(support->text()).captured(1);
    QVERIFY2(QFile::exists(QUrl(link).toLocalFile()), qPrintable(link));
    about.findChild<QPushButton *>("pushButton")->click();
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
