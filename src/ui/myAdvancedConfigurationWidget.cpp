#include "myAdvancedConfigurationWidget.h"
#include "ui_myAdvancedConfigurationWidget.h"

#include "PanelCore.h"

#include <QDebug>
#include <QRegularExpressionValidator>

namespace {

constexpr quint8 Sounder1Bit = 0x01;
constexpr quint8 Sounder2Bit = 0x02;
constexpr quint16 AlarmsBit = 0x01;
constexpr quint16 FaultsBit = 0x02;

// Fields a DHCP-less panel needs, with the values offered when DHCP is switched off.
const char *const DefaultIp = "192.168.1.2";
const char *const DefaultGateway = "192.168.1.1";
const char *const DefaultNetmask = "255.255.255.0";

quint8 soundersMask(bool option, bool sounder1, bool sounder2) {
    if (!option)
        return 0;
    return quint8((sounder1 ? Sounder1Bit : 0) | (sounder2 ? Sounder2Bit : 0));
}

} // namespace

myAdvancedConfigurationWidget::myAdvancedConfigurationWidget(PanelCore *core, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::myAdvancedConfigurationWidget)
    , core(core) {
    ui->setupUi(this);
    for (QWidget *w :
         {static_cast<QWidget *>(ui->spinBoxDelayConfirmation), static_cast<QWidget *>(ui->label_2),
          static_cast<QWidget *>(ui->label_seg), static_cast<QWidget *>(ui->radioButton_sounder1),
          static_cast<QWidget *>(ui->radioButton_sounder2),
          static_cast<QWidget *>(ui->radioButton_sounder1MCP),
          static_cast<QWidget *>(ui->radioButton_sounder2MCP)})
        w->hide();

    // The panel keeps each text in 32 Latin-1 bytes; a port is 1 to 65535.
    auto *latin1 = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{0}-\\x{ff}]*")), this);
    for (QLineEdit *edit : {ui->txtWS_user, ui->txtWS_password, ui->txtSMTP_svr, ui->txtSMTP_user,
                            ui->txtSMTP_password, ui->txtSMTP_sourceMail, ui->txtSMTP_sourceDomain,
                            ui->txtSMTP_clientMail, ui->txtSMTP_clientDomain, ui->txtSMTP_instalId})
        edit->setValidator(latin1);
    // An address part above 255 would reach the panel as its low 8 bits: refuse it as typed.
    // The mask pads unused positions with blanks.
    const QString part = QStringLiteral(" *(25[0-5]|2[0-4]\\d|1\\d\\d|[1-9]?\\d)? *");
    auto *address = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("(%1\\.){3}%1").arg(part)), this);
    for (QLineEdit *field : addressFields())
        field->setValidator(address);
    ui->txtSMTP_port->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(
            "([1-9]\\d{0,3}|[1-5]\\d{4}|6[0-4]\\d{3}|65[0-4]\\d{2}|655[0-2]\\d|6553[0-5])?")),
        this));

    connect(ui->radioButtonConfirmation, &QAbstractButton::clicked, this,
            &myAdvancedConfigurationWidget::confirmationSetted);
    connect(ui->radioButtonCancelDelayMCP, &QAbstractButton::clicked, this,
            &myAdvancedConfigurationWidget::cancelDelayMcp);
    connect(ui->radioButtonCancelDelay, &QAbstractButton::clicked, this,
            &myAdvancedConfigurationWidget::cancelDelay);
    connect(ui->chkbWS_dhcp, &QAbstractButton::clicked, this,
            &myAdvancedConfigurationWidget::checkBoxDHCPWebServerChangeSlot);
    connect(ui->chkbWS_Login, &QAbstractButton::clicked, this,
            &myAdvancedConfigurationWidget::checkBoxLoginWebServerChangeSlot);
    connect(ui->cbSMTP_enable, &QAbstractButton::toggled, this,
            &myAdvancedConfigurationWidget::checkBoxSMTPChangeSlot);

    // After the handlers above, so that a change is announced once its controls settled.
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textEdited, this, &myAdvancedConfigurationWidget::edited);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, this, &myAdvancedConfigurationWidget::edited);
    for (QComboBox *box : findChildren<QComboBox *>())
        connect(box, &QComboBox::activated, this, &myAdvancedConfigurationWidget::edited);
    for (QSpinBox *box : findChildren<QSpinBox *>())
        connect(box, &QSpinBox::valueChanged, this, &myAdvancedConfigurationWidget::edited);
}

myAdvancedConfigurationWidget::~myAdvancedConfigurationWidget() {
    delete ui;
}

QList<QWidget *> myAdvancedConfigurationWidget::smtpControls() const {
    return {ui->txtSMTP_svr,          ui->txtSMTP_port,       ui->cbSMTP_autentication,
            ui->txtSMTP_user,         ui->txtSMTP_password,   ui->txtSMTP_sourceMail,
            ui->txtSMTP_sourceDomain, ui->txtSMTP_clientMail, ui->txtSMTP_clientDomain,
            ui->chkbSMTP_alarms,      ui->chkbSMTP_faults,    ui->txtSMTP_instalId};
}

