#include "WrittenXml.h"
#include "images/ConfigurationCheck.h"
#include "model/MyXMLWriter.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTest>

namespace {

void fill(PanelConfiguration &core) {
    core.num_zones = 4;
    core.elements[1].type = Element::SounderBoard;
    core.maneuvers = {ManiobraConvencional({Event{2, 3, 2, 5}}, Action{1, 0, 1, 3, 0})};
}

QByteArray wrap(const char *zones) {
    return QByteArray("<?xml version=\"1.0\"?>\n<CONFIG><ZoneNames>\n") + zones +
           "\n</ZoneNames></CONFIG>\n";
}

} // namespace

class TestZoneNames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setZoneName_refusesWhatAFileCannotCarry_data();
    void setZoneName_refusesWhatAFileCannotCarry();
    void saveAndOpen_keepTheNames();
    void file_addsOnlyAnElementOlderReadersSkip();
    void read_badZoneRefusedWithPlace_data();
    void read_badZoneRefusedWithPlace();
    void check_warnsOfNameBeyondZones();
};

void TestZoneNames::setZoneName_refusesWhatAFileCannotCarry_data() {
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("32 characters") << 1 << QString(32, QLatin1Char('n')) << true;
    QTest::newRow("33 characters") << 1 << QString(33, QLatin1Char('n')) << false;
    QTest::newRow("not Latin-1 is fine") << 255 << QStringLiteral("Кухня ☃") << true;
    QTest::newRow("zone 0") << 0 << QStringLiteral("x") << false;
    QTest::newRow("zone 256") << 256 << QStringLiteral("x") << false;
    QTest::newRow("line break") << 2 << QStringLiteral("a\nb") << false;
}

void TestZoneNames::setZoneName_refusesWhatAFileCannotCarry() {
    QFETCH(int, zone);
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    PanelConfiguration core;
    core.setZoneName(1, QStringLiteral("old"));
    QCOMPARE(core.setZoneName(zone, name), accepted);
    QCOMPARE(PanelConfiguration::zoneNameProblem(zone, name).isEmpty(), accepted);
    if (zone == 1)
        QCOMPARE(core.zoneName(1), accepted ? name : QStringLiteral("old"));
}

void TestZoneNames::saveAndOpen_keepTheNames() {
    PanelConfiguration core;
    fill(core);
    QVERIFY(core.setZoneName(3, QStringLiteral("Cocina & \"comedor\" <1>")));
    QVERIFY(core.setZoneName(12, QString(32, QChar(0x00e9))));
    PanelConfiguration reopened;
    QString error;
    QVERIFY2(XmlConfigReader::readData(written(core), &reopened, &error), qPrintable(error));
    QVERIFY(reopened == core);
    QCOMPARE(reopened.zoneNames(), core.zoneNames());

    core.setZoneName(3, {});
    core.setZoneName(12, {});
    QVERIFY(!written(core).contains("ZoneNames")); // a file without names stays as it was
}

void TestZoneNames::file_addsOnlyAnElementOlderReadersSkip() {
    PanelConfiguration plain;
    fill(plain);
    PanelConfiguration named = plain;
    named.setZoneName(3, QStringLiteral("Kitchen"));
    QString withNames = QString::fromUtf8(written(named));

    // Older readers act on these names only, wherever they stand.
    static const QRegularExpression known(QStringLiteral(
        "<(CONFIG|GeneralConfig|WebServer|SMTP|Elements|Element|Maniobras|Maniobra|Event|"
        "Action)[ />]"));
    static const QRegularExpression block(QStringLiteral("\\s*<ZoneNames>.*</ZoneNames>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch added = block.match(withNames);
    QVERIFY(added.hasMatch());
    QVERIFY(!known.match(added.captured()).hasMatch());
    withNames.remove(added.capturedStart(), added.capturedLength());
    QCOMPARE(withNames, QString::fromUtf8(written(plain)));
}

void TestZoneNames::read_badZoneRefusedWithPlace_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a number") << wrap("<Zone number=\"x3\" name=\"a\"/>")
                                  << "line 3, column 28: element \"Zone\", attribute \"number\": "
                                     "\"x3\" is not a number";
    QTest::newRow("zone 0") << wrap("<Zone number=\"0\" name=\"a\"/>")
                            << "line 3, column 27: element \"Zone\", attribute \"number\": 0 "
                               "does not fit 1 to 255";
    QTest::newRow("no number") << wrap("<Zone name=\"a\"/>")
                               << "line 3, column 16: element \"Zone\" has no attribute \"number\"";
    QTest::newRow("too long")
        << wrap("<Zone number=\"2\" name=\"123456789012345678901234567890123\"/>")
        << "line 3, column 59: element \"Zone\": the name of zone 2 has 33 characters; at most 32";
}

void TestZoneNames::read_badZoneRefusedWithPlace() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, reason);
    PanelConfiguration core;
    core.setZoneName(5, QStringLiteral("kept"));
    QString error;
    QVERIFY(!XmlConfigReader::readData(xml, &core, &error));
    QCOMPARE(error, reason);
    QCOMPARE(core.zoneNames().size(), 1);
    // "Zone" means nothing outside "ZoneNames".
    QVERIFY(XmlConfigReader::readData("<CONFIG><Zone number=\"x\"/></CONFIG>", &core, &error));
}

void TestZoneNames::check_warnsOfNameBeyondZones() {
    PanelConfiguration core;
    fill(core);
    core.setZoneName(4, QStringLiteral("Last"));
    QVERIFY(ConfigurationCheck::check(core).isEmpty());
    core.setZoneName(5, QStringLiteral("Beyond"));
    const auto problems = ConfigurationCheck::check(core);
    QCOMPARE(problems.size(), 1);
    QVERIFY(!problems.first().isError());
    QCOMPARE(problems.first().message,
             QStringLiteral("Zone 5 is named \"Beyond\", but the panel has 4 zones"));
}

QTEST_GUILESS_MAIN(TestZoneNames)
#include "tst_zonenames.moc"
