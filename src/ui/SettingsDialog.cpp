#include "ui/SettingsDialog.h"
#include "ui_SettingsDialog.h"

#include "ui/SystemSerialPortList.h"

#include <QIntValidator>
#include <QLineEdit>

namespace {

constexpr int MaximumBaudRate = 4000000;
constexpr int CustomBaudIndex = 4;

QString notAvailable() {
    return QObject::tr("N/A");
}

QString orNotAvailable(const QString &text) {
    return text.isEmpty() ? notAvailable() : text;
}

QString identifier(quint16 id) {
    return id ? QString::number(id, 16) : notAvailable();
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent, const SerialPortList *portList)
    : QDialog(parent)
    , ui(new Ui::SettingsDialog)
    , baudValidator(new QIntValidator(0, MaximumBaudRate, this)) {
    ui->setupUi(this);
    ui->baudRateBox->setInsertPolicy(QComboBox::NoInsert);

    connect(ui->applyButton, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(ui->serialPortInfoListBox, &QComboBox::currentIndexChanged, this,
            &SettingsDialog::showPortInfo);
    connect(ui->baudRateBox, &QComboBox::currentIndexChanged, this,
            &SettingsDialog::checkCustomBaudRatePolicy);
    connect(ui->showAllPortsCheckBox, &QCheckBox::toggled, this, &SettingsDialog::fillPortList);
    // A port picked from the list is the user's latest choice: it beats a path typed or
    // remembered before.
    connect(ui->serialPortInfoListBox, &QComboBox::activated, ui->portPathEdit, &QLineEdit::clear);

    ports = portList ? portList->availablePorts() : SystemSerialPortList().availablePorts();
    fillParameterLists();
    fillPortList();

    // The panel speaks nothing else.
    for (QComboBox *box :
         {ui->flowControlBox, ui->baudRateBox, ui->dataBitsBox, ui->stopBitsBox, ui->parityBox})
        box->setEnabled(false);
    storeSelection();
}

SettingsDialog::~SettingsDialog() {
    delete ui;
}

void SettingsDialog::preselect(const QString &name) {
    if (name.isEmpty())
        return;
    QComboBox *box = ui->serialPortInfoListBox;
    ui->portPathEdit->clear();
    if (!SerialPortList::isPresent(ports, name)) {
        // Still the choice until the user makes another: no port that happens to be there
        // takes its place.
        absentPort = name;
        fillPortList();
        box->setCurrentIndex(box->count() - 1);
    } else if (const int index = box->findText(name); index >= 0) {
        box->setCurrentIndex(index);
    } else {
        ui->portPathEdit->setText(name);
    }
    storeSelection();
}

void SettingsDialog::showPortInfo(int index) {
    if (index < 0) {
        // Nothing listed (any more): no identification of another port may stay.
        ui->descriptionLabel->setText(tr("Description:"));
        ui->manufacturerLabel->setText(tr("Manufacturer:"));
        ui->locationLabel->setText(tr("Location:"));
        ui->vidLabel->setText(tr("Vendor ID:"));
        ui->pidLabel->setText(tr("Product ID:"));
        return;
    }
    const QStringList list = ui->serialPortInfoListBox->itemData(index).toStringList();
    ui->descriptionLabel->setText(tr("Description: %1").arg(list.value(1)));
    ui->manufacturerLabel->setText(tr("Manufacturer: %1").arg(list.value(2)));
    ui->locationLabel->setText(tr("Location: %1").arg(list.value(3)));
    ui->vidLabel->setText(tr("Vendor Identifier: %1").arg(list.value(4)));
    ui->pidLabel->setText(tr("Product Identifier: %1").arg(list.value(5)));
}

void SettingsDialog::apply() {
    storeSelection();
    accept();
}

void SettingsDialog::checkCustomBaudRatePolicy(int index) {
    if (index < 0)
        return;
    const bool custom = !ui->baudRateBox->itemData(index).isValid();
    ui->baudRateBox->setEditable(custom);
    if (custom) {
        ui->baudRateBox->clearEditText();
        ui->baudRateBox->lineEdit()->setValidator(baudValidator);
    }
}

void SettingsDialog::fillParameterLists() {
    ui->baudRateBox->addItem(QStringLiteral("9600"), QSerialPort::Baud9600);
    ui->baudRateBox->addItem(QStringLiteral("19200"), QSerialPort::Baud19200);
    ui->baudRateBox->addItem(QStringLiteral("38400"), QSerialPort::Baud38400);
    ui->baudRateBox->addItem(QStringLiteral("115200"), QSerialPort::Baud115200);
    ui->baudRateBox->addItem(QStringLiteral("Custom"));

    ui->dataBitsBox->addItem(QStringLiteral("5"), QSerialPort::Data5);
    ui->dataBitsBox->addItem(QStringLiteral("6"), QSerialPort::Data6);
    ui->dataBitsBox->addItem(QStringLiteral("7"), QSerialPort::Data7);
    ui->dataBitsBox->addItem(QStringLiteral("8"), QSerialPort::Data8);
    ui->dataBitsBox->setCurrentIndex(3);

    ui->parityBox->addItem(QStringLiteral("None"), QSerialPort::NoParity);
    ui->parityBox->addItem(QStringLiteral("Even"), QSerialPort::EvenParity);
    ui->parityBox->addItem(QStringLiteral("Odd"), QSerialPort::OddParity);
    ui->parityBox->addItem(QStringLiteral("Mark"), QSerialPort::MarkParity);
    ui->parityBox->addItem(QStringLiteral("Space"), QSerialPort::SpaceParity);

    ui->stopBitsBox->addItem(QStringLiteral("1"), QSerialPort::OneStop);
    ui->stopBitsBox->addItem(QStringLiteral("1.5"), QSerialPort::OneAndHalfStop);
    ui->stopBitsBox->addItem(QStringLiteral("2"), QSerialPort::TwoStop);

    ui->flowControlBox->addItem(QStringLiteral("None"), QSerialPort::NoFlowControl);
    ui->flowControlBox->addItem(QStringLiteral("RTS/CTS"), QSerialPort::HardwareControl);
    ui->flowControlBox->addItem(QStringLiteral("XON/XOFF"), QSerialPort::SoftwareControl);
}

void SettingsDialog::fillPortList() {
    QComboBox *box = ui->serialPortInfoListBox;
    const QString previous = box->currentText();
    box->clear();
    const bool all = ui->showAllPortsCheckBox->isChecked();
    for (const SerialPortDescription &port : std::as_const(ports)) {
        if (!all && !port.isFt232())
            continue;
        const QStringList list{port.portName,
                               orNotAvailable(port.description),
                               orNotAvailable(port.manufacturer),
                               port.systemLocation,
                               identifier(port.vendorIdentifier),
                               identifier(port.productIdentifier)};
        box->addItem(port.portName, list);
    }
    if (!absentPort.isEmpty())
        box->addItem(tr("%1 (absent)").arg(absentPort),
                     QStringList{absentPort, tr("Not connected now"), notAvailable(),
                                 notAvailable(), notAvailable(), notAvailable()});
    // Showing more or fewer ports keeps the choice when it is still listed.
    const int kept = box->findText(previous);
    if (kept > 0)
        box->setCurrentIndex(kept);
}

void SettingsDialog::storeSelection() {
    const QString typed = ui->portPathEdit->text().trimmed();
    selection.name =
        typed.isEmpty() ? ui->serialPortInfoListBox->currentData().toStringList().value(0) : typed;

    if (ui->baudRateBox->currentIndex() == CustomBaudIndex)
        selection.baudRate = ui->baudRateBox->currentText().toInt();
    else
        selection.baudRate = ui->baudRateBox->currentData().toInt();
    selection.stringBaudRate = QString::number(selection.baudRate);

    selection.dataBits = QSerialPort::DataBits(ui->dataBitsBox->currentData().toInt());
    selection.stringDataBits = ui->dataBitsBox->currentText();
    selection.parity = QSerialPort::Parity(ui->parityBox->currentData().toInt());
    selection.stringParity = ui->parityBox->currentText();
    selection.stopBits = QSerialPort::StopBits(ui->stopBitsBox->currentData().toInt());
    selection.stringStopBits = ui->stopBitsBox->currentText();
    selection.flowControl = QSerialPort::FlowControl(ui->flowControlBox->currentData().toInt());
    selection.stringFlowControl = ui->flowControlBox->currentText();
    selection.localEchoEnabled = ui->localEchoCheckBox->isChecked();
}