QList<QLineEdit *> myAdvancedConfigurationWidget::addressFields() const {
    return {ui->txtWS_ip, ui->txtWS_gateway, ui->txtWS_netmask};
}

void myAdvancedConfigurationWidget::confirmationSetted() {
    const bool on = ui->radioButtonConfirmation->isChecked();
    ui->spinBoxDelayConfirmation->setVisible(on);
    ui->label_2->setVisible(on);
    ui->label_seg->setVisible(on);
}

void myAdvancedConfigurationWidget::cancelDelay() {
    const bool on = ui->radioButtonCancelDelay->isChecked();
    ui->radioButton_sounder1->setVisible(on);
    ui->radioButton_sounder2->setVisible(on);
}

void myAdvancedConfigurationWidget::cancelDelayMcp() {
    const bool on = ui->radioButtonCancelDelayMCP->isChecked();
    ui->radioButton_sounder1MCP->setVisible(on);
    ui->radioButton_sounder2MCP->setVisible(on);
}

void myAdvancedConfigurationWidget::checkBoxLoginWebServerChangeSlot() {
    const bool on = ui->chkbWS_Login->isChecked();
    ui->txtWS_user->setEnabled(on);
    ui->txtWS_password->setEnabled(on);
}

void myAdvancedConfigurationWidget::checkBoxSMTPChangeSlot(bool) {
    const bool on = ui->cbSMTP_enable->isChecked();
    for (QWidget *w : smtpControls())
        w->setEnabled(on);
}

void myAdvancedConfigurationWidget::checkBoxDHCPWebServerChangeSlot() {
    const bool dhcp = ui->chkbWS_dhcp->isChecked();
    if (dhcp) {
        for (QLineEdit *field : addressFields())
            field->clear();
    } else {
        const char *const defaults[] = {DefaultIp, DefaultGateway, DefaultNetmask};
        const QList<QLineEdit *> fields = addressFields();
        for (int i = 0; i < fields.size(); ++i) {
            if (ipFromText(fields[i]->text()) == 0)
                fields[i]->setText(QString::fromLatin1(defaults[i]));
        }
    }
    for (QLineEdit *field : addressFields())
        field->setEnabled(!dhcp);
}

quint32 myAdvancedConfigurationWidget::ipFromText(const QString &text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return 0;
    quint32 address = 0;
    for (const QString &part : parts)
        address = (address << 8) | (quint32(part.trimmed().toInt()) & 0xff);
    return address;
}

QString myAdvancedConfigurationWidget::ipToText(quint32 address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xff)
        .arg((address >> 8) & 0xff)
        .arg(address & 0xff);
}

void myAdvancedConfigurationWidget::writeGeneralConfiguration() {
    core->setDefaults();

    GeneralConfig &g = core->generalConfig;
    const bool confirmation = ui->radioButtonConfirmation->isChecked();
    g.confirmation_general_mode = confirmation ? 1 : 0;
    g.delay_confirmation =
        confirmation ? quint16(ui->spinBoxDelayConfirmation->value() * SecondsToDelayUnits) : 0;
    g.cancel_delay =
        soundersMask(ui->radioButtonCancelDelay->isChecked(), ui->radioButton_sounder1->isChecked(),
                     ui->radioButton_sounder2->isChecked());
    g.cancel_MCP_delay = soundersMask(ui->radioButtonCancelDelayMCP->isChecked(),
                                      ui->radioButton_sounder1MCP->isChecked(),
                                      ui->radioButton_sounder2MCP->isChecked());
    g.short_general_mode = ui->radioButtonShortAsAlarm->isChecked() ? 1 : 0;

    WebServerConfig &web = core->webServer;
    const bool dhcp = ui->chkbWS_dhcp->isChecked();
    web.DHCP = dhcp ? 1 : 0;
    web.IP = dhcp ? 0 : ipFromText(ui->txtWS_ip->text());
    web.Gateway = dhcp ? 0 : ipFromText(ui->txtWS_gateway->text());
    web.Netmask = dhcp ? 0 : ipFromText(ui->txtWS_netmask->text());
    web.Language = quint8(qMax(0, ui->cbWS_Language->currentIndex()));
    const bool login = ui->chkbWS_Login->isChecked();
    web.Login = login ? 1 : 0;
    web.User = login ? ui->txtWS_user->text() : QString();
    web.Pass = login ? ui->txtWS_password->text() : QString();

    SmtpConfig &smtp = core->smtp;
    smtp.Enable = ui->cbSMTP_enable->isChecked() ? 1 : 0;
    smtp.Host = ui->txtSMTP_svr->text();
    smtp.Port = quint16(ui->txtSMTP_port->text().toUShort());
    smtp.Auth = quint8(qMax(0, ui->cbSMTP_autentication->currentIndex()));
    smtp.User = ui->txtSMTP_user->text();
    smtp.Password = ui->txtSMTP_password->text();
    smtp.SourceMail = ui->txtSMTP_sourceMail->text();
    smtp.SourceDomain = ui->txtSMTP_sourceDomain->text();
    smtp.DestMail = ui->txtSMTP_clientMail->text();
    smtp.DestDomain = ui->txtSMTP_clientDomain->text();
    qDebug() << "Client domain:" << smtp.DestDomain;
    smtp.InstallId = ui->txtSMTP_instalId->text();
    smtp.Mask = quint16((ui->chkbSMTP_alarms->isChecked() ? AlarmsBit : 0) |
                        (ui->chkbSMTP_faults->isChecked() ? FaultsBit : 0));
}

