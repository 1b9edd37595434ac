#include "ui/myAdvancedConfigurationWidget.h"
#include "ui_myAdvancedConfigurationWidget.h"

#include "images/ConfigurationCheck.h"
#include "link/PanelCore.h"
#include "model/ConfigurationFields.h"
#include "model/InternalDiagnostics.h"
#include "ui/UserDialogs.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <type_traits>

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

bool isAddress(const QString &text) {
    static const QRegularExpression dotted(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,3}){3}$"));
    if (!dotted.match(text).hasMatch())
        return false;
    const QStringList parts = text.split(QLatin1Char('.'));
    return std::all_of(parts.cbegin(), parts.cend(),
                       [](const QString &part) { return part.toInt() <= 255; });
}

// Empty is "no port" (0).
bool isPort(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (text.isEmpty())
        return true;
    const int port = text.toInt();
    return digits.match(text).hasMatch() && port >= 1 && port <= 65535;
}

QVariant stateOf(const QWidget *control) {
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentIndex();
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        return spin->value();
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

} // namespace

struct myAdvancedConfigurationWidget::CheckedField {
    enum class Kind { Address, Port, Text };

    QLineEdit *edit;
    QLabel *reason; // under the field; a mailbox and its domain share one
    Kind kind;
    QString name; // as the page labels it
    const QLabel *section;
    bool stored; // the model takes it as things stand (addresses without DHCP, login on)
};

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

    // Whatever is typed stays as typed; what cannot be stored is refused beside the field.
    QSet<QLabel *> reasons;
    for (const CheckedField &field : checkedFields()) {
        connect(field.edit, &QLineEdit::textChanged, this,
                &myAdvancedConfigurationWidget::showInputProblems);
        reasons.insert(field.reason);
    }
    for (QLabel *reason : reasons)
        reason->setStyleSheet(QStringLiteral("color: #c00000;"));
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

QList<QWidget *> myAdvancedConfigurationWidget::smtpControls() const {
    return {ui->txtSMTP_svr,          ui->txtSMTP_port,       ui->cbSMTP_autentication,
            ui->txtSMTP_user,         ui->txtSMTP_password,   ui->txtSMTP_sourceMail,
            ui->txtSMTP_sourceDomain, ui->txtSMTP_clientMail, ui->txtSMTP_clientDomain,
            ui->chkbSMTP_alarms,      ui->chkbSMTP_faults,    ui->txtSMTP_instalId};
}

QList<QLineEdit *> myAdvancedConfigurationWidget::addressFields() const {
    return {ui->txtWS_ip, ui->txtWS_gateway, ui->txtWS_netmask};
}

QList<myAdvancedConfigurationWidget::CheckedField>
myAdvancedConfigurationWidget::checkedFields() const {
    using Kind = CheckedField::Kind;
    const bool addresses = !ui->chkbWS_dhcp->isChecked();
    const bool login = ui->chkbWS_Login->isChecked();
    const QLabel *web = ui->lblWebServer;
    const QLabel *mail = ui->lblSMTP;
    const QString mailbox = tr("%1, mailbox");
    const QString domain = tr("%1, domain");
    return {
        {ui->txtWS_ip, ui->lblWS_ipProblem, Kind::Address, ui->lblWS_ip->text(), web, addresses},
        {ui->txtWS_netmask, ui->lblWS_netmaskProblem, Kind::Address, ui->lblWS_netmask->text(), web,
         addresses},
        {ui->txtWS_gateway, ui->lblWS_gatewayProblem, Kind::Address, ui->lblWS_gateway->text(), web,
         addresses},
        {ui->txtWS_user, ui->lblWS_userProblem, Kind::Text, ui->lblWS_user->text(), web, login},
        {ui->txtWS_password, ui->lblWS_passwordProblem, Kind::Text, ui->lblWS_password->text(), web,
         login},
        {ui->txtSMTP_svr, ui->lblSMTP_svrProblem, Kind::Text, ui->lblSMTP_hostname->text(), mail,
         true},
        {ui->txtSMTP_port, ui->lblSMTP_portProblem, Kind::Port, ui->lblSMTP_port->text(), mail,
         true},
        {ui->txtSMTP_user, ui->lblSMTP_userProblem, Kind::Text, ui->lblSMTP_user->text(), mail,
         true},
        {ui->txtSMTP_password, ui->lblSMTP_passwordProblem, Kind::Text,
         ui->lblSMTP_password->text(), mail, true},
        {ui->txtSMTP_sourceMail, ui->lblSMTP_sourceMailProblem, Kind::Text,
         mailbox.arg(ui->lblSMTP_outMail->text()), mail, true},
        {ui->txtSMTP_sourceDomain, ui->lblSMTP_sourceMailProblem, Kind::Text,
         domain.arg(ui->lblSMTP_outMail->text()), mail, true},
        {ui->txtSMTP_clientMail, ui->lblSMTP_clientMailProblem, Kind::Text,
         mailbox.arg(ui->lblSMTP_clientMail->text()), mail, true},
        {ui->txtSMTP_clientDomain, ui->lblSMTP_clientMailProblem, Kind::Text,
         domain.arg(ui->lblSMTP_clientMail->text()), mail, true},
        {ui->txtSMTP_instalId, ui->lblSMTP_instalIdProblem, Kind::Text,
         ui->lblSMTP_instalId->text(), mail, true},
    };
}

