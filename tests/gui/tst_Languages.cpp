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

    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void start_loadsTheCheckedLanguage();
    void switch_retranslatesEveryEditorShowingTheModel();
    void aboutBox_versionAndReadme();
};

void tst_Languages::init() {
    dialogs = new ScriptedDialogs;
    window = new MyMainWindow;
    window->show();
}

void tst_Languages::cleanup() {
    delete window;
    delete dialogs;
}

void tst_Languages::start_loadsTheCheckedLanguage() {
    // CTest runs this under English, Spanish and German system locales.
    const QString expected = qEnvironmentVariable("MRB500_EXPECT_LANGUAGE", "en");
    const bool spanish = expected == "es";
    QCOMPARE(window->currentLanguage(), expected);
    QCOMPARE(child<QAction>("language_es")->isChecked(), spanish);
    QCOMPARE(window->menuBar()->actions().first()->text(), spanish ? "&Archivo" : "&File");
    // The pages written in Spanish in the source follow too.
    QCOMPARE(child<QWidget>("myconfigurationwidget")->findChild<QLabel *>("label")->text(),
             spanish ? "Número de zonas" : "Number of zones");
}

void tst_Languages::switch_retranslatesEveryEditorShowingTheModel() {
    child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(3);
    PanelCore *core = window->panelCore();
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
    QCOMPARE(child<QTableWidget>("tableWidget")->item(0, 1)->text(),
             QStringLiteral("Activar sirena 2 del panel"));
    // Every editor shows the model's values again, and what was typed.
    QVERIFY(*core == before);
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text(), QStringLiteral("typed.example"));
    dialogs->saveAnswers = {UserDialogs::UnsavedChanges::Cancel}; // the questions follow too
    child<QAction>("actionNew")->trigger();
    QVERIFY2(dialogs->questions.value(0).startsWith("Cambios sin guardar: "),
             qPrintable(dialogs->questions.value(0)));
}

void tst_Languages::aboutBox_versionAndReadme() {
    DialogAbout about;
    QVERIFY(about.findChild<QLabel *>("label_1")->text().endsWith(" version 2.07"));
    const QString support = about.findChild<QLabel *>("label_3")->text();
    const QString link = QRegularExpression("href=\"([^\"]+)\"").match(support).captured(1);
    QVERIFY2(QFile::exists(QUrl(link).toLocalFile()), qPrintable(link));
}

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
