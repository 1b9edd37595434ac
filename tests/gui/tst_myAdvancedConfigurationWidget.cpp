#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/FieldTable.h"
#include "ui/myAdvancedConfigurationWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

namespace {

// A setting by its attribute, qualified by its element where two share the name
// ("SMTP.User").
const FieldDescriptor &fieldNamed(const QString &name) {
    const FieldDescriptor *found = nullptr;
    for (const FieldDescriptor &d : FieldTable::all()) {
        const QString attribute = QLatin1String(d.attribute);
        if (name == attribute || name == QLatin1String(d.element) + QLatin1Char('.') + attribute) {
            if (found)
                qFatal("%s names two settings", qPrintable(name));
            found = &d;
        }
    }
    if (!found)
        qFatal("no setting %s", qPrintable(name));
    return *found;
}

QString valueOf(const FieldDescriptor &field, const PanelConfiguration &c) {
    return field.isText() ? field.text(c) : QString::number(field.number(c));
}

// "a=1,b=x" -> pairs, in order
QList<QPair<QString, QString>> pairs(const QString &list) {
    QList<QPair<QString, QString>> out;
    for (const QString &item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int eq = item.indexOf(QLatin1Char('='));
        out.append({item.left(eq), item.mid(eq + 1)});
    }
    return out;
}

} // namespace

class tst_myAdvancedConfigurationWidget : public QObject {
    Q_OBJECT

private:
    // Operates a control as a user would: buttons are clicked when their state differs.
    // "read" and "write" run the editor's model transfers.
    void operate(const QString &control, const QString &value);
    // "name=value" or "name.visible=1" / "name.enabled=0"
    void expectControl(const QString &control, const QString &value);
    void setModel(const QString &values);

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    myAdvancedConfigurationWidget *editor = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void ipFromText_data();
    void ipFromText();
    void ipToText_data();
    void ipToText();
    void controlsToModel_data();
    void controlsToModel();
    void modelToControls_data();
    void modelToControls();
    void readThenWrite_keepsModel_data();
    void readThenWrite_keepsModel();
    void readAfterOtherModel_replacesSounderBits();
    void controlCharacter_shownEscapedKeptUntouched();
    void typing_keptAsTypedRefusedBeside_data();
    void typing_keptAsTypedRefusedBeside();
};

void tst_myAdvancedConfigurationWidget::init() {
    dialogs = new ScriptedDialogs;
    core = new PanelCore;
    editor = new myAdvancedConfigurationWidget(core);
    editor->show();
}

void tst_myAdvancedConfigurationWidget::cleanup() {
    delete editor;
    delete core;
    delete dialogs;
}

void tst_myAdvancedConfigurationWidget::operate(const QString &control, const QString &value) {
    if (control == QLatin1String("read"))
        return editor->readGeneralConfiguration();
    if (control == QLatin1String("write"))
        return editor->writeGeneralConfiguration();
    QWidget *w = editor->findChild<QWidget *>(control);
    QVERIFY2(w, qPrintable(control));
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (button->isChecked() != (value == QLatin1String("1")))
            button->click();
    } else if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        spin->setValue(value.toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(value);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        combo->setCurrentIndex(value.toInt());
    } else {
        QFAIL(qPrintable(control + QStringLiteral(" cannot be operated")));
    }
}

void tst_myAdvancedConfigurationWidget::expectControl(const QString &control,
                                                      const QString &value) {
    const QString name = control.section(QLatin1Char('.'), 0, 0);
    const QString aspect = control.section(QLatin1Char('.'), 1);
    QWidget *w = editor->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    if (aspect == QLatin1String("visible")) {
        QCOMPARE(w->isVisible(), value == QLatin1String("1"));
    } else if (aspect == QLatin1String("enabled")) {
        QCOMPARE(w->isEnabled(), value == QLatin1String("1"));
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        QCOMPARE(button->isChecked(), value == QLatin1String("1"));
    } else if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        QCOMPARE(spin->value(), value.toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        QCOMPARE(edit->text(), value);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QCOMPARE(combo->currentIndex(), value.toInt());
    }
}