QString myAdvancedConfigurationWidget::problemOf(const CheckedField &field) const {
    if (!field.stored)
        return {};
    const QString text = field.edit->text();
    switch (field.kind) {
    case CheckedField::Kind::Address:
        if (isAddress(text))
            return {};
        return tr("%1 needs four numbers from 0 to 255 separated by dots, such as 192.168.1.2")
            .arg(field.name);
    case CheckedField::Kind::Port:
        if (isPort(text))
            return {};
        return tr("%1 needs a number from 1 to 65535, or nothing for no port").arg(field.name);
    case CheckedField::Kind::Text: {
        // An escaped text still as shown stands for the model's own, which is what counts.
        const auto raw = escapedTexts.constFind(field.edit);
        const bool asShown =
            raw != escapedTexts.cend() && ConfigurationFields::printable(*raw) == text;
        return ConfigurationCheck::textProblem(field.name, asShown ? *raw : text);
    }
    }
    return {};
}

void myAdvancedConfigurationWidget::showInputProblems() {
    QHash<QLabel *, QStringList> reasons;
    for (const CheckedField &field : checkedFields()) {
        QStringList &lines = reasons[field.reason];
        const QString problem = problemOf(field);
        if (!problem.isEmpty())
            lines << problem;
    }
    for (auto it = reasons.cbegin(); it != reasons.cend(); ++it) {
        it.key()->setText(it.value().join(QLatin1Char('\n')));
        it.key()->setVisible(!it.value().isEmpty());
    }
}

QStringList myAdvancedConfigurationWidget::inputProblems() const {
    QStringList problems;
    for (const CheckedField &field : checkedFields()) {
        const QString problem = problemOf(field);
        if (!problem.isEmpty())
            problems << tr("%1: %2").arg(field.section->text(), problem);
    }
    return problems;
}

void myAdvancedConfigurationWidget::rememberShownStates() {
    shownStates.clear();
    const QList<QWidget *> controls = findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        const QVariant state = stateOf(control);
        if (state.isValid())
            shownStates.insert(control, state);
    }
}