void myAdvancedConfigurationWidget::readGeneralConfiguration() {
    qDebug() << "Update Config Panel";
    const GeneralConfig &g = core->generalConfig;

    const bool confirmation = g.confirmation_general_mode == 1;
    ui->radioButtonConfirmation->setChecked(confirmation);
    if (confirmation)
        ui->spinBoxDelayConfirmation->setValue(g.delay_confirmation / SecondsToDelayUnits);
    confirmationSetted();

    qDebug() << "Cancel Delay Value: " << g.cancel_delay;
    ui->radioButtonCancelDelay->setChecked(g.cancel_delay != 0);
    ui->radioButton_sounder1->setChecked(g.cancel_delay & Sounder1Bit);
    ui->radioButton_sounder2->setChecked(g.cancel_delay & Sounder2Bit);
    cancelDelay();

    ui->radioButtonShortAsAlarm->setChecked(g.short_general_mode == 1);

    qDebug() << "Cancel MCP Delay Value: " << g.cancel_MCP_delay;
    ui->radioButtonCancelDelayMCP->setChecked(g.cancel_MCP_delay != 0);
    ui->radioButton_sounder1MCP->setChecked(g.cancel_MCP_delay & Sounder1Bit);
    ui->radioButton_sounder2MCP->setChecked(g.cancel_MCP_delay & Sounder2Bit);
    cancelDelayMcp();

    updateWebserverConfiguration();
    updateSMTPConfiguration();
}

void myAdvancedConfigurationWidget::updateWebserverConfiguration() {
    const WebServerConfig &web = core->webServer;
    {
        const QSignalBlocker blocker(ui->chkbWS_dhcp);
        ui->chkbWS_dhcp->setChecked(web.DHCP != 0);
        for (QLineEdit *field : addressFields())
            field->setEnabled(web.DHCP == 0);
        if (web.DHCP == 0) {
            ui->txtWS_ip->setText(ipToText(web.IP));
            ui->txtWS_gateway->setText(ipToText(web.Gateway));
            ui->txtWS_netmask->setText(ipToText(web.Netmask));
        } else {
            // Addresses are not used with DHCP; stale ones would only mislead.
            for (QLineEdit *field : addressFields())
                field->clear();
        }
    }
    ui->cbWS_Language->setCurrentIndex(web.Language);
    {
        const QSignalBlocker blocker(ui->chkbWS_Login);
        ui->chkbWS_Login->setChecked(web.Login != 0);
        ui->txtWS_user->setEnabled(web.Login != 0);
        ui->txtWS_password->setEnabled(web.Login != 0);
        ui->txtWS_user->setText(web.User);
        ui->txtWS_password->setText(web.Pass);
    }
}

void myAdvancedConfigurationWidget::updateSMTPConfiguration() {
    const SmtpConfig &smtp = core->smtp;
    ui->cbSMTP_enable->setChecked(smtp.Enable != 0);
    checkBoxSMTPChangeSlot(smtp.Enable != 0);
    ui->txtSMTP_svr->setText(smtp.Host);
    // 0 is "no port"; the field accepts 1 to 65535 only.
    ui->txtSMTP_port->setText(smtp.Port != 0 ? QString::number(smtp.Port) : QString());
    ui->cbSMTP_autentication->setCurrentIndex(smtp.Auth);
    ui->txtSMTP_user->setText(smtp.User);
    ui->txtSMTP_password->setText(smtp.Password);
    ui->txtSMTP_sourceMail->setText(smtp.SourceMail);
    ui->txtSMTP_sourceDomain->setText(smtp.SourceDomain);
    ui->txtSMTP_clientMail->setText(smtp.DestMail);
    ui->txtSMTP_clientDomain->setText(smtp.DestDomain);
    ui->txtSMTP_instalId->setText(smtp.InstallId);
    ui->chkbSMTP_alarms->setChecked(smtp.Mask & AlarmsBit);
    ui->chkbSMTP_faults->setChecked(smtp.Mask & FaultsBit);
}

void myAdvancedConfigurationWidget::retranslate() {
    // The form's values are not translatable properties, so they survive this.
    ui->retranslateUi(this);
}
