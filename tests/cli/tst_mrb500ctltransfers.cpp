#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "CtlProcess.h"
#include "images/PanelRecordsText.h"

#include <csignal>

namespace {

PanelRecords recordsIn(const QString &memoryFile) {
    QFile file(memoryFile);
    PanelRecords records;
    QString error;
    if (!file.open(QIODevice::ReadOnly) ||
        !PanelRecordsText::decode(file.readAll(), records, &error))
        qWarning() << memoryFile << error;
    return records;
}

} // namespace

// mrb500ctl's transfer commands against the simulator program, as a user runs them.
class TestMrb500CtlTransfers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void download_dhcpPanel_keepsTheStaticAddress();
    void upload_backsUpAndTraces_thenDownloadAndDiffAgree();
    void commands_exitAndReport_data();
    void commands_exitAndReport();
    void fullDisk_keepsTheFileAndThePanel_data();
    void fullDisk_keepsTheFileAndThePanel();
    void interrupted_closesThePortAndSaysWhatThePanelHolds_data();
    void interrupted_closesThePortAndSaysWhatThePanelHolds();
    void oddPanel_backedUpAndRestoredByteForByte();

private:
    bool startSimulator(const QStringList &options = {});

    QTemporaryDir dir;
    QProcess simulator;
    QString port;
};

bool TestMrb500CtlTransfers::startSimulator(const QStringList &options) {
    port = dir.filePath(QStringLiteral("panel"));
    simulator.start(QStringLiteral(MRB500_PANELSIM),
                    QStringList{QStringLiteral("--link"), port} + options);
    if (!simulator.waitForStarted() || !simulator.waitForReadyRead(5000))
        return false;
    return simulator.readLine().startsWith("/dev/");
}

void TestMrb500CtlTransfers::init() {
    QVERIFY(dir.isValid());
}

void TestMrb500CtlTransfers::cleanup() {
    simulator.terminate();
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFileInfo::exists(port)); // the link goes with the simulator
}

void TestMrb500CtlTransfers::download_dhcpPanel_keepsTheStaticAddress() {
    // Web record 0: marker, language 0, DHCP on, 192.168.10.50 via 192.168.10.1 /24.
    const QString memory = dir.filePath(QStringLiteral("dhcp.mem"));
    QFile file(memory);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("7 0 5a5a0001c0a80a32c0a80a01ffffff00\n");
    file.close();
    QVERIFY(startSimulator({QStringLiteral("--memory"), memory}));
    const QString copy = dir.filePath(QStringLiteral("copy.xml"));
    QCOMPARE(ctl({QStringLiteral("download"), copy, QStringLiteral("--port"), port}).exitCode, 0);
    QFile written(copy);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray xml = written.readAll();
    QVERIFY2(xml.contains("DHCP=\"1\" IP=\"3232238130\" Gateway=\"3232238081\" "
                          "Netmask=\"4294967040\""),
             xml.constData());
}