void tst_myAdvancedConfigurationWidget::setModel(const QString &values) {
    for (const auto &[name, value] : pairs(values)) {
        const FieldDescriptor &field = fieldNamed(name);
        if (field.isText())
            field.setText(*core, value);
        else
            field.setNumber(*core, value.toLongLong());
    }
}

void tst_myAdvancedConfigurationWidget::ipFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("address");
    QTest::newRow("dotted_firstOctetHighest") << "192.168.1.2" << quint32(0xC0A80102);
    QTest::newRow("emptyMask_zero") << "..." << quint32(0);
    QTest::newRow("threeParts_zero") << "1.2.3" << quint32(0);
    QTest::newRow("fiveParts_zero") << "1.2.3.4.5" << quint32(0);
    QTest::newRow("notNumbers_countZero") << "a.1.b.2" << quint32(0x00010002);
    QTest::newRow("above255_lowBitsKept") << "300.1.1.1" << quint32(0x2C010101);
    QTest::newRow("maskBlanks_ignored") << "10 .0  .0  .7  " << quint32(0x0A000007);
}

void tst_myAdvancedConfigurationWidget::ipFromText() {
    QFETCH(QString, text);
    QFETCH(quint32, address);
    QCOMPARE(myAdvancedConfigurationWidget::ipFromText(text), address);
}

void tst_myAdvancedConfigurationWidget::ipToText_data() {
    QTest::addColumn<quint32>("address");
    QTest::addColumn<QString>("text");
    QTest::newRow("private_noLeadingZeros") << quint32(0xC0A80102) << "192.168.1.2";
    QTest::newRow("zero") << quint32(0) << "0.0.0.0";
    QTest::newRow("mask") << quint32(0xFFFFFF00) << "255.255.255.0";
}

void tst_myAdvancedConfigurationWidget::ipToText() {
    QFETCH(quint32, address);
    QFETCH(QString, text);
    QCOMPARE(myAdvancedConfigurationWidget::ipToText(address), text);
}

void tst_myAdvancedConfigurationWidget::controlsToModel_data() {
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");

    QTest::newRow("confirmation50_stores12500")
        << "radioButtonConfirmation=1,spinBoxDelayConfirmation=50"
        << "confirmation_general_mode=1,delay_confirmation=12500";
    QTest::newRow("confirmationOff_storesNoDelay")
        << "radioButtonConfirmation=1,spinBoxDelayConfirmation=100,radioButtonConfirmation=0"
        << "confirmation_general_mode=0,delay_confirmation=0";
    QTest::newRow("delayAboveLimit_heldAt262")
        << "radioButtonConfirmation=1,spinBoxDelayConfirmation=300"
        << "delay_confirmation=65500";
    QTest::newRow("cancelDelaySounder2Only_stores2")
        << "radioButtonCancelDelay=1,radioButton_sounder2=1"
        << "cancel_delay=2";
    QTest::newRow("cancelDelayOff_ignoresSounders")
        << "radioButtonCancelDelay=1,radioButton_sounder1=1,radioButton_sounder2=1,"
           "radioButtonCancelDelay=0"
        << "cancel_delay=0";
    QTest::newRow("cancelMcpBoth_stores3")
        << "radioButtonCancelDelayMCP=1,radioButton_sounder1MCP=1,radioButton_sounder2MCP=1"
        << "cancel_MCP_delay=3,cancel_delay=0";
    QTest::newRow("shortAsAlarm_stores1") << "radioButtonShortAsAlarm=1"
                                          << "short_general_mode=1";
    QTest::newRow("dhcpOn_addressesZero") << "txtWS_ip=10.1.1.1"
                                          << "DHCP=1,IP=0,Gateway=0,Netmask=0";
    QTest::newRow("dhcpOffEmpty_defaultsFilled")
        << "chkbWS_dhcp=0"
        << "DHCP=0,IP=3232235778,Gateway=3232235777,Netmask=4294967040";
    QTest::newRow("dhcpOffTypedIp_keptOthersFilled")
        << "txtWS_ip=10.0.0.7,chkbWS_dhcp=0"
        << "DHCP=0,IP=167772167,Gateway=3232235777,Netmask=4294967040";
    QTest::newRow("dhcpOnAgain_storesZero") << "chkbWS_dhcp=0,chkbWS_dhcp=1"
                                            << "DHCP=1,IP=0,Gateway=0,Netmask=0";
    QTest::newRow("loginOn_storesUserAndPass")
        << "chkbWS_Login=1,txtWS_user=admin,txtWS_password=secret"
        << "Login=1,WebServer.User=admin,Pass=secret";
    QTest::newRow("loginOff_emptiesUserAndPass")
        << "chkbWS_Login=1,txtWS_user=admin,txtWS_password=secret,chkbWS_Login=0"
        << "Login=0,WebServer.User=,Pass=";
    QTest::newRow("webLanguage_index") << "cbWS_Language=1"
                                       << "Language=1";
    QTest::newRow("alarmsOnly_mask1") << "cbSMTP_enable=1,chkbSMTP_faults=0"
                                      << "Enable=1,Mask=1";
    QTest::newRow("newForm_mailsAlarmsAndFaults") << ""
                                                  << "Enable=0,Mask=3";
    QTest::newRow("smtpDisabled_textsStillStored")
        << "cbSMTP_enable=1,txtSMTP_svr=mail.example,txtSMTP_port=2525,cbSMTP_autentication=1,"
           "txtSMTP_user=u,txtSMTP_password=p,txtSMTP_sourceMail=panel,"
           "txtSMTP_sourceDomain=site.example,txtSMTP_clientMail=alarms,"
           "txtSMTP_clientDomain=owner.example,txtSMTP_instalId=Block A,cbSMTP_enable=0"
        << "Enable=0,Host=mail.example,Port=2525,Auth=1,SMTP.User=u,Password=p,"
           "SourceMail=panel,SourceDomain=site.example,DestMail=alarms,"
           "DestDomain=owner.example,InstallId=Block A";
    QTest::newRow("portNotANumber_zero") << "txtSMTP_port="
                                         << "Port=0";
    QTest::newRow("editStoredThenUndone_undoStored")
        << "read=,cbWS_Language=1,write=,cbWS_Language=0"
        << "Language=0";
}