bool myAdvancedConfigurationWidget::changedSinceShown(
    std::initializer_list<const QWidget *> controls) const {
    if (shownStates.isEmpty())
        return true;
    return std::any_of(controls.begin(), controls.end(), [this](const QWidget *control) {
        return stateOf(control) != shownStates.value(control);
    });
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
    // A setting whose controls still show what was read keeps the model's value exactly,
    // also one they cannot show (a delay under 50 s, a language the list lacks); a field
    // holding what cannot be stored keeps it until corrected. Every general option is set
    // or kept below, so the model's defaults are not applied first: they would lose those.
    QSet<const QLineEdit *> refused;
    for (const CheckedField &field : checkedFields()) {
        if (!problemOf(field).isEmpty())
            refused.insert(field.edit);
    }
    auto store = [this](auto &field, auto value, std::initializer_list<const QWidget *> controls) {
        if (changedSinceShown(controls))
            field = std::remove_reference_t<decltype(field)>(value);
    };

    GeneralConfig &g = core->generalConfig;
    const bool confirmation = ui->radioButtonConfirmation->isChecked();
    store(g.confirmation_general_mode, confirmation ? 1 : 0, {ui->radioButtonConfirmation});
    store(g.delay_confirmation,
          confirmation ? ui->spinBoxDelayConfirmation->value() * SecondsToDelayUnits : 0,
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

    WebServerConfig &web = core->webServer;
    const bool dhcp = ui->chkbWS_dhcp->isChecked();
    store(web.DHCP, dhcp ? 1 : 0, {ui->chkbWS_dhcp});
    const QList<QLineEdit *> fields = addressFields();
    quint32 *const addresses[] = {&web.IP, &web.Gateway, &web.Netmask};
    for (int i = 0; i < fields.size(); ++i) {
        if (!refused.contains(fields[i]))
            store(*addresses[i], dhcp ? 0 : ipFromText(fields[i]->text()),
                  {ui->chkbWS_dhcp, fields[i]});
    }
    store(web.Language, qMax(0, ui->cbWS_Language->currentIndex()), {ui->cbWS_Language});
    const bool login = ui->chkbWS_Login->isChecked();
    store(web.Login, login ? 1 : 0, {ui->chkbWS_Login});
    const std::pair<QString *, QLineEdit *> loginTexts[] = {{&web.User, ui->txtWS_user},
                                                            {&web.Pass, ui->txtWS_password}};
    for (const auto &[text, edit] : loginTexts) {
        if (!refused.contains(edit))
            store(*text, login ? edit->text() : QString(), {ui->chkbWS_Login, edit});
    }

    SmtpConfig &smtp = core->smtp;
    store(smtp.Enable, ui->cbSMTP_enable->isChecked() ? 1 : 0, {ui->cbSMTP_enable});
    if (!refused.contains(ui->txtSMTP_port))
        store(smtp.Port, ui->txtSMTP_port->text().toUShort(), {ui->txtSMTP_port});
    store(smtp.Auth, qMax(0, ui->cbSMTP_autentication->currentIndex()), {ui->cbSMTP_autentication});
    const std::pair<QString *, QLineEdit *> texts[] = {
        {&smtp.Host, ui->txtSMTP_svr},
        {&smtp.User, ui->txtSMTP_user},
        {&smtp.Password, ui->txtSMTP_password},
        {&smtp.SourceMail, ui->txtSMTP_sourceMail},
        {&smtp.SourceDomain, ui->txtSMTP_sourceDomain},
        {&smtp.DestMail, ui->txtSMTP_clientMail},
        {&smtp.DestDomain, ui->txtSMTP_clientDomain},
        {&smtp.InstallId, ui->txtSMTP_instalId},
    };
    for (const auto &[text, edit] : texts) {
        if (!refused.contains(edit))
            store(*text, edit->text(), {edit});
    }
    qCDebug(internalDiagnostics) << "Client domain:" << smtp.DestDomain;
    store(smtp.Mask,
          (ui->chkbSMTP_alarms->isChecked() ? AlarmsBit : 0) |
              (ui->chkbSMTP_faults->isChecked() ? FaultsBit : 0),
          {ui->chkbSMTP_alarms, ui->chkbSMTP_faults});
    rememberShownStates();
}

void myAdvancedConfigurationWidget::readGeneralConfiguration() {
    qCDebug(internalDiagnostics) << "Update Config Panel";
    const GeneralConfig &g = core->generalConfig;

    const bool confirmation = g.confirmation_general_mode == 1;
    ui->radioButtonConfirmation->setChecked(confirmation);
    if (confirmation)
        ui->spinBoxDelayConfirmation->setValue(g.delay_confirmation / SecondsToDelayUnits);
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
    rememberShownStates();
    reportUnshownValues();
}

void myAdvancedConfigurationWidget::reportUnshownValues() {
    // Such values are kept (writeGeneralConfiguration()), but the page shows something
    // else, so the user hears of them before anything is stored.
    const GeneralConfig &g = core->generalConfig;
    const WebServerConfig &web = core->webServer;
    const SmtpConfig &smtp = core->smtp;
    QStringList values;
    auto note = [&values](bool shown, const char *element, const char *attribute, int value) {
        if (!shown)
            values << QStringLiteral("%1 %2=\"%3\"")
                          .arg(QLatin1String(element), QLatin1String(attribute))
                          .arg(value);
    };
    const int sounders = Sounder1Bit | Sounder2Bit;
    note(g.confirmation_general_mode <= 1, "GeneralConfig", "confirmation_general_mode",
         g.confirmation_general_mode);
    note(g.confirmation_general_mode != 1 ||
             ui->spinBoxDelayConfirmation->value() * SecondsToDelayUnits == g.delay_confirmation,
         "GeneralConfig", "delay_confirmation", g.delay_confirmation);
    note(g.short_general_mode <= 1, "GeneralConfig", "short_general_mode", g.short_general_mode);
    note((g.cancel_delay & ~sounders) == 0, "GeneralConfig", "cancel_delay", g.cancel_delay);
    note((g.cancel_MCP_delay & ~sounders) == 0, "GeneralConfig", "cancel_MCP_delay",
         g.cancel_MCP_delay);
    note(web.DHCP <= 1, "WebServer", "DHCP", web.DHCP);
    note(web.Login <= 1, "WebServer", "Login", web.Login);
    note(web.Language < ui->cbWS_Language->count(), "WebServer", "Language", web.Language);
    note(smtp.Enable <= 1, "SMTP", "Enable", smtp.Enable);
    note(smtp.Auth < ui->cbSMTP_autentication->count(), "SMTP", "Auth", smtp.Auth);
    note((smtp.Mask & ~(AlarmsBit | FaultsBit)) == 0, "SMTP", "Mask", smtp.Mask);
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
        showText(ui->txtWS_user, web.User);
        showText(ui->txtWS_password, web.Pass);
    }
}

