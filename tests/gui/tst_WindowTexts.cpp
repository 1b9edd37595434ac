#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "model/PanelConfiguration.h"
#include "ui/AddressValidator.h"
#include "ui/DialogAddLogic.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

// What the window shows and writes reads as a person expects.
class tst_WindowTexts : public QObject {
    Q_OBJECT

    template <class T> T *child(const QString &name) { return window->findChild<T *>(name); }

    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;

private Q_SLOTS:
    void init() {
        dialogs = new ScriptedDialogs;
        window = new MyMainWindow;
        window->hideShowAdvancedTab(true);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        delete window;
        delete dialogs;
    }

    void address_takenAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("state");
        QTest::newRow("255_taken") << "192.168.10.255" << int(QValidator::Acceptable);
        QTest::newRow("256_refused") << "192.168.10.256" << int(QValidator::Invalid);
        QTest::newRow("incomplete_keptAsTyped") << "192.168." << int(QValidator::Intermediate);
    }
    void address_takenAsTyped() {
        QFETCH(QString, typed);
        QFETCH(int, state);
        int position = int(typed.size());
        const QString before = typed;
        QCOMPARE(int(AddressValidator().validate(typed, position)), state);
        QCOMPARE(typed, before); // never mended behind the user's back
    }

    // The boxes offer the fitted modules; a value they do not offer is kept, and said.
    void maneuverDialog_moduleWithoutBoard_keptAndSaid() {
        PanelConfiguration configuration;
        configuration.elements[0].type = Element::RelayBoard;
        DialogAddLogic dialog(window);
        dialog.setBoards(configuration);
        const QString maneuver = "2.1.2.5 | 8.1.7.1 0";
        dialog.loadManeuver(maneuverFromText(maneuver));
        dialog.show();
        QCOMPARE(dialog.findChild<QSpinBox *>("spinBoxLogModule")->maximum(), 1);
        QVERIFY(dialog.findChild<QLabel *>("labelActionKept")->isVisible());
        ManiobraConvencional stored = maneuverFromText(maneuver);
        dialog.storeManeuver(stored);
        QCOMPARE(maneuverText(stored), maneuver);
    }
    // Saved with ".xml" so that Open's filter shows it, and not over a file unasked.
    void saveAs_suffixAdded_data() {
        QTest::addColumn<bool>("existing"); // the name with ".xml" already exists
        QTest::newRow("noSuffix_xmlAdded") << false;
        QTest::newRow("addedNameExists_notReplacedUnasked") << true;
    }
    void saveAs_suffixAdded() {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        QFile other(dir.filePath("office.xml"));
        QVERIFY(!existing || (other.open(QIODevice::WriteOnly) && other.write("other") == 5));
        other.close();
        dialogs->saveName = dir.filePath("office");
        dialogs->answers = {false};
        window->slotSaveAs();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("office.xml"));
        QCOMPARE(dialogs->questions.size(), existing ? 1 : 0);
        QCOMPARE(QFileInfo(other).size() == 5, existing);
    }
};

QTEST_MAIN(tst_WindowTexts)
#include "tst_WindowTexts.moc"