void tst_myAdvancedConfigurationWidget::controlsToModel() {
    QFETCH(QString, actions);
    QFETCH(QString, expected);
    for (const auto &[control, value] : pairs(actions))
        operate(control, value);
    editor->writeGeneralConfiguration();
    for (const auto &[name, value] : pairs(expected))
        QCOMPARE(valueOf(fieldNamed(name), *core), value);
}

void tst_myAdvancedConfigurationWidget::modelToControls_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("expected");

    QTest::newRow("confirmation12500_shows50")
        << "confirmation_general_mode=1,delay_confirmation=12500"
        << "radioButtonConfirmation=1,spinBoxDelayConfirmation=50,"
           "spinBoxDelayConfirmation.visible=1,label_seg.visible=1";
    QTest::newRow("confirmationOff_delayHidden")
        << "confirmation_general_mode=0"
        << "radioButtonConfirmation=0,spinBoxDelayConfirmation.visible=0,label_2.visible=0";
    QTest::newRow("cancelDelay2_onlySounder2")
        << "cancel_delay=2"
        << "radioButtonCancelDelay=1,radioButton_sounder1=0,radioButton_sounder2=1,"
           "radioButton_sounder2.visible=1";
    QTest::newRow("cancelMcp0_sounderBoxesHidden")
        << "cancel_MCP_delay=0"
        << "radioButtonCancelDelayMCP=0,radioButton_sounder1MCP.visible=0";
    QTest::newRow("short1_checked") << "short_general_mode=1"
                                    << "radioButtonShortAsAlarm=1";
    QTest::newRow("dhcpOff_addressesShownAndEnabled")
        << "DHCP=0,IP=3232235778,Gateway=3232235777,Netmask=4294967040"
        << "chkbWS_dhcp=0,txtWS_ip=192.168.1.2,txtWS_gateway=192.168.1.1,"
           "txtWS_netmask=255.255.255.0,txtWS_ip.enabled=1";
    QTest::newRow("dhcpOn_addressesDisabled")
        << "DHCP=1"
        << "chkbWS_dhcp=1,txtWS_ip.enabled=0,txtWS_netmask.enabled=0";
    QTest::newRow("loginOn_userEnabled")
        << "Login=1,WebServer.User=admin,Pass=secret,Language=1"
        << "chkbWS_Login=1,txtWS_user=admin,txtWS_password=secret,txtWS_user.enabled=1,"
           "cbWS_Language=1";
    QTest::newRow("smtpEnabled_everythingShown")
        << "Enable=1,Host=mail.example,Port=25,Auth=1,Mask=2,InstallId=Block A"
        << "cbSMTP_enable=1,txtSMTP_svr=mail.example,txtSMTP_port=25,cbSMTP_autentication=1,"
           "chkbSMTP_alarms=0,chkbSMTP_faults=1,txtSMTP_instalId=Block A,"
           "txtSMTP_svr.enabled=1,chkbSMTP_faults.enabled=1";
    QTest::newRow("smtpDisabled_fieldsDisabled")
        << "Enable=0,Host=mail.example"
        << "cbSMTP_enable=0,txtSMTP_svr=mail.example,"
           "txtSMTP_svr.enabled=0,txtSMTP_instalId.enabled=0";
}