void TestMrb500CtlTransfers::upload_backsUpAndTraces_thenDownloadAndDiffAgree() {
    QVERIFY(startSimulator());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const Run up = ctl({QStringLiteral("upload"), example("school.xml"), QStringLiteral("--port"),
                        port, QStringLiteral("--show-changes"), QStringLiteral("--trace"), trace,
                        QStringLiteral("--verify")}); // accepted for older scripts
    QCOMPARE(up.err, QString());
    QCOMPARE(up.exitCode, 0);
    const QString backups = dir.filePath(QStringLiteral("data/mrb500-configurator/backups/"));
    QVERIFY2(up.out.startsWith(QStringLiteral("backup of the panel saved as ") + backups),
             qPrintable(up.out));
    QVERIFY2(up.out.contains(QLatin1String("Changes to be written to the panel:\n  General "
                                           "options: Alarm confirmation changed from \"off\" to "
                                           "\"on\"\n")),
             qPrintable(up.out));
    QVERIFY(up.out.contains(QLatin1String("Web server: Web password changed\n")));
    QVERIFY(!up.out.contains(QLatin1String("Pr0tecci0n")));

    QFile traced(trace);
    QVERIFY(traced.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(traced.readAll());
    QVERIFY(text.startsWith(QLatin1String("# download, started ")));
    QVERIFY(text.contains(QLatin1String("\n# upload, started ")));
    QCOMPARE(text.count(QLatin1String("\tsent\t")), 182 + 185 + 176); // backup, upload, verify
    QVERIFY(!text.contains(QLatin1String("Pr0tecci0n")));

    // Now equal: nothing left to write; download, check and diff agree.
    const Run again =
        ctl({QStringLiteral("upload"), example("school.xml"), QStringLiteral("--port"), port,
             QStringLiteral("--show-changes"), QStringLiteral("--no-backup")});
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(again.out.startsWith(QLatin1String("The panel already holds this configuration.\n")),
             qPrintable(again.out));
    const QString copy = dir.filePath(QStringLiteral("copy.xml"));
    const Run down = ctl({QStringLiteral("download"), copy, QStringLiteral("--port"), port,
                          QStringLiteral("--base"), example("school.xml")});
    QCOMPARE(down.err, QString());
    QCOMPARE(down.exitCode, 0);
    QCOMPARE(ctl({QStringLiteral("dump"), copy}).out,
             ctl({QStringLiteral("dump"), example("school.xml")}).out);
    const Run check = ctl({QStringLiteral("check"), QStringLiteral("--port"), port});
    QCOMPARE(check.exitCode, 0);
    QVERIFY2(check.out.contains(QLatin1String("delay_confirmation 15000")), qPrintable(check.out));
    const Run diff =
        ctl({QStringLiteral("diff"), example("school.xml"), QStringLiteral("--port"), port});
    QCOMPARE(diff.out, QStringLiteral("No differences.\n"));
    QCOMPARE(diff.exitCode, 0);
    QCOMPARE(
        ctl({QStringLiteral("diff"), example("shop.xml"), QStringLiteral("--port"), port}).exitCode,
        1);
    // The panel's maneuvers are named with the file's zone names, as the window's are.
    QFile school(example("school.xml"));
    QVERIFY(school.open(QIODevice::ReadOnly));
    QFile named(dir.filePath(QStringLiteral("named.xml")));
    QVERIFY(named.open(QIODevice::WriteOnly));
    named.write(school.readAll()
                    .replace("<Maniobras>", "<ZoneNames><Zone number=\"1\" name=\"Gimnasio\"/>"
                                            "</ZoneNames><Maniobras>")
                    .replace("delay=\"60\"", "delay=\"62\""));
    named.close();
    const Run renamed =
        ctl({QStringLiteral("diff"), named.fileName(), QStringLiteral("--port"), port});
    QCOMPARE(renamed.out.count(QLatin1String("[zone 1 Gimnasio]")), 2);
}

void TestMrb500CtlTransfers::commands_exitAndReport_data() {
    QTest::addColumn<QStringList>("simulatorOptions");
    QTest::addColumn<QStringList>("arguments"); // PORT and DIR are replaced
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    const QString school = example("school.xml");
    // The link's own advice first; going on without a backup (--no-backup) would not help.
    QTest::newRow("port that does not exist")
        << QStringList() << QStringList{"upload", school, "--port", "DIR/none"} << 1
        << "mrb500ctl: Serial port DIR/none does not exist: check that the USB adapter is "
           "plugged in, then choose the port again. Details: cannot open DIR/none: No such "
           "file or directory; no backup was taken\n";
    QTest::newRow("USB unplugged during download")
        << QStringList{"--hang-up-after", "40"}
        << QStringList{"download", "DIR/out.xml", "--port", "PORT"} << 1
        << "mrb500ctl: The connection to the panel was lost (USB adapter unplugged?): ";
    // Refused before the panel is even read: a silent one would make it wait.
    QTest::newRow("event block 0 refused")
        << QStringList{"--silent"} << QStringList{"upload", "DIR/zero.xml", "--port", "PORT"} << 1
        << "mrb500ctl: the panel cannot hold this configuration: Maneuver 2 (";
    QTest::newRow("upload verifies by default")
        << QStringList{"--flip-stored"} << QStringList{"upload", school, "--port", "PORT"} << 1
        << "mrb500ctl: the panel holds";
    QTest::newRow("upload with a warning and --no-verify still writes")
        << QStringList{"--flip-stored"}
        << QStringList{"upload", "DIR/4-zones.xml", "--port", "PORT", "--no-backup", "--no-verify"}
        << 0 << "mrb500ctl: warning: Maneuver 1 uses zone 5, but the panel has 4 zones\n";
    QTest::newRow("upload of a maneuver without Action")
        << QStringList() << QStringList{"upload", "DIR/no-action.xml", "--port", "PORT"} << 1
        << "mrb500ctl: DIR/no-action.xml cannot go to the panel: Maneuver 1 has no \"Action\" "
           "element (line 1)\n";
    QTest::newRow("download into a missing directory")
        << QStringList() << QStringList{"download", "DIR/no/such/out.xml", "--port", "PORT"} << 2
        << "mrb500ctl: cannot write DIR/no/such/out.xml\n";
}

void TestMrb500CtlTransfers::commands_exitAndReport() {
    QFETCH(QStringList, simulatorOptions);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QVERIFY(startSimulator(simulatorOptions));
    QFile fourZones(dir.filePath(QStringLiteral("4-zones.xml")));
    QVERIFY(fourZones.open(QIODevice::WriteOnly));
    fourZones.write("<CONFIG><GeneralConfig num_zones=\"4\"/><Maniobra><Event evt_blk=\"2\" "
                    "evt_blk_prt=\"5\" evt_blk_type=\"2\" evt_type=\"2\"/><Action act_blk=\"1\" "
                    "act_blk_port=\"0\" act_blk_type=\"1\" act_type=\"3\"/></Maniobra></CONFIG>");
    fourZones.close();
    QFile noAction(dir.filePath(QStringLiteral("no-action.xml")));
    QVERIFY(noAction.open(QIODevice::WriteOnly));
    noAction.write("<CONFIG><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                   "evt_type=\"2\"/></Maniobra></CONFIG>");
    noAction.close();
    for (QString &a : arguments)
        a.replace(QLatin1String("PORT"), port).replace(QLatin1String("DIR"), dir.path());
    error.replace(QLatin1String("DIR"), dir.path());
    QFile zero(dir.filePath(QStringLiteral("zero.xml")));
    QVERIFY(zero.open(QIODevice::WriteOnly));
    zero.write("<CONFIG><GeneralConfig num_zones=\"2\"/><Maniobra><Event evt_blk=\"2\" "
               "evt_blk_prt=\"1\" evt_blk_type=\"2\" evt_type=\"5\"/><Action act_blk=\"1\" "
               "act_blk_type=\"1\" act_type=\"3\"/></Maniobra><Maniobra><Event/><Action "
               "act_blk=\"1\" act_blk_type=\"1\" act_type=\"3\"/></Maniobra></CONFIG>");
    zero.close();
    QFile earlier(dir.filePath(QStringLiteral("out.xml")));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("kept") == 4);
    earlier.close();
    const Run r = ctl(arguments);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY(!r.err.contains(QLatin1String("--no-backup")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("kept")); // a failure leaves files alone
}

void TestMrb500CtlTransfers::fullDisk_keepsTheFileAndThePanel_data() {
    QTest::addColumn<QStringList>("arguments"); // PORT and DISK are replaced
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("download over a file")
        << QStringList{"download", "DISK/site.xml", "--port", "PORT"} << 2
        << "mrb500ctl: Cannot write DISK/site.xml: ";
    QTest::newRow("upload whose backup cannot be saved")
        << QStringList{"upload", "DISK/site.xml", "--port", "PORT"} << 1
        << "mrb500ctl: cannot save the backup: cannot write DISK/data/mrb500-configurator/"
           "backups/panel-";
}

// DISK is a full file system of its own (else a file size limit stands in for one), holding
// site.xml and the backup folder; what it holds afterwards is copied to DISK.out.
void TestMrb500CtlTransfers::fullDisk_keepsTheFileAndThePanel() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QTemporaryDir scratch;
    const QString memory = scratch.filePath(QStringLiteral("memory"));
    QVERIFY(startSimulator({QStringLiteral("--memory"), memory}));
    const QString disk = scratch.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk + QStringLiteral(".in/data/mrb500-configurator/backups")));
    QVERIFY(QDir().mkpath(disk + QStringLiteral(".out")));
    QVERIFY(QDir().mkpath(disk));
    QVERIFY(QFile::copy(example("school.xml"), disk + QStringLiteral(".in/site.xml")));
    // Mounts only in a mount namespace of its own, never in the machine's.
    const char *script = R"(d=$1; own=$2; shift 2
