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

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    myAdvancedConfigurationWidget *editor = nullptr;

private Q_SLOTS:
    void init() {
        dialogs = new ScriptedDialogs;
        core = new PanelCore;
        editor = new myAdvancedConfigurationWidget(core);
        editor->show();
    }
    void cleanup() {
        delete editor;
        delete core;
        delete dialogs;
    }
    void switches_storeWhatTheControlsSay();
    void readThenWrite_keepsModel_data();
    void readThenWrite_keepsModel();
    void typing_keptAsTypedRefusedBeside_data();
    void typing_keptAsTypedRefusedBeside();
};

void tst_myAdvancedConfigurationWidget::switches_storeWhatTheControlsSay() {
    editor->readGeneralConfiguration();
    click("radioButtonConfirmation");
    child<QSpinBox>("spinBoxDelayConfirmation")->setValue(50);
    child<QLineEdit>("txtWS_ip")->setText(QStringLiteral("10.0.0.7"));
    click("chkbWS_dhcp"); // off: an address typed before stays, empty ones get the usual
    click("cbSMTP_enable");
    click("chkbSMTP_alarms");
    editor->writeGeneralConfiguration();
    const WebServerConfig &web = core->webServer;
    QCOMPARE(int(core->generalConfig.delay_confirmation), 12500);
    QCOMPARE((QList<quint32>{web.IP, web.Gateway}), (QList<quint32>{0x0A000007, 0xC0A80101}));
    QCOMPARE(int(core->smtp.Mask), 1); // alarms only
    click("radioButtonConfirmation");  // off: no delay, no addresses, whatever the boxes show
    click("chkbWS_dhcp");
    editor->writeGeneralConfiguration();
    QVERIFY(core->generalConfig.delay_confirmation == 0 && web.IP == 0);
}

void tst_myAdvancedConfigurationWidget::readThenWrite_keepsModel_data() {
    QTest::addColumn<PanelConfiguration>("model");
    QTest::addColumn<QString>("notice"); // in the notice shown on reading; empty: none
    QTest::newRow("everythingOnControlCharacter_kept") << configured([](PanelConfiguration &c) {
        c.generalConfig = GeneralConfig{1, 1, 65500, 3, 1};
        c.webServer = WebServerConfig{0, 1, 1, 0x0A000007, 0xFFFF0000, 0x0A000001, "admin", "pw"};
        c.smtp = SmtpConfig{1,
                            65535,
                            1,
                            2,
                            QStringLiteral("a\x07"
                                           "b"),
                            "me",
                            "pw",
                            "panel",
                            "a.example",
                            "ops",
                            "b.example",
                            QStringLiteral("Ñandú")};
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
    QCOMPARE(child<QLineEdit>("txtSMTP_svr")->text().contains("\\x07"), // shown escaped
             model.smtp.Host.contains(QChar(7)));
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
    QCOMPARE(*core == before, !reason.isEmpty());
    QCOMPARE(child<QLineEdit>("txtWS_password")->echoMode(), QLineEdit::PasswordEchoOnEdit);
}

QTEST_MAIN(tst_myAdvancedConfigurationWidget)
#include "tst_myAdvancedConfigurationWidget.moc"
