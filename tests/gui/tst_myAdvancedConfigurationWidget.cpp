#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "ui/myAdvancedConfigurationWidget.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

PanelConfiguration configured(const std::function<void(PanelConfiguration &)> &change) {
    PanelConfiguration c;
    change(c);
    return c;
}

} // namespace

Q_DECLARE_METATYPE(PanelConfiguration)

// What the page stores of what the user did, what it keeps of what it cannot show, and
// what it refuses; each setting's own way through files and images is tst_fieldtable's.
class tst_myAdvancedConfigurationWidget : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return editor->findChild<T *>(name); }
    void click(const char *button) { child<QAbstractButton>(button)->click(); }
    bool checked(const char *button) { return child<QAbstractButton>(button)->isChecked(); }
    QString text(const char *edit) { return child<QLineEdit>(edit)->text(); }

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    myAdvancedConfigurationWidget *editor = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void generalOptions_shownAndStoredAsTheControlsSay();
    void webAndMail_storedAsTheSwitchesSay();
    void readThenWrite_keepsModel_data();
    void readThenWrite_keepsModel();
    void typing_keptAsTypedRefusedBeside_data();
    void typing_keptAsTypedRefusedBeside();
    void controlCharacter_shownEscapedKeptUntouched();
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

void tst_myAdvancedConfigurationWidget::generalOptions_shownAndStoredAsTheControlsSay() {
    GeneralConfig &g = core->generalConfig;
    // Every option on first, so that each control has to follow the next model.
    g = GeneralConfig{1, 1, 15000, 3, 3};
    editor->readGeneralConfiguration();
    QCOMPARE(child<QSpinBox>("spinBoxDelayConfirmation")->value(), 60);
    g = GeneralConfig{0, 0, 0, 1, 0};
    editor->readGeneralConfiguration();
    QVERIFY(!checked("radioButtonConfirmation"));
    QVERIFY(!child<QWidget>("spinBoxDelayConfirmation")->isVisible());
    QVERIFY(checked("radioButtonCancelDelay") && checked("radioButton_sounder1"));
    QVERIFY(!checked("radioButton_sounder2"));
    QVERIFY(!checked("radioButtonCancelDelayMCP") && !checked("radioButtonShortAsAlarm"));
    QVERIFY(!child<QWidget>("radioButton_sounder1MCP")->isVisible());

    click("radioButtonConfirmation");
    QVERIFY(child<QWidget>("spinBoxDelayConfirmation")->isVisible());
    child<QSpinBox>("spinBoxDelayConfirmation")->setValue(50);
    click("radioButton_sounder2");
    click("radioButtonCancelDelayMCP");
    click("radioButton_sounder2MCP");
    click("radioButtonShortAsAlarm");
    editor->writeGeneralConfiguration();
    QCOMPARE(g, (GeneralConfig{1, 1, 12500, 3, 2}));

    child<QSpinBox>("spinBoxDelayConfirmation")->setValue(300); // held at 262 s: 16 bits
    editor->writeGeneralConfiguration();
    QCOMPARE(int(g.delay_confirmation), 65500);

    // Options switched off store neither a delay nor sounders, whatever the boxes show.
    click("radioButtonConfirmation");
    click("radioButtonCancelDelay");
    editor->writeGeneralConfiguration();
    QCOMPARE(g, (GeneralConfig{0, 1, 0, 0, 2}));
}

void tst_myAdvancedConfigurationWidget::webAndMail_storedAsTheSwitchesSay() {
    editor->readGeneralConfiguration();
    QVERIFY(!child<QWidget>("txtWS_ip")->isEnabled());
    // Without DHCP, empty addresses get the usual ones; one already typed stays.
    child<QLineEdit>("txtWS_ip")->setText(QStringLiteral("10.0.0.7"));
    click("chkbWS_dhcp");
    QVERIFY(child<QWidget>("txtWS_ip")->isEnabled());
    // Login on stores user and password; e-mail texts are stored also with e-mail off.
    click("chkbWS_Login");
    child<QLineEdit>("txtWS_user")->setText(QStringLiteral("user"));
    child<QLineEdit>("txtSMTP_svr")->setText(QStringLiteral("smtp.example"));
    click("cbSMTP_enable");
    QVERIFY(child<QWidget>("txtSMTP_svr")->isEnabled());
    click("chkbSMTP_alarms");
    click("cbSMTP_enable");
    QVERIFY(!child<QWidget>("txtSMTP_svr")->isEnabled());
    editor->writeGeneralConfiguration();
    const WebServerConfig &web = core->webServer;
    QCOMPARE((QList<quint32>{web.DHCP, web.IP, web.Gateway, web.Netmask}),
             (QList<quint32>{0, 0x0A000007, 0xC0A80101, 0xFFFFFF00}));
    QCOMPARE((QStringList{web.User, core->smtp.Host}), (QStringList{"user", "smtp.example"}));
    QCOMPARE((QList<int>{core->smtp.Enable, core->smtp.Mask}), (QList<int>{0, 1})); // alarms only

    // Login off empties user and password; DHCP on stores no addresses.
    click("chkbWS_Login");
    click("chkbWS_dhcp");
    editor->writeGeneralConfiguration();
    QCOMPARE(web.User, QString());
    QCOMPARE((QList<quint32>{web.DHCP, web.IP, web.Gateway, web.Netmask}),
             (QList<quint32>{1, 0, 0, 0}));
}

