#include "ui/myAdvancedConfigurationWidget.h"
#include "ui_myAdvancedConfigurationWidget.h"

#include "images/ConfigurationCheck.h"
#include "link/PanelCore.h"
#include "model/ConfigurationFields.h"
#include "model/FieldTable.h"
#include "model/InternalDiagnostics.h"
#include "ui/UserDialogs.h"

#include <type_traits>

namespace {

using Kind = FieldDescriptor::Kind;
using Area = ConfigurationField::Area;

constexpr int DelayUnits = GeneralConfig::DelayUnitsPerSecond;
constexpr quint8 Sounder1Bit = GeneralConfig::Sounder1Bit;
constexpr quint8 Sounder2Bit = GeneralConfig::Sounder2Bit;
constexpr quint16 AlarmsBit = SmtpConfig::AlarmsBit;
constexpr quint16 FaultsBit = SmtpConfig::FaultsBit;
constexpr int ShownBits = 0x03; // of each mask: two check boxes

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
    // In the page's order; a mailbox and its domain share the label that says why.
    // clang-format off
    fields = std::make_unique<FieldControls>(this, std::initializer_list<FieldControls::Mapping>{
        {"WebServer", "IP", "txtWS_ip", "lblWS_ipProblem", "chkbWS_dhcp", false},
        {"WebServer", "Netmask", "txtWS_netmask", "lblWS_netmaskProblem", "chkbWS_dhcp", false},
        {"WebServer", "Gateway", "txtWS_gateway", "lblWS_gatewayProblem", "chkbWS_dhcp", false},
        {"WebServer", "User", "txtWS_user", "lblWS_userProblem", "chkbWS_Login"},
        {"WebServer", "Pass", "txtWS_password", "lblWS_passwordProblem", "chkbWS_Login"},
        {"WebServer", "Language", "cbWS_Language"},
        {"SMTP", "Host", "txtSMTP_svr", "lblSMTP_svrProblem"},
        {"SMTP", "Port", "txtSMTP_port", "lblSMTP_portProblem"},
        {"SMTP", "Auth", "cbSMTP_autentication"},
        {"SMTP", "User", "txtSMTP_user", "lblSMTP_userProblem"},
        {"SMTP", "Password", "txtSMTP_password", "lblSMTP_passwordProblem"},
        {"SMTP", "SourceMail", "txtSMTP_sourceMail", "lblSMTP_sourceMailProblem"},
        {"SMTP", "SourceDomain", "txtSMTP_sourceDomain", "lblSMTP_sourceMailProblem"},
        {"SMTP", "DestMail", "txtSMTP_clientMail", "lblSMTP_clientMailProblem"},
        {"SMTP", "DestDomain", "txtSMTP_clientDomain", "lblSMTP_clientMailProblem"},
        {"SMTP", "InstallId", "txtSMTP_instalId", "lblSMTP_instalIdProblem"},
    });
    // clang-format on
    for (QWidget *w :
         {static_cast<QWidget *>(ui->spinBoxDelayConfirmation), static_cast<QWidget *>(ui->label_2),
          static_cast<QWidget *>(ui->label_seg), static_cast<QWidget *>(ui->radioButton_sounder1),
          static_cast<QWidget *>(ui->radioButton_sounder2),
          static_cast<QWidget *>(ui->radioButton_sounder1MCP),
          static_cast<QWidget *>(ui->radioButton_sounder2MCP)})
        w->hide();