void tst_myAdvancedConfigurationWidget::modelToControls() {
    QFETCH(QString, model);
    QFETCH(QString, expected);
    setModel(model);
    editor->readGeneralConfiguration();
    for (const auto &[control, value] : pairs(expected))
        expectControl(control, value);
}

void tst_myAdvancedConfigurationWidget::readThenWrite_keepsModel_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("notice"); // in the notice shown on reading; empty: none
    QTest::newRow("defaults") << "Mask=3"
                              << "";
    QTest::newRow("everythingOn")
        << "confirmation_general_mode=1,delay_confirmation=65500,short_general_mode=1,"
           "cancel_delay=3,cancel_MCP_delay=1,DHCP=0,IP=167772167,Gateway=167772161,"
           "Netmask=4294901760,Login=1,WebServer.User=admin,Pass=secret,Language=1,Enable=1,Port="
           "65535,"
           "Auth=1,Mask=2,Host=smtp.example,SMTP.User=me,Password=pw,SourceMail=panel,"
           "SourceDomain=a.example,DestMail=ops,DestDomain=b.example,InstallId=Ñandú 7"
        << "";
    QTest::newRow("smtpOffWithTexts") << "Enable=0,Port=25,Host=smtp.example,Mask=0,InstallId=Depot"
                                      << "";
    // Held while their switch is off.
    QTest::newRow("dhcpOnWithAddresses_kept")
        << "DHCP=1,IP=167772167,Gateway=167772161,Netmask=4294901760"
        << "";
    QTest::newRow("loginOffWithUser_kept") << "Login=0,WebServer.User=admin,Pass=secret"
                                           << "";
    QTest::newRow("confirmationOffWithDelay_kept") << "delay_confirmation=12500"
                                                   << "";
    QTest::newRow("textTooLong_kept") << "InstallId=" + QString(40, QLatin1Char('x')) << "";
    // Values the controls cannot show.
    QTest::newRow("delayUnder50s_keptAndNoticed")
        << "confirmation_general_mode=1,delay_confirmation=5000"
        << "GeneralConfig delay_confirmation=\"5000\"";
    QTest::newRow("delayNotWholeSeconds_keptAndNoticed")
        << "confirmation_general_mode=1,delay_confirmation=12600"
        << "delay_confirmation=\"12600\"";
    QTest::newRow("webLanguage5_keptAndNoticed") << "Language=5"
                                                 << "WebServer Language=\"5\"";
    QTest::newRow("authentication7_keptAndNoticed") << "Auth=7"
                                                    << "SMTP Auth=\"7\"";
    QTest::newRow("notOnOffOrUnknownBits_keptAndNoticed")
        << "confirmation_general_mode=2,short_general_mode=2,cancel_delay=5,cancel_MCP_delay=8,"
           "DHCP=2,Login=3,Enable=4,Mask=7"
        << "SMTP Mask=\"7\"";
}

