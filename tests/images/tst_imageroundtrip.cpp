#include "images/ImageRoundTrip.h"

#include <QTest>

#include <functional>

namespace {

struct Configuration {
    QList<ManiobraConvencional> maneuvers;
    GeneralConfig general;
    WebServerConfig web;
    SmtpConfig smtp;
};
using Setup = std::function<void(Configuration &)>;

// Detector alarms in the given zones; zone 0 gives an event whose block is 0.
ManiobraConvencional sounders(const QList<int> &zones) {
    QList<Event> events;
    for (int zone : zones)
        events << (zone ? Event{2, quint8(zone), 2, 5} : Event{});
    return ManiobraConvencional(events, Action{1, 0, 1, 3, 0});
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestImageRoundTrip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void losses_nameWhatThePanelWouldRead_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("expected"); // "index[ text]: message"

        QTest::newRow("what the panel holds") << Setup([](Configuration &c) {
            c.maneuvers = {sounders({1}), sounders({2, 3}), sounders(QList<int>(12, 4))};
            c.general = GeneralConfig{1, 1, 65535, 3, 3};
            c.web.DHCP = 1;
            c.web.User = QString(32, QLatin1Char('u'));
            c.smtp.Enable = 1;
            c.smtp.InstallId = QStringLiteral("Edificio Río");
        }) << QStringList{};
        QTest::newRow("event block 0 ends the simple table")
            << Setup([](Configuration &c) {
                   c.maneuvers = {sounders({1}), sounders({0}), sounders({2, 3}), sounders({4})};
               })
            << QStringList{"1: Maneuver 2 ( => Activar sirenas del panel): the panel would read "
                           "the end of its simple maneuver table here, so these maneuvers would "
                           "be lost: 2, 4"};
        QTest::newRow("first event block 0 drops a logic maneuver")
            << Setup([](Configuration &c) {
                   c.maneuvers = {sounders({0, 2})};
               })
            << QStringList{"0: Maneuver 1 ( - Alarma de detector en zona 2 => Activar sirenas "
                           "del panel): the panel would find no event in its record and drop the "
                           "maneuver"};
        QTest::newRow("later event block 0 keeps the events before it")
            << Setup([](Configuration &c) {
                   c.maneuvers = {sounders({1, 0, 3})};
               })
            << QStringList{"0: Maneuver 1 (Alarma de detector en zona 1 -  - Alarma de detector "
                           "en zona 3 => Activar sirenas del panel): the panel would read the end "
                           "of its event list early and keep only Alarma de detector en zona 1"};
        QTest::newRow("no record form: left to the check") << Setup([](Configuration &c) {
            c.maneuvers = {sounders({}), sounders(QList<int>(13, 0)), sounders({1})};
        }) << QStringList{};
        QTest::newRow("Enable 2 reads back as 1")
            << Setup([](Configuration &c) { c.smtp.Enable = 2; })
            << QStringList{"-1: SMTP Enable is 2; the panel would read 1"};
        QTest::newRow("zero character cuts a text")
            << Setup([](Configuration &c) {
                   c.web.Pass = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
               })
            << QStringList{"-1 text: WebServer Pass would not reach the panel whole: it would keep "
                           "only its first 2 characters"};
    }
    void losses_nameWhatThePanelWouldRead() {
        QFETCH(Setup, setup);
        QFETCH(QStringList, expected);
        Configuration c;
        setup(c);
        QStringList found;
        for (const ImageRoundTrip::Loss &loss :
             ImageRoundTrip::losses(c.maneuvers, c.general, c.web, c.smtp))
            found << QStringLiteral("%1%2: %3")
                         .arg(loss.maneuver)
                         .arg(loss.text ? QStringLiteral(" text") : QString(), loss.message);
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(TestImageRoundTrip)
#include "tst_imageroundtrip.moc"
