#include "FakeSerialPortList.h"
#include "ui/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

SerialPortDescription other(const QString &name, quint16 vendor, quint16 product) {
    SerialPortDescription port;
    port.portName = name;
    port.description = QStringLiteral("Other adapter");
    port.manufacturer = QStringLiteral("Someone");
    port.systemLocation = QStringLiteral("/dev/") + name;
    port.vendorIdentifier = vendor;
    port.productIdentifier = product;
    return port;
}

// A built-in port, an FT232, another maker's adapter, an FTDI of another model, and a
// second FT232 without description, in that order.
FakeSerialPortList machinePorts() {
    FakeSerialPortList list;
    list.ports = {
        other(QStringLiteral("ttyS0"), 0, 0),
        FakeSerialPortList::ft232(QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART")),
        other(QStringLiteral("ttyACM0"), 0x2341, 0x0043),
        other(QStringLiteral("ttyUSB2"), 0x0403, 0x6015),
        FakeSerialPortList::ft232(QStringLiteral("ttyUSB1"))};
    return list;
}

QStringList items(QComboBox *box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

class tst_SettingsDialog : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return dialog->findChild<T *>(name); }
    QComboBox *portBox() { return child<QComboBox>("serialPortInfoListBox"); }
    QStringList labels() {
        QStringList out;
        for (const char *name :
             {"descriptionLabel", "manufacturerLabel", "locationLabel", "vidLabel", "pidLabel"})
            out << child<QLabel>(name)->text();
        return out;
    }
    void accept() {
        child<QPushButton>("applyButton")->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    FakeSerialPortList ports;
    SettingsDialog *dialog = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void ft232Adapters_listedInOrderFirstShown();
    void emptyDescription_showsNotAvailable();
    void showAll_listsEveryPortAndKeepsChoice();
    void untouched_yieldsFixedLineParameters();
    void localEchoCleared_changesOnlyEcho();
    void chosenPort_data();
    void chosenPort();
    void escape_rejects();
};

void tst_SettingsDialog::init() {
    ports = machinePorts();
    dialog = new SettingsDialog(nullptr, &ports);
}

void tst_SettingsDialog::cleanup() {
    delete dialog;
}

void tst_SettingsDialog::ft232Adapters_listedInOrderFirstShown() {
    QCOMPARE(items(portBox()), (QStringList{"ttyUSB0", "ttyUSB1"}));
    QCOMPARE(portBox()->currentIndex(), 0);
    QCOMPARE(labels(), (QStringList{"Description: FT232R USB UART", "Manufacturer: FTDI",
                                    "Location: /dev/ttyUSB0", "Vendor Identifier: 403",
                                    "Product Identifier: 6001"}));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Settings"));
}

void tst_SettingsDialog::emptyDescription_showsNotAvailable() {
    portBox()->setCurrentIndex(1);
    QCOMPARE(labels(),
             (QStringList{"Description: N/A", "Manufacturer: N/A", "Location: /dev/ttyUSB1",
                          "Vendor Identifier: 403", "Product Identifier: 6001"}));
}

void tst_SettingsDialog::showAll_listsEveryPortAndKeepsChoice() {
    auto *all = child<QCheckBox>("showAllPortsCheckBox");
    QVERIFY(!all->isChecked());
    portBox()->setCurrentIndex(1); // ttyUSB1
    all->setChecked(true);
    QCOMPARE(items(portBox()), (QStringList{"ttyS0", "ttyUSB0", "ttyACM0", "ttyUSB2", "ttyUSB1"}));
    QCOMPARE(portBox()->currentText(), QStringLiteral("ttyUSB1"));
    portBox()->setCurrentIndex(0);
    QCOMPARE(labels().mid(3), (QStringList{"Vendor Identifier: N/A", "Product Identifier: N/A"}));
    portBox()->setCurrentIndex(2);
    QCOMPARE(labels().mid(3), (QStringList{"Vendor Identifier: 2341", "Product Identifier: 43"}));
    // Back to FT232 only: the built-in port is gone, the first adapter is chosen.
    portBox()->setCurrentIndex(0);
    all->setChecked(false);
    QCOMPARE(items(portBox()), (QStringList{"ttyUSB0", "ttyUSB1"}));
    QCOMPARE(labels().first(), QStringLiteral("Description: FT232R USB UART"));
}

void tst_SettingsDialog::untouched_yieldsFixedLineParameters() {
    for (const char *name :
         {"baudRateBox", "dataBitsBox", "parityBox", "stopBitsBox", "flowControlBox"})
        QVERIFY2(!child<QComboBox>(name)->isEnabled(), name);
    accept();
    const SerialSettings s = dialog->selectedSettings();
    QCOMPARE(s.name, QStringLiteral("ttyUSB0"));
    QCOMPARE(s.baudRate, 9600);
    QCOMPARE(s.stringBaudRate, QStringLiteral("9600"));
    QCOMPARE(s.dataBits, QSerialPort::Data8);
    QCOMPARE(s.stringDataBits, QStringLiteral("8"));
    QCOMPARE(s.parity, QSerialPort::NoParity);
    QCOMPARE(s.stringParity, QStringLiteral("None"));
    QCOMPARE(s.stopBits, QSerialPort::OneStop);
    QCOMPARE(s.stringStopBits, QStringLiteral("1"));
    QCOMPARE(s.flowControl, QSerialPort::NoFlowControl);
    QCOMPARE(s.stringFlowControl, QStringLiteral("None"));
    QVERIFY(s.localEchoEnabled);
}

void tst_SettingsDialog::localEchoCleared_changesOnlyEcho() {
    accept();
    SerialSettings expected = dialog->selectedSettings();
    expected.localEchoEnabled = false;
    child<QCheckBox>("localEchoCheckBox")->setChecked(false);
    accept();
    const SerialSettings s = dialog->selectedSettings();
    QCOMPARE(s.localEchoEnabled, false);
    QCOMPARE(s.name, expected.name);
    QCOMPARE(s.baudRate, expected.baudRate);
    QCOMPARE(s.stringParity, expected.stringParity);
    QCOMPARE(s.dataBits, expected.dataBits);
}

void tst_SettingsDialog::chosenPort_data() {
    QTest::addColumn<bool>("adapters"); // FT232 adapters attached
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pickNext"); // the user then picks the next port of the list
    QTest::addColumn<QString>("name");
    QTest::newRow("second adapter preselected") << true << "ttyUSB1"
                                                << "" << false << "ttyUSB1";
    // A port that is there but not listed; one that is not there is offered marked absent.
    QTest::newRow("unlisted port preselected as path") << true << "/dev/null"
                                                       << "" << false << "/dev/null";
    QTest::newRow("unlisted port preselected, adapter picked") << true << "/dev/null"
                                                               << "" << true << "ttyUSB1";
    QTest::newRow("typed path beats the list") << true << ""
                                               << " /dev/pts/7 " << false << "/dev/pts/7";
    QTest::newRow("blank path ignored") << true << ""
                                        << "   " << false << "ttyUSB0";
    QTest::newRow("no adapter, nothing typed") << false << ""
                                               << "" << false << "";
    QTest::newRow("no adapter, path typed") << false << ""
                                            << "/tmp/mrb500" << false << "/tmp/mrb500";
}

void tst_SettingsDialog::chosenPort() {
    QFETCH(bool, adapters);
    QFETCH(QString, preselected);
    QFETCH(QString, typed);
    QFETCH(bool, pickNext);
    QFETCH(QString, name);
    if (!adapters) {
        delete dialog;
        ports.ports = {ports.ports.first()};
        dialog = new SettingsDialog(nullptr, &ports);
        QCOMPARE(portBox()->count(), 0);
        QCOMPARE(labels().first(), QStringLiteral("Description:"));
    }
    dialog->preselect(preselected);
    if (!typed.isEmpty())
        child<QLineEdit>("portPathEdit")->setText(typed);
    if (pickNext)
        QTest::keyClick(portBox(), Qt::Key_Down);
    accept();
    QCOMPARE(dialog->selectedSettings().name, name);
}

void tst_SettingsDialog::escape_rejects() {
    dialog->show();
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
