#include "SimulatedPanel.h"
#include "images/ManeuverTableImage.h"
#include "images/PanelRecordsText.h"
#include "link/CmdConvencional.h"
#include "link/CommandCodec.h"
#include "model/XmlConfigReader.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

ManiobraConvencional simple(quint8 zone) {
    return ManiobraConvencional({Event{2, zone, 2, 5}}, Action{1, 0, 1, 3, quint16(zone * 2)});
}

ManiobraConvencional logic(quint8 firstZone) {
    return ManiobraConvencional({Event{2, firstZone, 2, 2}, Event{2, quint8(firstZone + 1), 2, 2}},
                                Action{6, 1, 7, 1, 0x1234});
}

// Logic maneuver second in the list; every kind of setting away from its default.
void fillMixed(PanelCore &core) {
    core.num_zones = 4;
    core.maneuvers = {simple(1), logic(2), simple(3), simple(4)};
    core.generalConfig = GeneralConfig{1, 1, 300, 2, 1};
    core.webServer.DHCP = 0;
    core.webServer.Login = 1;
    core.webServer.Language = 1;
    core.webServer.IP = 0xC0A80102;
    core.webServer.Netmask = 0xFFFFFF00;
    core.webServer.Gateway = 0xC0A80101;
    core.webServer.User = QString(32, QLatin1Char('u'));
    core.webServer.Pass = QStringLiteral("clave");
    core.smtp.Enable = 1;
    core.smtp.Port = 587;
    core.smtp.Auth = 1;
    core.smtp.Mask = 3;
    core.smtp.Host = QStringLiteral("smtp.example");
    core.smtp.InstallId = QStringLiteral("Edificio Río");
}

// Fills the panel's memory through a real upload of the mixed configuration.
bool uploadMixed(const SimulatedPanel &panel, PanelCore &source) {
    fillMixed(source);
    panel.attach(source);
    return source.uploadConfig();
}

QByteArray frame(const char *hex) {
    return QByteArray::fromHex(hex);
}

// Whether `text` is `pattern`, where '*' stands for any text.
bool matches(const QString &text, const QString &pattern) {
    QStringList parts = pattern.split(QLatin1Char('*'));
    for (QString &part : parts)
        part = QRegularExpression::escape(part);
    return QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QLatin1String(".*"))))
        .match(text)
        .hasMatch();
}

} // namespace

class TestPanelTransfers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void upload_sendsTheExactRequestSequence();
    void download_rebuildsSimpleThenLogicAndSettings();
    void download_survivesLineFaults_data();
    void download_survivesLineFaults();
    void transfer_failsWithReason_data();
    void transfer_failsWithReason();
    void download_failingHalfwayLeavesModelUnchanged();
    void upload_refusesWhatThePanelCannotHold_data();
    void upload_refusesWhatThePanelCannotHold();
    void progress_growsToMaximum_data();
    void progress_growsToMaximum();
    void transfer_refusedWhileAnotherRuns();
    void verify_catchesStoredDifference_data();
    void verify_catchesStoredDifference();
    void exchange_ignoresUnsupportedLineControl();
    void restore_putsBackEveryByteOfTheBackup();
};

void TestPanelTransfers::upload_sendsTheExactRequestSequence() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore core;
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), &core));
    panel.attach(core);
    QVERIFY2(core.uploadConfig(), qPrintable(core.transferError()));
    QVERIFY(!core.cmd->isOpen());
    QVERIFY(!core.panelPartlyWritten());

    QList<QByteArray> expected;
    expected << CommandCodec::beginUpload() << CommandCodec::eraseTable(0);
    for (int k = 0; k < 18; ++k)
        expected << CommandCodec::writeRecord(0, quint8(k), panel.engine.record(0, k));
    for (int t = 1; t <= 4; ++t)
        expected << CommandCodec::eraseTable(quint8(t));
    for (int n = 0; n < 135; ++n) {
        const auto at = ManeuverTableImage::logicRecordAddress(n);
        expected << CommandCodec::writeRecord(quint8(at.table), quint8(at.record),
                                              panel.engine.record(at.table, at.record));
    }
    expected << CommandCodec::eraseTable(6)
             << CommandCodec::writeRecord(6, 0, panel.engine.record(6, 0))
             << CommandCodec::eraseTable(7);
    for (int k = 0; k < 22; ++k)
        expected << CommandCodec::writeRecord(7, quint8(k), panel.engine.record(7, k));
    expected << CommandCodec::resetPanel();
    QCOMPARE(panel.engine.requests().size(), 185);
    QCOMPARE(panel.engine.requests(), expected);

    // The stored records, from the file's values.
    QCOMPARE(panel.engine.record(0, 0).toHex(' '),
             frame("02020105 01010003 003c 02020206 0101").toHex(' '));
    QCOMPARE(panel.engine.record(6, 0).toHex(' '),
             frame("01003a98030100000000000000000000").toHex(' '));
    QCOMPARE(panel.engine.record(7, 0).toHex(' '),
             frame("5a5a000ec0a80a32c0a80a01ffffff00").toHex(' '));
    QCOMPARE(panel.engine.record(5, 6), QByteArray(16, '\0'));
    QCOMPARE(panel.engine.resets(), 1);

    // On the wire, with flags, checksums and escapes.
    const QByteArray wire = panel.line.receivedBytes();
    QVERIFY(wire.startsWith(frame("7e0000011200137e") + frame("7e0000010f00107e")));
    QVERIFY(wire.contains(frame("7e0000010f07177e")));
    QVERIFY(wire.endsWith(frame("7e0000010100027e")));
}