    // Whatever is typed stays as typed; what cannot be stored is refused beside the field.
    for (QLineEdit *edit : fields->lineEdits())
        connect(edit, &QLineEdit::textChanged, this,
                &myAdvancedConfigurationWidget::showInputProblems);
    for (QAbstractButton *option : {ui->chkbWS_dhcp, ui->chkbWS_Login})
        connect(option, &QAbstractButton::toggled, this,
                &myAdvancedConfigurationWidget::showInputProblems);
    showInputProblems();

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

QList<QLineEdit *> myAdvancedConfigurationWidget::addressFields() const {
    return {ui->txtWS_ip, ui->txtWS_gateway, ui->txtWS_netmask};
}

void myAdvancedConfigurationWidget::showInputProblems() {
    fields->showProblems();
}

QStringList myAdvancedConfigurationWidget::inputProblems() const {
    QStringList problems;
    for (const auto &[area, section] :
         {std::pair(Area::WebServer, ui->lblWebServer), std::pair(Area::Email, ui->lblSMTP)}) {
        for (const QString &problem : fields->problems(area))
            problems << tr("%1: %2").arg(section->text(), problem);
    }
    return problems;
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
    for (QWidget *w :
         fields->controls(Area::Email) + QList<QWidget *>{ui->chkbSMTP_alarms, ui->chkbSMTP_faults})
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
    return FieldControls::addressFromText(text);
}

QString myAdvancedConfigurationWidget::ipToText(quint32 address) {
    return ConfigurationFields::ipv4(address);
}

void myAdvancedConfigurationWidget::writeGeneralConfiguration() {
    // A setting whose controls still show what was read keeps the model's value exactly,
    // also one they cannot show (a delay under 50 s, a language the list lacks); a field
    // holding what cannot be stored keeps it until corrected. Every general option is set
    // or kept below, so the model's defaults are not applied first: they would lose those.
    auto store = [this](auto &field, auto value, std::initializer_list<const QWidget *> controls) {
        if (shown.changed(controls))
            field = std::remove_reference_t<decltype(field)>(value);
    };

    GeneralConfig &g = core->generalConfig;
    const bool confirmation = ui->radioButtonConfirmation->isChecked();
    store(g.confirmation_general_mode, confirmation ? 1 : 0, {ui->radioButtonConfirmation});
    store(g.delay_confirmation,
          confirmation ? ui->spinBoxDelayConfirmation->value() * DelayUnits : 0,
          {ui->radioButtonConfirmation, ui->spinBoxDelayConfirmation});
    store(g.cancel_delay,
          soundersMask(ui->radioButtonCancelDelay->isChecked(),
                       ui->radioButton_sounder1->isChecked(),
                       ui->radioButton_sounder2->isChecked()),
          {ui->radioButtonCancelDelay, ui->radioButton_sounder1, ui->radioButton_sounder2});
    store(
        g.cancel_MCP_delay,
        soundersMask(ui->radioButtonCancelDelayMCP->isChecked(),
                     ui->radioButton_sounder1MCP->isChecked(),
                     ui->radioButton_sounder2MCP->isChecked()),
        {ui->radioButtonCancelDelayMCP, ui->radioButton_sounder1MCP, ui->radioButton_sounder2MCP});
    store(g.short_general_mode, ui->radioButtonShortAsAlarm->isChecked() ? 1 : 0,
          {ui->radioButtonShortAsAlarm});

    store(core->webServer.DHCP, ui->chkbWS_dhcp->isChecked() ? 1 : 0, {ui->chkbWS_dhcp});
    store(core->webServer.Login, ui->chkbWS_Login->isChecked() ? 1 : 0, {ui->chkbWS_Login});
    store(core->smtp.Enable, ui->cbSMTP_enable->isChecked() ? 1 : 0, {ui->cbSMTP_enable});
    fields->store(*core, shown);
    qCDebug(internalDiagnostics) << "Client domain:" << core->smtp.DestDomain;
    store(core->smtp.Mask,
          (ui->chkbSMTP_alarms->isChecked() ? AlarmsBit : 0) |
              (ui->chkbSMTP_faults->isChecked() ? FaultsBit : 0),
          {ui->chkbSMTP_alarms, ui->chkbSMTP_faults});
    shown.remember(this);
}

void myAdvancedConfigurationWidget::readGeneralConfiguration() {
    showGeneralConfiguration();
    reportUnshownValues();
}

void myAdvancedConfigurationWidget::showGeneralConfiguration() {
    qCDebug(internalDiagnostics) << "Update Config Panel";
    const GeneralConfig &g = core->generalConfig;

    const bool confirmation = g.confirmation_general_mode == 1;
    ui->radioButtonConfirmation->setChecked(confirmation);
    if (confirmation)
        ui->spinBoxDelayConfirmation->setValue(g.delay_confirmation / DelayUnits);
    confirmationSetted();

    qCDebug(internalDiagnostics) << "Cancel Delay Value: " << g.cancel_delay;
    ui->radioButtonCancelDelay->setChecked(g.cancel_delay != 0);
    ui->radioButton_sounder1->setChecked(g.cancel_delay & Sounder1Bit);
    ui->radioButton_sounder2->setChecked(g.cancel_delay & Sounder2Bit);
    cancelDelay();

    ui->radioButtonShortAsAlarm->setChecked(g.short_general_mode == 1);

    qCDebug(internalDiagnostics) << "Cancel MCP Delay Value: " << g.cancel_MCP_delay;
    ui->radioButtonCancelDelayMCP->setChecked(g.cancel_MCP_delay != 0);
    ui->radioButton_sounder1MCP->setChecked(g.cancel_MCP_delay & Sounder1Bit);
    ui->radioButton_sounder2MCP->setChecked(g.cancel_MCP_delay & Sounder2Bit);
    cancelDelayMcp();

    updateWebserverConfiguration();
    updateSMTPConfiguration();
    showInputProblems();
    shown.remember(this);
}

bool myAdvancedConfigurationWidget::canShow(const FieldDescriptor &field) const {
    const qint64 value = field.number(*core);
    if (const std::optional<bool> inControl = fields->canShow(field, value))
        return *inControl;
    if (&field == FieldTable::find(u"GeneralConfig", u"delay_confirmation"))
        return core->generalConfig.confirmation_general_mode != 1 ||
               ui->spinBoxDelayConfirmation->value() * DelayUnits == value;
    if (field.kind == Kind::BitMask)
        return (value & ~ShownBits) == 0;
    return field.kind != Kind::Flag || value <= 1;
}

void myAdvancedConfigurationWidget::reportUnshownValues() {
    // Such values are kept (writeGeneralConfiguration()), but the page shows something
    // else, so the user hears of them before anything is stored.
    QStringList values;
    for (const FieldDescriptor &field : FieldTable::all()) {
        if (field.area != Area::Zones && !field.isText() && !canShow(field))
            values << QStringLiteral("%1 %2=\"%3\"")
                          .arg(QLatin1String(field.element), QLatin1String(field.attribute))
                          .arg(field.number(*core));
    }
    if (values.isEmpty())
        return;
    UserDialogs::current().inform(
        this, tr("Advanced Configuration"),
        tr("The Advanced Configuration page cannot show these values as they are. Each is kept "
           "unchanged until you change its setting on the page:") +
            QLatin1Char('\n') + values.join(QLatin1Char('\n')));
}

void myAdvancedConfigurationWidget::updateWebserverConfiguration() {
    const WebServerConfig &web = core->webServer;
    {
        const QSignalBlocker dhcpBlocker(ui->chkbWS_dhcp);
        const QSignalBlocker loginBlocker(ui->chkbWS_Login);
        ui->chkbWS_dhcp->setChecked(web.DHCP != 0);
        for (QLineEdit *field : addressFields())
            field->setEnabled(web.DHCP == 0);
        ui->chkbWS_Login->setChecked(web.Login != 0);
        ui->txtWS_user->setEnabled(web.Login != 0);
        ui->txtWS_password->setEnabled(web.Login != 0);
    }
    fields->show(Area::WebServer, *core);
}

void myAdvancedConfigurationWidget::updateSMTPConfiguration() {
    const SmtpConfig &smtp = core->smtp;
    ui->cbSMTP_enable->setChecked(smtp.Enable != 0);
    checkBoxSMTPChangeSlot(smtp.Enable != 0);
    fields->show(Area::Email, *core);
    ui->chkbSMTP_alarms->setChecked(smtp.Mask & AlarmsBit);
    ui->chkbSMTP_faults->setChecked(smtp.Mask & FaultsBit);
}

void myAdvancedConfigurationWidget::retranslate() {
    // The form's values are not translatable properties, so they survive this.
    ui->retranslateUi(this);
    showInputProblems();
}