if [ "$own" = yes ] && mount -t tmpfs -o size=64k mrb500-full "$d" 2>/dev/null; then
    cp -R "$d.in/." "$d/" && { cat /dev/zero >"$d/fill"; } 2>/dev/null; limit=unlimited
else
    cp -R "$d.in/." "$d/"; limit=1
fi
(trap '' XFSZ; ulimit -f $limit; XDG_DATA_HOME="$d/data" exec "$@"); status=$?
rm -f "$d/fill"; cp -R "$d/." "$d.out/"; exit $status)";
    const bool own = QProcess::execute(QStringLiteral("unshare"),
                                       {QStringLiteral("-rm"), QStringLiteral("true")}) == 0;
    QStringList wrapper{QStringLiteral("sh"),
                        QStringLiteral("-c"),
                        QLatin1String(script),
                        QStringLiteral("sh"),
                        disk,
                        QLatin1String(own ? "yes" : "no")};
    if (own)
        wrapper = QStringList{QStringLiteral("unshare"), QStringLiteral("-rm")} + wrapper;
    for (QString &a : arguments)
        a.replace(QLatin1String("PORT"), port).replace(QLatin1String("DISK"), disk);
    error.replace(QLatin1String("DISK"), disk);

    const Run r = ctl(arguments, QStringLiteral("C.UTF-8"), {}, wrapper);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    // The panel was read: going on without a backup is the user's choice.
    QCOMPARE(r.err.endsWith(QLatin1String("; to upload without a backup, use --no-backup\n")),
             arguments.first() == QLatin1String("upload"));
    QCOMPARE(r.out, QString()); // neither "downloaded" nor "backup saved"
    QFile kept(disk + QStringLiteral(".out/site.xml"));
    QFile original(example("school.xml"));
    QVERIFY(kept.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), original.readAll());
    QVERIFY(!QFile::exists(memory)); // nothing was written to the panel
}