void TestPanelTransfers::download_rebuildsSimpleThenLogicAndSettings() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore source;
    QVERIFY2(uploadMixed(panel, source), qPrintable(source.transferError()));

    PanelCore target;
    target.num_zones = 8;
    target.elements[1].type = Element::RelayBoard;
    target.maneuvers = {simple(7)};
    panel.attach(target);
    panel.line.clearReceivedBytes();
    QVERIFY(target.checkConnection());
    QCOMPARE(panel.line.receivedBytes().toHex(' '), frame("7e000001110600187e").toHex(' '));
    QCOMPARE(target.panelGeneralConfig(), source.generalConfig);
    QCOMPARE(target.generalConfig, GeneralConfig()); // a check changes nothing
    QVERIFY2(target.downloadConfig(), qPrintable(target.transferError()));
    QVERIFY(!target.cmd->isOpen());
    QCOMPARE(target.maneuvers,
             (QList<ManiobraConvencional>{simple(1), simple(3), simple(4), logic(2)}));
    QCOMPARE(target.generalConfig, source.generalConfig);
    QCOMPARE(target.webServer, source.webServer);
    QCOMPARE(target.smtp, source.smtp);
    // Not in the panel's memory: left alone.
    QCOMPARE(target.num_zones, 8);
    QCOMPARE(target.elements[1].type, quint8(Element::RelayBoard));
}

void TestPanelTransfers::download_survivesLineFaults_data() {
    QTest::addColumn<int>("pieceBytes");
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<QByteArray>("noise");
    QTest::addColumn<int>("corrupt");
    QTest::addColumn<int>("drop");
    QTest::newRow("answers in pieces with pauses") << 4 << 2 << QByteArray() << -1 << -1;
    QTest::newRow("stale bytes before each answer")
        << 0 << 0 << QByteArray::fromHex("00ff7d1155") << -1 << -1;
    QTest::newRow("three corrupted answers in a row") << 0 << 0 << QByteArray() << 7 << -1;
    QTest::newRow("one missing answer") << 0 << 0 << QByteArray() << -1 << 40;
}

void TestPanelTransfers::download_survivesLineFaults() {
    QFETCH(int, pieceBytes);
    QFETCH(int, pauseMs);
    QFETCH(QByteArray, noise);
    QFETCH(int, corrupt);
    QFETCH(int, drop);
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore source;
    QVERIFY(uploadMixed(panel, source));

    const int first = panel.line.requestCount();
    panel.line.setAnswerPieces(pieceBytes, pauseMs);
    panel.line.setNoiseBeforeAnswer(noise);
    for (int n = 0; corrupt >= 0 && n < 3; ++n)
        panel.line.corruptAnswer(first + corrupt + n);
    if (drop >= 0)
        panel.line.dropAnswer(first + drop);
    PanelCore target;
    panel.attach(target, 200);
    QVERIFY2(target.downloadConfig(), qPrintable(target.transferError()));
    const int resent = corrupt >= 0 ? 3 : drop >= 0 ? 1 : 0;
    QCOMPARE(panel.line.requestCount() - first, 182 + resent);
    QCOMPARE(target.maneuvers.size(), 4);
    QCOMPARE(target.maneuvers.last(), logic(2));
    QCOMPARE(target.generalConfig, source.generalConfig);
    QCOMPARE(target.webServer, source.webServer);
    QCOMPARE(target.smtp, source.smtp);
}

