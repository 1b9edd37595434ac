#include "images/ConfigurationCheck.h"
#include "model/PanelConfiguration.h"

#include <QTest>

#include <functional>

using Setup = std::function<void(PanelConfiguration &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

void addManeuvers(PanelConfiguration &core, int count, int events,
                  Action action = {1, 0, 1, 3, 0}) {
    QList<Event> list;
    for (int i = 0; i < events; ++i)
        list.append(Event{2, 1, 2, 2});
    for (int i = 0; i < count; ++i)
        core.addManeuver(ManiobraConvencional(list, action));
}

// One line per problem, "E:" or "W:" then the message: easy to compare and to read.
QStringList describe(const QList<ConfigurationProblem> &problems) {
    QStringList lines;
    for (const ConfigurationProblem &p : problems)
        lines << (p.isError() ? QStringLiteral("E:") : QStringLiteral("W:")) + p.message;
    return lines;
}

} // namespace

class TestConfigurationCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void check_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("full tables fit") << Setup([](PanelConfiguration &c) {
            addManeuvers(c, 28, 1);
            addManeuvers(c, 40, 2);
            c.smtp.InstallId = QString(32, QLatin1Char('x'));
        }) << QStringList{};
        QTest::newRow("a maneuver beyond each table")
            << Setup([](PanelConfiguration &c) {
                   addManeuvers(c, 29, 1);
                   addManeuvers(c, 41, 12);
               })
            << QStringList{"E:29 simple maneuvers; the panel holds at most 28",
                           "E:41 logic maneuvers; the panel holds at most 40"};
        QTest::newRow("no event") << Setup([](PanelConfiguration &c) {
            addManeuvers(c, 1, 1);
            addManeuvers(c, 1, 0);
        }) << QStringList{"E:Maneuver 2 has no event"};
        QTest::newRow("text of 33 characters") << Setup([](PanelConfiguration &c) {
            c.webServer.Pass = QString(33, QLatin1Char('x'));
        }) << QStringList{"E:Web password has 33 characters; the panel holds at most 32"};
        QTest::newRow("@ in a mailbox")
            << Setup([](PanelConfiguration &c) {
                   c.smtp.SourceMail = QStringLiteral("panel@example.com");
               })
            << QStringList{"E:Sender mailbox \"panel@example.com\" contains \"@\"; enter only "
                           "the part before the \"@\""};
        auto address = [](quint8 dhcp, quint32 gateway) {
            return Setup([=](PanelConfiguration &c) {
                c.webServer.DHCP = dhcp;
                c.webServer.IP = 0xC0A8010A;      // 192.168.1.10
                c.webServer.Netmask = 0xFFFFFF00; // /24
                c.webServer.Gateway = gateway;
            });
        };
        QTest::newRow("gateway outside the network")
            << address(0, 0xC0A80201)
            << QStringList{"W:The gateway 192.168.2.1 is outside the network of the address "
                           "192.168.1.10 (net mask 255.255.255.0)"};
        QTest::newRow("gateway outside, but DHCP") << address(1, 0xC0A80201) << QStringList{};
        QTest::newRow("unusual zone count")
            << Setup([](PanelConfiguration &c) { c.num_zones = 5; })
            << QStringList{"E:The number of zones is 5; panels have 0, 2, 4, 8 or 12"};
        QTest::newRow("event type the panel does not define")
            << Setup([](PanelConfiguration &c) {
                   c.addManeuver(
                       ManiobraConvencional({{2, 1, 2, 7}, {2, 1, 2, 8}}, Action{1, 0, 1, 3, 0}));
               })
            << QStringList{"E:Maneuver 1 has an event the panel does not define: block 2, block "
                           "type 2, type 8"};
        QTest::newRow("action block beyond the boards")
            << Setup([](PanelConfiguration &c) {
                   c.elements[2].type = Element::RelayBoard;
                   addManeuvers(c, 1, 1, Action{8, 1, 7, 2, 0});
                   addManeuvers(c, 1, 1, Action{9, 1, 7, 2, 0});
               })
            << QStringList{"E:Maneuver 2 has an action the panel does not define: block 9, block "
                           "type 7, type 2",
                           "W:Maneuver 2 acts on auxiliary board 4, which is not fitted"};
        QTest::newRow("zone above the zone count") << Setup([](PanelConfiguration &c) {
            c.num_zones = 2;
            c.addManeuver(
                ManiobraConvencional({{2, 2, 2, 5}, {2, 3, 2, 5}}, Action{1, 0, 1, 3, 0}));
        }) << QStringList{"W:Maneuver 1 uses zone 3, but the panel has 2 zones"};
        // What the panel would read back otherwise is an error too.
        QTest::newRow("event block 0 ends the simple table")
            << Setup([](PanelConfiguration &c) {
                   addManeuvers(c, 2, 1);
                   c.maneuvers.insert(1, ManiobraConvencional({Event{}}, Action{1, 0, 1, 3, 0}));
               })
            << QStringList{"E:Maneuver 2 ( => Activar sirenas del panel): the panel would read the "
                           "end of its simple maneuver table here, so these maneuvers would be "
                           "lost: 2, 3"};
        QTest::newRow("zero character cuts a text")
            << Setup([](PanelConfiguration &c) {
                   c.webServer.Pass = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
               })
            << QStringList{"E:WebServer Pass would not reach the panel whole: it would keep only "
                           "its first 2 characters"};
        QTest::newRow("zone name beyond the zone count") << Setup([](PanelConfiguration &c) {
            c.num_zones = 4;
            c.setZoneName(4, QStringLiteral("Last"));
            c.setZoneName(5, QStringLiteral("Beyond"));
        }) << QStringList{"W:Zone 5 is named \"Beyond\", but the panel has 4 zones"};
    }
    void check() {
        QFETCH(Setup, setup);
        QFETCH(QStringList, expected);

        PanelConfiguration core;
        core.num_zones = 12;
        setup(core);
        const QList<ConfigurationProblem> problems = ConfigurationCheck::check(core);
        QCOMPARE(describe(problems), expected);
        QCOMPARE(ConfigurationCheck::hasErrors(problems),
                 expected.filter(QRegularExpression(QStringLiteral("^E:"))).size() > 0);
        // The maneuver named is the one marked in the editor.
        static const QRegularExpression named(QStringLiteral("^Maneuver (\\d+) "));
        for (const ConfigurationProblem &p : problems)
            QCOMPARE(p.maneuver, named.match(p.message).captured(1).toInt() - 1);
    }
};

QTEST_GUILESS_MAIN(TestConfigurationCheck)
#include "tst_configurationcheck.moc"