void tst_myAdvancedConfigurationWidget::readThenWrite_keepsModel() {
    QFETCH(QString, model);
    QFETCH(QString, notice);
    setModel(model);
    PanelConfiguration before = *core;
    editor->readGeneralConfiguration();
    editor->writeGeneralConfiguration();
    QVERIFY(core->generalConfig == before.generalConfig);
    QVERIFY(core->webServer == before.webServer);
    QVERIFY(core->smtp == before.smtp);
    QCOMPARE(dialogs->messages.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty())
        QVERIFY2(dialogs->messages.first().contains(notice), qPrintable(dialogs->messages.first()));
}

void tst_myAdvancedConfigurationWidget::readAfterOtherModel_replacesSounderBits() {
    setModel(QStringLiteral("cancel_delay=3"));
    editor->readGeneralConfiguration();
    setModel(QStringLiteral("cancel_delay=1"));
    editor->readGeneralConfiguration();
    expectControl(QStringLiteral("radioButton_sounder2"), QStringLiteral("0"));
    editor->writeGeneralConfiguration();
    QCOMPARE(int(core->generalConfig.cancel_delay), 1);
}

void tst_myAdvancedConfigurationWidget::controlCharacter_shownEscapedKeptUntouched() {
    const QString bell = QStringLiteral("a\x07"
                                        "b");
    setModel(QStringLiteral("Enable=1,Host=") + bell);
    editor->readGeneralConfiguration();
    expectControl(QStringLiteral("txtSMTP_svr"), QStringLiteral("a\\x07b"));
    QVERIFY(editor->inputProblems().isEmpty());
    editor->writeGeneralConfiguration();
    QCOMPARE(core->smtp.Host, bell);
}

void tst_myAdvancedConfigurationWidget::typing_keptAsTypedRefusedBeside_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason"); // beside the field; empty: stored

    QTest::newRow("threeParts_refused") << "txtWS_gateway"
                                        << "192.168.1"
                                        << "0 to 255";
    QTest::newRow("highestParts_stored") << "txtWS_ip"
                                         << "255.0.10.7"
                                         << "";
    QTest::newRow("port65536_refused") << "txtSMTP_port"
                                       << "65536"
                                       << "1 to 65535";
    QTest::newRow("port65535_stored") << "txtSMTP_port"
                                      << "65535"
                                      << "";
    QTest::newRow("user33Characters_refused")
        << "txtWS_user" << QString(33, QLatin1Char('u')) << "33 characters";
    QTest::newRow("user32Characters_stored") << "txtWS_user" << QString(32, QLatin1Char('u')) << "";
    QTest::newRow("notLatin1_refused") << "txtSMTP_instalId"
                                       << "Zona Ω"
                                       << "Latin-1";
}

void tst_myAdvancedConfigurationWidget::typing_keptAsTypedRefusedBeside() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    setModel(QStringLiteral("DHCP=0,IP=167772167,Gateway=167772161,Netmask=4294901760,Login=1,"
                            "WebServer.User=admin,Enable=1,Port=25,InstallId=Depot"));
    editor->readGeneralConfiguration();
    PanelConfiguration before = *core;

    auto *edit = editor->findChild<QLineEdit *>(field);
    edit->selectAll();
    edit->insert(typed); // as typed or pasted: through the mask, validator and length limit
    editor->writeGeneralConfiguration();

    QCOMPARE(edit->text(), typed);
    auto *beside = editor->findChild<QLabel *>(QStringLiteral("lbl%1Problem").arg(field.mid(3)));
    QCOMPARE(beside->isVisible(), !reason.isEmpty());
    QVERIFY2(beside->text().contains(reason), qPrintable(beside->text()));
    QCOMPARE(editor->inputProblems().size(), reason.isEmpty() ? 0 : 1);
    const bool modelKept = core->webServer == before.webServer && core->smtp == before.smtp;
    QCOMPARE(modelKept, !reason.isEmpty());

    // Passwords show as dots while they are not being edited.
    for (const char *name : {"txtWS_password", "txtSMTP_password"})
        QCOMPARE(editor->findChild<QLineEdit *>(name)->echoMode(), QLineEdit::PasswordEchoOnEdit);
}

QTEST_MAIN(tst_myAdvancedConfigurationWidget)
#include "tst_myAdvancedConfigurationWidget.moc"
