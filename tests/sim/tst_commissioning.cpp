#include "SimulatedPanel.h"
#include "images/ConfigurationFingerprint.h"
#include "link/CmdConvencional.h"
#include "model/ConfigurationDiff.h"
#include "model/XmlConfigReader.h"

#include <memory>

namespace {

QString school() {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/school.xml");
}

} // namespace

// Compare and fingerprint against a simulated panel.
class TestCommissioning : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void download_equalsFileAndGivesSameFingerprint();

private:
    std::unique_ptr<SimulatedPanel> line;
    PanelCore file;
};

void TestCommissioning::init() {
    line = std::make_unique<SimulatedPanel>();
    SimulatedPanel &panel = *line;
    QVERIFY(panel.open());
    file = PanelConfiguration();
    QVERIFY(XmlConfigReader::readFile(school(), &file));
    file.setZoneName(3, QStringLiteral("Gimnasio"));
    panel.attach(file);
}

void TestCommissioning::download_equalsFileAndGivesSameFingerprint() {
    file.maneuvers.move(file.maneuvers.size() - 1, 0); // a logic maneuver first
    QVERIFY(file.uploadConfig());
    PanelCore downloaded;
    QVERIFY(file.downloadConfigInto(downloaded));
    QVERIFY(downloaded.maneuvers != file.maneuvers); // simple ones came back first
    QVERIFY(ConfigurationDiff::compare(file, downloaded, ConfigurationDiff::Scope::PanelHeld)
                .isEmpty());
    const QString fingerprint = ConfigurationFingerprint::of(file);
    QCOMPARE(fingerprint.size(), 19);
    QCOMPARE(ConfigurationFingerprint::of(downloaded), fingerprint);

    downloaded.maneuvers.first().delay += 1;
    QVERIFY(ConfigurationFingerprint::of(downloaded) != fingerprint);
    downloaded.maneuvers.first().delay -= 1;
    downloaded.smtp.Password.clear(); // set or not set counts; the password itself does not
    QVERIFY(ConfigurationFingerprint::of(downloaded) != fingerprint);
}

QTEST_GUILESS_MAIN(TestCommissioning)
#include "tst_commissioning.moc"