void TestMrb500CtlTransfers::interrupted_closesThePortAndSaysWhatThePanelHolds_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QStringList>("arguments"); // PORT and DIR are replaced
    QTest::addColumn<QString>("stopAt");        // the step after which the signal is sent
    QTest::addColumn<QString>("outcome");       // ends the message; BACKUP is replaced
    QTest::newRow("Ctrl-C during an upload")
        << SIGINT << QStringList{"upload", example("school.xml"), "--port", "PORT"}
        << "mrb500ctl: erase table 0\n"
        << ". The panel is now only partly written: it holds part of its previous configuration "
           "and part of the new one. To put back what it held before, from the backup, run: "
           "mrb500ctl restore BACKUP --port DIR/panel\n";
    QTest::newRow("SIGTERM during a download")
        << SIGTERM << QStringList{"download", "DIR/interrupted.xml", "--port", "PORT"}
        << "mrb500ctl: read table 0 record 1: simple maneuvers\n"
        << ". Nothing was changed.\n";
}

// The panel is slowed down so that the signal comes while it is being written or read.
void TestMrb500CtlTransfers::interrupted_closesThePortAndSaysWhatThePanelHolds() {
    QFETCH(int, signal);
    QFETCH(QStringList, arguments);
    QFETCH(QString, stopAt);
    QFETCH(QString, outcome);
    QVERIFY(startSimulator({QStringLiteral("--latency-ms"), QStringLiteral("20")}));
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    for (QString &a : arguments)
        a.replace(QLatin1String("PORT"), port).replace(QLatin1String("DIR"), dir.path());
    outcome.replace(QLatin1String("DIR"), dir.path());
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const QString output = dir.filePath(QStringLiteral("stdout.txt"));

    QProcess run;
    run.setStandardOutputFile(output); // redirected: nothing may stay in a buffer
    run.setReadChannel(QProcess::StandardError);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(MRB500CTL_PATH),
              arguments +
                  QStringList{QStringLiteral("--verbose"), QStringLiteral("--trace"), trace});
    QString err;
    while (!err.contains(stopAt) && run.waitForReadyRead(30000))
        err += QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(err.contains(stopAt), qPrintable(err));
    QCOMPARE(::kill(pid_t(run.processId()), signal), 0);
    QVERIFY(run.waitForFinished(30000));
    err += QString::fromUtf8(run.readAllStandardError());
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 130);

    // --verbose: one prefixed line per step, nothing of the program's internals.
    const QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        QVERIFY2(line.startsWith(QLatin1String("mrb500ctl: ")), qPrintable(line));
    QFile printed(output);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QString out = QString::fromUtf8(printed.readAll());
    const QString backup = out.section(QLatin1String(" saved as "), 1).trimmed();
    QCOMPARE(backup.isEmpty(), arguments.first() != QLatin1String("upload"));
    outcome.replace(QLatin1String("BACKUP"), backup);
    QVERIFY2(lines.last().startsWith(QLatin1String(
                 "mrb500ctl: The transfer was interrupted by the user. Details: stopped ")),
             qPrintable(lines.last()));
    QVERIFY2(err.endsWith(outcome), qPrintable(lines.last()));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("interrupted.xml"))));
    QFile traced(trace);
    QVERIFY(traced.open(QIODevice::ReadOnly));
    QVERIFY(traced.readAll().contains("\tproblem\t\tThe transfer was interrupted by the user."));
    // The port was closed and its lock removed.
    QCOMPARE(ctl({QStringLiteral("check"), QStringLiteral("--port"), port}).exitCode, 0);
}

