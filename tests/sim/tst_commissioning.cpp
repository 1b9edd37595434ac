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

// Compare, fingerprint and trace against a simulated panel.
class TestCommissioning : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void download_equalsFileAndGivesSameFingerprint();
    void trace_ofUploadListsEveryExchangeWithoutPasswords();

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

void TestCommissioning::trace_ofUploadListsEveryExchangeWithoutPasswords() {
    SimulatedPanel &panel = *line;
    file.webServer.Pass = QStringLiteral("WebSecretXYZ");
    file.smtp.Password = QStringLiteral("MailSecretXYZ");
    panel.line.dropAnswer(3); // one exchange sent twice
    QVERIFY2(file.uploadConfig(), qPrintable(file.transferError()));

    const LinkTrace &trace = file.linkTrace();
    QCOMPARE(trace.transfer(), QStringLiteral("upload"));
    int sent = 0;
    int received = 0;
    for (const LinkTrace::Entry &e : trace.entries()) {
        sent += e.direction == LinkTrace::Direction::Sent;
        received += e.direction == LinkTrace::Direction::Received;
    }
    QCOMPARE(qsizetype(sent), panel.engine.requests().size());
    QCOMPARE(sent, 186);
    QCOMPARE(received, 185);
    QCOMPARE(trace.entries().first().meaning, QStringLiteral("begin upload"));
    QCOMPARE(trace.entries().last().meaning, QStringLiteral("answer to reset panel: accepted"));

    const QString text = trace.toText();
    for (const char *secret : {"WebSecretXYZ", "MailSecretXYZ"}) {
        const QByteArray bytes(secret);
        QVERIFY(!text.contains(QLatin1String(secret)));
        QVERIFY(!text.contains(QString::fromLatin1(bytes.left(4).toHex(' '))));
    }
    QCOMPARE(text.count(QLatin1String("web password, hidden")), 4); // 2 writes, 2 answers
    QVERIFY(text.contains(QLatin1String("no answer from panel")));
}

QTEST_GUILESS_MAIN(TestCommissioning)
#include "tst_commissioning.moc"