void TestPanelTransfers::transfer_failsWithReason_data() {
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("hangUpAfter"); // requests answered before the line goes
    QTest::addColumn<QString>("port");    // the simulator's unless given
    QTest::addColumn<QString>("stopAt");  // the step during which the user stops
    QTest::addColumn<QString>("reason");  // '*' for any text
    QTest::addColumn<bool>("partlyWritten");
    QTest::newRow("panel refuses writes")
        << "upload" << 5 << false << -1 << ""
        << ""
        << "The panel refused the command with status 5: * Details: panel refused with status 5 "
           "(erase table 0)"
        << true;
    QTest::newRow("silent panel on check")
        << "check" << 0 << true << -1 << ""
        << ""
        << "The panel did not answer: check the cable, the port and that the panel is powered. "
           "Details: no answer from panel within 0.2 s (read table 6 record 0, sent 2 times)"
        << false;
    QTest::newRow("silent panel on upload")
        << "upload" << 0 << true << -1 << ""
        << ""
        << "The panel did not answer: * (erase table 0, sent 2 times)" << true;
    QTest::newRow("USB unplugged during download")
        << "download" << 0 << false << 40 << ""
        << ""
        << "The connection to the panel was lost (USB adapter unplugged?): * Details: lost * "
           "(read table 1 record 22)"
        << false;
    QTest::newRow("USB unplugged at begin upload")
        << "upload" << 0 << false << 0 << ""
        << ""
        << "The connection to the panel was lost * (begin upload)" << false;
    QTest::newRow("USB unplugged mid-table")
        << "upload" << 0 << false << 60 << ""
        << ""
        << "The connection to the panel was lost * (write table 2 record 4)" << true;
    QTest::newRow("interrupted mid-table")
        << "upload" << 0 << false << -1 << ""
        << "write table 1 record 7: logic maneuvers"
        << "The transfer was interrupted by the user. Details: stopped after write table 1 "
           "record 7"
        << true;
    QTest::newRow("interrupted at begin upload")
        << "upload" << 0 << false << -1 << ""
        << "begin upload"
        << "The transfer was interrupted by the user. Details: stopped after begin upload" << false;
    QTest::newRow("USB unplugged before the reset")
        << "upload" << 0 << false << 184 << ""
        << ""
        << "The connection to the panel was lost * (reset panel)" << true;
    QTest::newRow("port that does not exist")
        << "download" << 0 << false << -1 << "/nonexistent/mrb500"
        << ""
        << "Serial port /nonexistent/mrb500 does not exist: * Details: cannot open "
           "/nonexistent/mrb500: *"
        << false;
    QTest::newRow("no port chosen") << "upload" << 0 << false << -1 << "unchosen"
                                    << ""
                                    << "no serial port chosen" << false;
}

void TestPanelTransfers::transfer_failsWithReason() {
    QFETCH(QString, transfer);
    QFETCH(int, status);
    QFETCH(bool, silent);
    QFETCH(int, hangUpAfter);
    QFETCH(QString, port);
    QFETCH(QString, stopAt);
    QFETCH(QString, reason);
    QFETCH(bool, partlyWritten);
    SimulatedPanel panel;
    QVERIFY(panel.open());
    panel.engine.setRefusalStatus(quint8(status));
    PtyPanel::Faults faults;
    faults.silent = silent;
    panel.line.setFaults(faults);
    panel.line.setHangUpAfter(hangUpAfter);

    PanelCore core;
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), &core));
    PanelConfiguration copy = core;
    panel.attach(core, 200);
    if (!port.isEmpty()) {
        SerialSettings s = panel.settings();
        s.name = port;
        s.portSelected = port != QLatin1String("unchosen");
        core.setSerialSettings(s);
        core.cmd->setAnswerTimeout(DriverSerieHdlc::DefaultAnswerTimeoutMs);
    }
    // As Ctrl-C would, while the panel has the request.
    connect(&core, &PanelCore::transferStep, this, [&](const QString &step) {
        if (step == stopAt)
            core.requestStop();
    });
    QElapsedTimer clock;
    clock.start();
    const bool ok = transfer == QLatin1String("upload")  ? core.uploadConfig()
                    : transfer == QLatin1String("check") ? core.checkConnection()
                                                         : core.downloadConfig();
    QVERIFY(!ok);
    QVERIFY2(matches(core.transferError(), reason), qPrintable(core.transferError()));
    QCOMPARE(core.panelPartlyWritten(), partlyWritten);
    QVERIFY(!core.cmd->isOpen());
    QVERIFY(core == copy);
    if (!port.isEmpty()) {
        QVERIFY2(clock.elapsed() < DriverSerieHdlc::DefaultAnswerTimeoutMs / 2,
                 "a port that cannot be used must not wait for an answer");
        QTest::qWait(50);
        QCOMPARE(panel.line.requestCount(), 0);
    }
}