// What no configuration file carries, a bell in the web user and an action code without a
// description, is backed up, refused by download, and put back byte for byte by restore.
void TestMrb500CtlTransfers::oddPanel_backedUpAndRestoredByteForByte() {
    const QString memory = dir.filePath(QStringLiteral("memory"));
    const QStringList memoryOption{QStringLiteral("--memory"), memory};
    QVERIFY(startSimulator(memoryOption));
    QCOMPARE(ctl({QStringLiteral("upload"), example("school.xml"), QStringLiteral("--port"), port,
                  QStringLiteral("--no-backup")})
                 .exitCode,
             0);
    simulator.terminate();
    QVERIFY(simulator.waitForFinished(5000));
    PanelRecords original = recordsIn(memory);
    original.set(7, 2, QByteArray("Site\x07").leftJustified(16, '\0'));
    QByteArray first = original.value(0, 0);
    first[7] = char(0x99);
    original.set(0, 0, first);
    for (quint8 k = 1; k <= 6; ++k) // the panel's own records
        original.set(6, k, QByteArray(16, char(0xa0 + k)));
    QFile file(memory);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(PanelRecordsText::encode(original)) > 0);
    file.close();
    QVERIFY(startSimulator(memoryOption));

    const QString bell =
        QStringLiteral("Web user \"Site\\x07\" contains a control character, which a "
                       "configuration file cannot hold\n");
    const QString copy = dir.filePath(QStringLiteral("odd.xml"));
    const Run down = ctl({QStringLiteral("download"), copy, QStringLiteral("--port"), port});
    QCOMPARE(down.err, QStringLiteral("mrb500ctl: Cannot write %1: ").arg(copy) + bell);
    QCOMPARE(down.exitCode, 2);
    QVERIFY(!QFile::exists(copy));

    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    const Run up =
        ctl({QStringLiteral("upload"), example("shop.xml"), QStringLiteral("--port"), port});
    QCOMPARE(up.exitCode, 0);
    QVERIFY2(up.err.startsWith(QLatin1String("mrb500ctl: warning: the backup is kept as the "
                                             "panel's records only, without an XML view: ")) &&
                 up.err.endsWith(bell),
             qPrintable(up.err));
    const QString backup = up.out.section(QLatin1Char('\n'), 0, 0).section(" saved as ", 1);
    QVERIFY2(backup.endsWith(QLatin1String(".records")), qPrintable(up.out));
    QTRY_VERIFY_WITH_TIMEOUT(recordsIn(memory) != original, 10000);

    const Run restored = ctl({QStringLiteral("restore"), backup, QStringLiteral("--port"), port});
    QCOMPARE(restored.err, QString());
    QCOMPARE(restored.out, QStringLiteral("%1 restored to %2 and verified\n").arg(backup, port));
    QCOMPARE(restored.exitCode, 0);
    QTRY_COMPARE_WITH_TIMEOUT(recordsIn(memory), original, 10000);
}

QTEST_GUILESS_MAIN(TestMrb500CtlTransfers)
#include "tst_mrb500ctltransfers.moc"