void myAdvancedConfigurationWidget::showText(QLineEdit *field, const QString &text) {
    // A control character (from a panel's odd bytes) shows as \xNN; left untouched, the
    // model keeps the text itself.
    const QString shown = ConfigurationFields::printable(text);
    if (shown != text)
        escapedTexts.insert(field, text);
    else
        escapedTexts.remove(field);
    field->setText(shown);
}

void myAdvancedConfigurationWidget::updateSMTPConfiguration() {
    const SmtpConfig &smtp = core->smtp;
    ui->cbSMTP_enable->setChecked(smtp.Enable != 0);
    checkBoxSMTPChangeSlot(smtp.Enable != 0);
    showText(ui->txtSMTP_svr, smtp.Host);
    // 0 is "no port"; the field accepts 1 to 65535 only.
    ui->txtSMTP_port->setText(smtp.Port != 0 ? QString::number(smtp.Port) : QString());
    ui->cbSMTP_autentication->setCurrentIndex(smtp.Auth);
    showText(ui->txtSMTP_user, smtp.User);
    showText(ui->txtSMTP_password, smtp.Password);
    showText(ui->txtSMTP_sourceMail, smtp.SourceMail);
    showText(ui->txtSMTP_sourceDomain, smtp.SourceDomain);
    showText(ui->txtSMTP_clientMail, smtp.DestMail);
    showText(ui->txtSMTP_clientDomain, smtp.DestDomain);
    showText(ui->txtSMTP_instalId, smtp.InstallId);
    ui->chkbSMTP_alarms->setChecked(smtp.Mask & AlarmsBit);
    ui->chkbSMTP_faults->setChecked(smtp.Mask & FaultsBit);
}

void myAdvancedConfigurationWidget::retranslate() {
    // The form's values are not translatable properties, so they survive this.
    ui->retranslateUi(this);
    showInputProblems();
}