void TestPanelTransfers::download_failingHalfwayLeavesModelUnchanged() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore other;
    QVERIFY(uploadMixed(panel, other));

    PanelCore core;
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), &core));
    PanelConfiguration copy = core;
    panel.attach(core, 150);
    const int first = panel.line.requestCount();
    panel.line.dropAnswer(first + 100); // the request and its resend
    panel.line.dropAnswer(first + 101);
    QVERIFY(!core.downloadConfig());
    QVERIFY2(
        matches(core.transferError(), QStringLiteral("The panel did not answer: * "
                                                     "(read table 3 record 18, sent 2 times)")),
        qPrintable(core.transferError()));
    QVERIFY(core == copy);
    QVERIFY(!core.cmd->isOpen());

    // The same model downloads fine once the panel answers again.
    QVERIFY2(core.downloadConfig(), qPrintable(core.transferError()));
    QCOMPARE(core.maneuvers.size(), 4);
}

void TestPanelTransfers::upload_refusesWhatThePanelCannotHold_data() {
    QTest::addColumn<int>("simpleCount");
    QTest::addColumn<int>("events");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("29 simple maneuvers") << 29 << 1 << QString() << "29 simple maneuvers";
    QTest::newRow("13 events") << 1 << 13 << QString() << "13 events";
    QTest::newRow("maneuver without events") << 1 << 0 << QString() << "has no event";
    QTest::newRow("33-character text")
        << 1 << 1 << QString(33, QLatin1Char('x')) << "33 characters";
    QTest::newRow("text outside Latin-1") << 1 << 1 << QStringLiteral("ab€") << "Latin-1";
}

void TestPanelTransfers::upload_refusesWhatThePanelCannotHold() {
    QFETCH(int, simpleCount);
    QFETCH(int, events);
    QFETCH(QString, userName);
    QFETCH(QString, reason);
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore core;
    core.num_zones = 12;
    for (int i = 0; i < simpleCount; ++i)
        core.maneuvers << simple(quint8(1 + i % 12));
    QList<Event> list;
    for (int i = 0; i < events; ++i)
        list << Event{2, quint8(1 + i % 12), 2, 1};
    core.maneuvers.first().events = list;
    core.webServer.User = userName;
    panel.attach(core);
    QVERIFY(!core.uploadConfig());
    QVERIFY2(core.transferError().contains(reason), qPrintable(core.transferError()));
    QTest::qWait(50);
    QVERIFY(panel.line.receivedBytes().isEmpty());
}

void TestPanelTransfers::progress_growsToMaximum_data() {
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<bool>("fails");
    QTest::newRow("upload with verify") << "upload" << false;
    QTest::newRow("download") << "download" << false;
    QTest::newRow("check") << "check" << false;
    QTest::newRow("failed download") << "download" << true;
}

void TestPanelTransfers::progress_growsToMaximum() {
    QFETCH(QString, transfer);
    QFETCH(bool, fails);
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore core;
    fillMixed(core);
    core.setVerifyAfterUpload(true);
    panel.attach(core, 150);
    if (fails) {
        panel.line.dropAnswer(90);
        panel.line.dropAnswer(91);
    }
    QSignalSpy up(&core, &PanelCore::progressUp);
    QSignalSpy down(&core, &PanelCore::progress);
    const bool upload = transfer == QLatin1String("upload");
    const bool ok = upload                               ? core.uploadConfig()
                    : transfer == QLatin1String("check") ? core.checkConnection()
                                                         : core.downloadConfig();
    QCOMPARE(ok, !fails);
    QCOMPARE((upload ? down : up).size(), 0);
    const QSignalSpy &spy = upload ? up : down;
    QVERIFY(spy.size() >= 2);
    QCOMPARE(spy.first().first().toInt(), 0);
    for (qsizetype i = 1; i < spy.size(); ++i)
        QVERIFY2(spy.at(i).first().toInt() > spy.at(i - 1).first().toInt(),
                 "progress went backwards or stood still");
    const int last = spy.last().first().toInt();
    QVERIFY(fails ? last < PanelCore::ProgressMaximum : last == PanelCore::ProgressMaximum);
}