void tst_myAdvancedConfigurationWidget::readThenWrite_keepsModel_data() {
    QTest::addColumn<PanelConfiguration>("model");
    QTest::addColumn<QString>("notice"); // in the notice shown on reading; empty: none
    QTest::newRow("everythingOn") << configured([](PanelConfiguration &c) {
        c.generalConfig = GeneralConfig{1, 1, 65500, 3, 1};
        c.webServer = WebServerConfig{0, 1, 1, 0x0A000007, 0xFFFF0000, 0x0A000001, "admin", "pw"};
        c.smtp = SmtpConfig{
            1,    65535,   1,           2,     "smtp.example", "me",
            "pw", "panel", "a.example", "ops", "b.example",    QStringLiteral("Ñandú 7")};
    }) << "";
    // Held while their switch is off, and a text too long for its field.
    QTest::newRow("switchesOffWithValues_kept") << configured([](PanelConfiguration &c) {
        c.webServer.IP = 0x0A000007;
        c.webServer.User = "admin";
        c.webServer.Pass = "secret";
        c.generalConfig.delay_confirmation = 12500;
        c.smtp.InstallId = QString(40, 'x');
    }) << "";
    // Values the controls cannot show.
    QTest::newRow("delayUnder50s_keptAndNoticed") << configured([](PanelConfiguration &c) {
        c.generalConfig = GeneralConfig{1, 0, 5000, 0, 0};
    }) << "GeneralConfig delay_confirmation=\"5000\"";
    QTest::newRow("webLanguage5_keptAndNoticed")
        << configured([](PanelConfiguration &c) { c.webServer.Language = 5; })
        << "WebServer Language=\"5\"";
    QTest::newRow("notOnOffOrUnknownBits_keptAndNoticed") << configured([](PanelConfiguration &c) {
        c.generalConfig = GeneralConfig{2, 2, 0, 5, 8};
        c.webServer.DHCP = 2;
        c.webServer.Login = 3;
        c.smtp.Enable = 4;
        c.smtp.Mask = 7;
    }) << "SMTP Mask=\"7\"";
}

void tst_myAdvancedConfigurationWidget::readThenWrite_keepsModel() {
    QFETCH(PanelConfiguration, model);
    QFETCH(QString, notice);
    static_cast<PanelConfiguration &>(*core) = model;
    editor->readGeneralConfiguration();
    editor->writeGeneralConfiguration();
    QVERIFY(*core == model);
    QCOMPARE(dialogs->messages.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty())
        QVERIFY2(dialogs->messages.first().contains(notice), qPrintable(dialogs->messages.first()));
}

void tst_myAdvancedConfigurationWidget::typing_keptAsTypedRefusedBeside_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason"); // beside the field; empty: stored
    const auto row = [](const char *name, const char *field, const QString &typed,
                        const char *reason) {
        QTest::newRow(name) << QString(field) << typed << QString(reason);
    };
    row("threeParts_refused", "txtWS_gateway", "192.168.1", "0 to 255");
    row("highestParts_stored", "txtWS_ip", "255.0.10.7", "");
    row("port65536_refused", "txtSMTP_port", "65536", "1 to 65535");
    row("port65535_stored", "txtSMTP_port", "65535", "");
    row("user33Characters_refused", "txtWS_user", QString(33, 'u'), "33 characters");
}

void tst_myAdvancedConfigurationWidget::typing_keptAsTypedRefusedBeside() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    core->webServer = WebServerConfig{0, 1, 0, 0x0A000007, 0xFFFF0000, 0x0A000001, "admin", ""};
    core->smtp.Enable = 1;
    core->smtp.Port = 25;
    editor->readGeneralConfiguration();
    const PanelConfiguration before = *core;

    auto *edit = child<QLineEdit>(qPrintable(field));
    edit->selectAll();
    edit->insert(typed); // as typed or pasted: through any mask, validator or length limit
    editor->writeGeneralConfiguration();

    QCOMPARE(edit->text(), typed);
    auto *beside = editor->findChild<QLabel *>(QStringLiteral("lbl%1Problem").arg(field.mid(3)));
    QCOMPARE(beside->isVisible(), !reason.isEmpty());
    QVERIFY2(beside->text().contains(reason), qPrintable(beside->text()));
    QCOMPARE(editor->inputProblems().size(), reason.isEmpty() ? 0 : 1);
    QCOMPARE(*core == before, !reason.isEmpty());
    // Passwords show as dots while they are not being edited.
    for (const char *name : {"txtWS_password", "txtSMTP_password"})
        QCOMPARE(child<QLineEdit>(name)->echoMode(), QLineEdit::PasswordEchoOnEdit);
}

void tst_myAdvancedConfigurationWidget::controlCharacter_shownEscapedKeptUntouched() {
    const QString bell = QStringLiteral("a\x07"
                                        "b");
    core->smtp.Enable = 1;
    core->smtp.Host = bell;
    editor->readGeneralConfiguration();
    QCOMPARE(text("txtSMTP_svr"), QStringLiteral("a\\x07b"));
    QVERIFY(editor->inputProblems().isEmpty());
    editor->writeGeneralConfiguration();
    QCOMPARE(core->smtp.Host, bell);
}

QTEST_MAIN(tst_myAdvancedConfigurationWidget)
#include "tst_myAdvancedConfigurationWidget.moc"
