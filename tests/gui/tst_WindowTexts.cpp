#include "ScriptedDialogs.h"
#include "ui/AddressValidator.h"
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
};

QTEST_MAIN(tst_WindowTexts)
#include "tst_WindowTexts.moc"