void TestPanelTransfers::transfer_refusedWhileAnotherRuns() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore core;
    fillMixed(core);
    panel.attach(core);
    // Progress is reported while the download waits for the panel, as any event would be.
    QList<bool> nested;
    QString nestedReason;
    connect(&core, &PanelCore::progress, this, [&](int value) {
        if (value != 50)
            return;
        nested << core.uploadConfig() << core.checkConnection() << core.downloadConfig();
        nestedReason = core.transferError();
    });
    QVERIFY2(core.downloadConfig(), qPrintable(core.transferError()));
    QCOMPARE(nested, (QList<bool>{false, false, false}));
    QCOMPARE(nestedReason, QStringLiteral("a transfer with the panel is already running"));
    QCOMPARE(core.transferError(), QString());
    QCOMPARE(panel.line.requestCount(), 182);
}

void TestPanelTransfers::verify_catchesStoredDifference_data() {
    QTest::addColumn<bool>("flip");
    QTest::addColumn<bool>("verify");
    QTest::addColumn<QString>("reason");
    QTest::newRow("faithful panel") << false << true << "";
    QTest::newRow("flipped bit unnoticed without verify") << true << false << "";
    QTest::newRow("flipped bit caught")
        << true << true
        << "the panel holds 0x00 at byte 15 where 0x01 was written (verify table 0 record 0)";
}

void TestPanelTransfers::verify_catchesStoredDifference() {
    QFETCH(bool, flip);
    QFETCH(bool, verify);
    QFETCH(QString, reason);
    SimulatedPanel panel;
    QVERIFY(panel.open());
    panel.engine.setFlipStored(flip);
    PanelCore core;
    fillMixed(core);
    core.maneuvers.first().events.first().evt_blk_prt = 9;
    core.maneuvers[1] = simple(0x0b);
    core.setVerifyAfterUpload(verify);
    panel.attach(core);
    const bool ok = core.uploadConfig();
    QCOMPARE(core.transferError(), reason);
    QCOMPARE(ok, reason.isEmpty());
    QCOMPARE(panel.engine.resets(), ok ? 1 : 0);
}

void TestPanelTransfers::exchange_ignoresUnsupportedLineControl() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    CmdConvencional cmd;
    QVERIFY(cmd.configurePort(panel.settings()));
    // A pseudo-terminal has no DTR, as some adapters lack a line control: the error that
    // leaves behind does not mean the port is lost.
    QVERIFY(!cmd.serial->setDataTerminalReady(true));
    QByteArray record;
    QVERIFY2(cmd.readRecord(6, 0, record), qPrintable(cmd.errorString()));
}

void TestPanelTransfers::restore_putsBackEveryByteOfTheBackup() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore source;
    QVERIFY(uploadMixed(panel, source));
    // What no configuration file carries: a bell in the web user, an action code without a
    // description, and the records of table 6 that the panel keeps for itself.
    panel.engine.setRecord(7, 2, QByteArray("Site\x07"));
    QByteArray first = panel.engine.record(0, 0);
    first[7] = char(0x99);
    panel.engine.setRecord(0, 0, first);
    for (int k = 1; k <= 6; ++k)
        panel.engine.setRecord(6, k, QByteArray(16, char(0xa0 + k)));
    const PanelRecords original = panel.engine.memory();

    PanelCore core;
    panel.attach(core);
    QVERIFY2(core.downloadConfig(), qPrintable(core.transferError()));
    QCOMPARE(core.lastReadRecords(), original);
    PanelRecords backup;
    QString error;
    QVERIFY(
        PanelRecordsText::decode(PanelRecordsText::encode(core.lastReadRecords()), backup, &error));

    PanelCore other;
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), &other));
    panel.attach(other);
    QVERIFY(other.uploadConfig());
    QVERIFY(panel.engine.memory() != original);

    PanelRecords incomplete = backup;
    incomplete.removeTable(7);
    QVERIFY(!core.restoreRecords(incomplete));
    QCOMPARE(core.transferError(),
             QStringLiteral("these records cannot be restored: table 7 record 0 is missing"));
    panel.engine.clearRequests();
    QVERIFY2(core.restoreRecords(backup), qPrintable(core.transferError()));
    QCOMPARE(panel.engine.memory(), original);
    QCOMPARE(panel.engine.requests().size(), 1 + 7 + 182 + 182 + 1); // read back, then reset
    QCOMPARE(panel.engine.resets(), 3);
}

QTEST_GUILESS_MAIN(TestPanelTransfers)
#include "tst_paneltransfers.moc"
