#include "FakeSerialPortList.h"
#include "ui/SettingsDialog.h"

#include <QtTest>
#include <QtWidgets>

// Which ports the serial settings dialog offers, and which one it returns.
class tst_SettingsDialog : public QObject {
    Q_OBJECT

    static SerialPortDescription other(const QString &name, quint16 vendor, quint16 product) {
        SerialPortDescription port = FakeSerialPortList::ft232(name, QStringLiteral("Other"));
        port.vendorIdentifier = vendor;
        port.productIdentifier = product;
        return port;
    }

private Q_SLOTS:
    void chosenPort_data() {
        QTest::addColumn<bool>("adapters"); // FT232 adapters attached
        QTest::addColumn<QString>("preselected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pickNext"); // the user then picks the next port of the list
        QTest::addColumn<QString>("name");
        QTest::newRow("unlistedPreselected_usedAsPath") << true << "/dev/null"
                                                        << "" << false << "/dev/null";
        QTest::newRow("unlistedPreselectedAdapterPicked_adapterWins") << true << "/dev/null"
                                                                      << "" << true << "ttyUSB1";
        QTest::newRow("typedPath_beatsTheList") << true << ""
                                                << " /dev/pts/7 " << false << "/dev/pts/7";
        QTest::newRow("noAdapterNothingTyped_none") << false << ""
                                                    << "" << false << "";
    }
    void chosenPort() {
        QFETCH(bool, adapters);
        QFETCH(QString, preselected);
        QFETCH(QString, typed);
        QFETCH(bool, pickNext);
        QFETCH(QString, name);
        // A built-in port, an FT232, another maker's adapter, an FTDI of another model, and
        // a second FT232, in that order: only the FT232s are offered unless all are asked for.
        FakeSerialPortList ports;
        ports.ports = {other("ttyS0", 0, 0), FakeSerialPortList::ft232("ttyUSB0", "FT232R"),
                       other("ttyACM0", 0x2341, 0x0043), other("ttyUSB2", 0x0403, 0x6015),
                       FakeSerialPortList::ft232("ttyUSB1")};
        if (!adapters)
            ports.ports = {ports.ports.first()};
        SettingsDialog dialog(nullptr, &ports);
        auto *box = dialog.findChild<QComboBox *>("serialPortInfoListBox");
        QCOMPARE(box->count(), adapters ? 2 : 0);
        dialog.preselect(preselected);
        if (!typed.isEmpty())
            dialog.findChild<QLineEdit *>("portPathEdit")->setText(typed);
        if (pickNext)
            QTest::keyClick(box, Qt::Key_Down);
        auto *all = dialog.findChild<QCheckBox *>("showAllPortsCheckBox");
        all->setChecked(true); // the choice stays through the longer list
        QCOMPARE(box->count(), adapters ? 5 : 1);
        all->setChecked(false);
        dialog.findChild<QPushButton *>("applyButton")->click();
        const SerialSettings s = dialog.selectedSettings();
        QCOMPARE(s.name, name);
        QCOMPARE(s.baudRate, 9600); // the panel speaks nothing else
    }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
