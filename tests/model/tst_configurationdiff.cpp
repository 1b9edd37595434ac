#include "model/ConfigurationDiff.h"
#include "model/PanelConfiguration.h"

#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(PanelConfiguration &)>;
using Area = ConfigurationField::Area;
using Kind = ConfigurationDifference::Kind;

ManiobraConvencional zoneAlarm(quint8 zone, quint16 delay = 0) {
    return ManiobraConvencional({Event{2, zone, 2, 5}}, Action{1, 0, 1, 3, delay});
}

ManiobraConvencional twoZones(quint8 first) {
    return ManiobraConvencional({Event{2, first, 2, 2}, Event{2, quint8(first + 1), 2, 2}},
                                Action{6, 1, 7, 1, 10});
}

void fill(PanelConfiguration &core) {
    core.num_zones = 4;
    core.elements[0].type = Element::RelayBoard;
    core.setZoneName(3, QStringLiteral("Kitchen"));
    core.webServer.Login = 1;
    core.webServer.User = QStringLiteral("admin");
    core.webServer.Pass = QStringLiteral("s3cret-web");
    core.smtp.Enable = 1;
    core.smtp.Password = QStringLiteral("s3cret-mail");
    core.maneuvers = {zoneAlarm(1), twoZones(2), zoneAlarm(3, 40)};
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestConfigurationDiff : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void compare_findsEachKindOfDifference_data();
    void compare_findsEachKindOfDifference();
    void compare_ignoresManeuverOrder();
};

void TestConfigurationDiff::compare_findsEachKindOfDifference_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text"); // a part of the line

    auto row = [](const char *name, Change change, Area area, Kind kind, const char *text) {
        QTest::newRow(name) << change << int(area) << int(kind) << QString::fromUtf8(text);
    };
    row(
        "web password", [](PanelConfiguration &c) { c.webServer.Pass = QStringLiteral("other"); },
        Area::WebServer, Kind::Changed, "Web password changed");
    row(
        "control characters shown escaped",
        [](PanelConfiguration &c) { c.smtp.InstallId = QStringLiteral("Aula\a\x7f"); }, Area::Email,
        Kind::Changed, "Installation name changed from \"\" to \"Aula\\x07\\x7f\"");
    row(
        "zone name renamed",
        [](PanelConfiguration &c) { c.setZoneName(3, QStringLiteral("Hall")); }, Area::ZoneNames,
        Kind::Changed, "Zone 3 changed from \"Kitchen\" to \"Hall\"");
    row(
        "maneuver added", [](PanelConfiguration &c) { c.maneuvers.append(twoZones(3)); },
        Area::Maneuvers, Kind::Added,
        "added Cualquier alarma en zona 3 - Cualquier alarma en zona 4 =>");
    row(
        "maneuver trigger", [](PanelConfiguration &c) { c.maneuvers[2].events[0].evt_type = 6; },
        Area::Maneuvers, Kind::Changed, "[zone 3 Kitchen]");
}

void TestConfigurationDiff::compare_findsEachKindOfDifference() {
    QFETCH(Change, change);
    QFETCH(int, area);
    QFETCH(int, kind);
    QFETCH(QString, text);
    PanelConfiguration before;
    fill(before);
    PanelConfiguration after = before;
    change(after);
    QVERIFY(after != before);

    const QList<ConfigurationDifference> found = ConfigurationDiff::compare(before, after);
    QCOMPARE(found.size(), 1);
    QCOMPARE(int(found.first().area), area);
    QCOMPARE(int(found.first().kind), kind);
    const QString line = found.first().text();
    QVERIFY2(line.contains(text), qPrintable(line));
    for (const char *secret : {"s3cret", "other"})
        QVERIFY2(!line.contains(QLatin1String(secret)), qPrintable(line));
    QVERIFY(ConfigurationDiff::compare(after, after).isEmpty());
}

void TestConfigurationDiff::compare_ignoresManeuverOrder() {
    PanelConfiguration file;
    fill(file);
    file.maneuvers.append(zoneAlarm(1)); // a duplicate counts twice
    PanelConfiguration panel = file;
    // As the panel gives them back: simple ones first.
    panel.maneuvers = {zoneAlarm(1), zoneAlarm(3, 40), zoneAlarm(1), twoZones(2)};
    QVERIFY(ConfigurationDiff::compare(file, panel).isEmpty());

    panel.maneuvers.removeAt(2);
    const auto found = ConfigurationDiff::compare(file, panel);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().kind, Kind::Removed);
}

QTEST_GUILESS_MAIN(TestConfigurationDiff)
#include "tst_configurationdiff.moc"
