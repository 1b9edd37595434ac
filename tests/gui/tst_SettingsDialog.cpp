#include "FakeSerialPortList.h"
#include "ui/SettingsDialog.h"

#include <QtTest>
#include <QtWidgets>

namespace {

SerialPortDescription other(const QString &name, quint16 vendor, quint16 product) {
    SerialPortDescription port = FakeSerialPortList::ft232(name, QStringLiteral("Other"));
    port.vendorIdentifier = vendor;
    port.productIdentifier = product;
    return port;
}

} // namespace

class tst_SettingsDialog : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return dialog->findChild<T *>(name); }
    QComboBox *portBox() { return child<QComboBox>("serialPortInfoListBox"); }
    QStringList shown() { // the items, then the labels
        QStringList out;
        for (int i = 0; i < portBox()->count(); ++i)
            out << portBox()->itemText(i);
        for (const char *name :
             {"descriptionLabel", "manufacturerLabel", "locationLabel", "vidLabel", "pidLabel"})
            out << child<QLabel>(name)->text();
        return out;
    }

    FakeSerialPortList ports;
    SettingsDialog *dialog = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void ports_ft232OnlyUnlessAllShown();
    void chosenPort_data();
    void chosenPort();
};

void tst_SettingsDialog::init() {
    // A built-in port, an FT232, another maker's adapter, an FTDI of another model, and a
    // second FT232 without description, in that order.
    ports.ports = {other("ttyS0", 0, 0),
                   FakeSerialPortList::ft232("ttyUSB0", QStringLiteral("FT232R USB UART")),
                   other("ttyACM0", 0x2341, 0x0043), other("ttyUSB2", 0x0403, 0x6015),
                   FakeSerialPortList::ft232("ttyUSB1")};
    dialog = new SettingsDialog(nullptr, &ports);
}

void tst_SettingsDialog::cleanup() {
    delete dialog;
}

void tst_SettingsDialog::ports_ft232OnlyUnlessAllShown() {
    QCOMPARE(shown(), (QStringList{"ttyUSB0", "ttyUSB1", "Description: FT232R USB UART",
                                   "Manufacturer: FTDI", "Location: /dev/ttyUSB0",
                                   "Vendor Identifier: 403", "Product Identifier: 6001"}));
    portBox()->setCurrentIndex(1);
    QCOMPARE(shown().mid(2, 2), (QStringList{"Description: N/A", "Manufacturer: N/A"}));
    child<QCheckBox>("showAllPortsCheckBox")->setChecked(true);
    QCOMPARE(shown().mid(0, 5), (QStringList{"ttyS0", "ttyUSB0", "ttyACM0", "ttyUSB2", "ttyUSB1"}));
    QCOMPARE(portBox()->currentText(), QStringLiteral("ttyUSB1")); // the choice stays
    portBox()->setCurrentIndex(0);
    QCOMPARE(shown().mid(8), (QStringList{"Vendor Identifier: N/A", "Product Identifier: N/A"}));
}

void tst_SettingsDialog::chosenPort_data() {
    QTest::addColumn<bool>("adapters"); // FT232 adapters attached
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pickNext"); // the user then picks the next port of the list
    QTest::addColumn<QString>("name");
    const auto row = [](const char *name, bool adapters, const char *preselected, const char *typed,
                        bool pickNext, const char *chosen) {
        QTest::newRow(name) << adapters << QString(preselected) << QString(typed) << pickNext
                            << QString(chosen);
    };
    row("unlisted port preselected as path", true, "/dev/null", "", false, "/dev/null");
    row("unlisted port preselected, adapter picked", true, "/dev/null", "", true, "ttyUSB1");
    row("typed path beats the list", true, "", " /dev/pts/7 ", false, "/dev/pts/7");
    row("blank path ignored", true, "", "   ", false, "ttyUSB0");
    row("no adapter, nothing typed", false, "", "", false, "");
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
        QCOMPARE(shown(), (QStringList{"Description:", "Manufacturer:", "Location:", "Vendor ID:",
                                       "Product ID:"}));
    }
    dialog->preselect(preselected);
    if (!typed.isEmpty())
        child<QLineEdit>("portPathEdit")->setText(typed);
    if (pickNext)
        QTest::keyClick(portBox(), Qt::Key_Down);
    child<QPushButton>("applyButton")->click();
    const SerialSettings s = dialog->selectedSettings();
    QCOMPARE(s.name, name);
    // The panel speaks nothing else.
    QCOMPARE((QList<int>{s.baudRate, s.dataBits, s.parity, s.stopBits, s.flowControl}),
             (QList<int>{9600, QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop,
                         QSerialPort::NoFlowControl}));
    QVERIFY(!child<QComboBox>("baudRateBox")->isEnabled());
}

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
