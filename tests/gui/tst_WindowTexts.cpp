#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "model/PanelConfiguration.h"
#include "ui/AddressValidator.h"
#include "ui/DialogAddLogic.h"
#include "ui/DifferencesDialog.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

// What the window shows and writes reads as a person expects: addresses, file names,
// the dialogs' texts and columns.
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
        QTest::newRow("fourDigits_refused") << "1.2.3.0255" << int(QValidator::Invalid);
        QTest::newRow("fifthPart_refused") << "1.2.3.4." << int(QValidator::Invalid);
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

    // The key that would make 256 is not taken, and the field says why.
    void addressField_keyAbove255_refusedBeside() {
        child<QTabWidget>("tabWidget")->setCurrentIndex(2);
        auto *dhcp = child<QAbstractButton>("chkbWS_dhcp");
        if (dhcp->isChecked())
            dhcp->click();
        auto *ip = child<QLineEdit>("txtWS_ip");
        ip->setFocus();
        ip->selectAll();
        QTest::keyClicks(ip, "10.0.0.25");
        QTest::keyClick(ip, Qt::Key_6);
        QCOMPARE(ip->text(), QStringLiteral("10.0.0.25"));
        auto *beside = child<QLabel>("lblWS_ipProblem");
        QVERIFY(beside->isVisible());
        QVERIFY2(beside->text().contains("0 to 255"), qPrintable(beside->text()));
    }
    // Every value in view without a horizontal scroll bar: short ones whole in their
    // column, one wider than the screen wrapped; the intro scrolls rather than growing.
    void differences_columnsCoverContent_data() {
        QTest::addColumn<int>("valueLength");
        QTest::addColumn<bool>("whole");
        QTest::newRow("short_wholeInColumns") << 20 << true;
        QTest::newRow("widerThanScreen_wrapped") << 400 << false;
    }
    void differences_columnsCoverContent() {
        QFETCH(int, valueLength);
        QFETCH(bool, whole);
        ConfigurationDifference changed;
        changed.area = ConfigurationField::Area::Email;
        changed.item = "Host";
        changed.before = QString(valueLength, 'b');
        changed.after = QString(valueLength, 'a');
        const QString longIntro = QStringList(80, "A warning of the check.").join('\n');
        DifferencesDialog dialog(window, "Review", longIntro, {changed, changed}, true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *table = dialog.findChild<QTableWidget *>("differencesTable");
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        QVERIFY(dialog.height() <= dialog.screen()->availableGeometry().height());
        QVERIFY(dialog.findChild<QLabel *>("differencesNote")->text().contains("zone names"));
        QList<int> widths;
        for (int column = 0; column < table->columnCount(); ++column)
            widths << table->columnWidth(column);
        table->resizeColumnsToContents();
        for (int column = 0; whole && column < table->columnCount(); ++column)
            QVERIFY2(widths[column] >= table->columnWidth(column),
                     qPrintable(QString::number(column)));
    }
    // Each line shows its zone; the boxes offer the fitted modules and outputs 1 to 4, and
    // a value from a file they do not offer is kept byte for byte, and said.
    void maneuverDialog_zonesAndExistingOutputs_data() {
        QTest::addColumn<QString>("maneuver");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QString>("shown"); // zones, then the module and output ranges
        QTest::addColumn<bool>("keptNote");
        QTest::newRow("threeZones_eachLineItsZone")
            << "2.2.2.5 2.5.2.5 2.7.2.1 | 6.1.7.1 0" << 3 << "2 5 7 | 1-3 1-4" << false;
        QTest::newRow("twoBoards_modules1to2")
            << "2.0.2.7 | 7.4.7.2 8" << 2 << "| 1-2 1-4" << false;
        QTest::newRow("output0FromFile_keptAndSaid")
            << "2.1.2.5 | 6.0.7.1 0" << 1 << "1 | 1-1 0-4" << true;
        QTest::newRow("module3WithoutBoard_keptAndSaid")
            << "2.1.2.5 | 8.1.7.1 0" << 1 << "1 | 0-1 1-4" << true;
    }
    void maneuverDialog_zonesAndExistingOutputs() {
        QFETCH(QString, maneuver);
        QFETCH(int, boards);
        QFETCH(QString, shown);
        QFETCH(bool, keptNote);
        PanelConfiguration configuration;
        for (int slot = 0; slot < boards; ++slot)
            configuration.elements[slot].type = Element::RelayBoard;
        DialogAddLogic dialog(window);
        dialog.setBoards(configuration);
        dialog.loadManeuver(maneuverFromText(maneuver));
        dialog.show();
        QStringList parts;
        for (auto *zone : dialog.findChildren<QSpinBox *>("spinBoxZone")) {
            if (zone->isVisible())
                parts << zone->text();
        }
        parts << "|";
        for (const char *name : {"spinBoxLogModule", "spinBoxLogOutput"}) {
            auto *box = dialog.findChild<QSpinBox *>(name);
            parts << QString::number(box->minimum()) + '-' + QString::number(box->maximum());
        }
        QCOMPARE(parts.join(' '), shown);
        QCOMPARE(dialog.findChild<QLabel *>("labelActionKept")->isVisible(), keptNote);
        ManiobraConvencional stored = maneuverFromText(maneuver);
        dialog.storeManeuver(stored);
        QCOMPARE(maneuverText(stored), maneuver);
    }
    // A name typed without ".xml" is saved with it, so that Open's filter shows it; a file
    // the added suffix would replace is replaced only when the user says so.
    void saveAs_suffixAdded_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("existing"); // the name with ".xml" already exists
        QTest::addColumn<QString>("saved");
        QTest::newRow("noSuffix_xmlAdded") << "office" << false << "office.xml";
        QTest::newRow("xmlSuffix_asTyped") << "office.XML" << false << "office.XML";
        QTest::newRow("addedNameExists_notReplacedUnasked") << "office" << true << "";
    }
    void saveAs_suffixAdded() {
        QFETCH(QString, typed);
        QFETCH(bool, existing);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        QFile other(dir.filePath("office.xml"));
        QVERIFY(!existing || (other.open(QIODevice::WriteOnly) && other.write("other") == 5));
        other.close();
        dialogs->saveName = dir.filePath(typed);
        dialogs->answers = {false};
        window->slotSaveAs();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList(existing ? "office.xml" : saved));
        QCOMPARE(dialogs->questions.size(), existing ? 1 : 0);
        QCOMPARE(QFileInfo(other).size(), existing ? 5 : QFileInfo(other).size());
    }
};

QTEST_MAIN(tst_WindowTexts)
#include "tst_WindowTexts.moc"
