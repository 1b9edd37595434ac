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

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// mrb500ctl's transfer commands against the simulator program, as a user runs them.
class TestMrb500CtlTransfers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void upload_backsUpAndTraces_thenDiffAgrees();
    void download_dhcpPanel_keepsTheStaticAddress();
    void commands_exitAndReport_data();
    void commands_exitAndReport();
    void fullDisk_keepsTheFileAndThePanel_data();
    void fullDisk_keepsTheFileAndThePanel();
    void interrupted_closesThePortAndSaysWhatThePanelHolds_data();
    void interrupted_closesThePortAndSaysWhatThePanelHolds();
    void oddPanel_backedUpAndRestoredByteForByte();

private:
    // PORT, DIR, SCHOOL and SHOP replaced.
    QString expand(QString text) const {
        return text.replace(QLatin1String("PORT"), port)
            .replace(QLatin1String("DIR"), dir.path())
            .replace(QLatin1String("SCHOOL"), example("school.xml"))
            .replace(QLatin1String("SHOP"), example("shop.xml"));
    }
    QStringList words(const QString &line) const {
        return line.isEmpty() ? QStringList() : expand(line).split(QLatin1Char(' '));
    }
    Run run(const QString &line, const QStringList &wrapper = {}) const {
        return ctl(words(line), QStringLiteral("C.UTF-8"), {}, wrapper);
    }
    bool startSimulator(const QString &options = {}) {
        simulator.start(QStringLiteral(MRB500_PANELSIM),
                        QStringList{QStringLiteral("--link"), port} + words(options));
        return simulator.waitForStarted() && simulator.waitForReadyRead(5000) &&
               simulator.readLine().startsWith("/dev/");
    }
    void stopSimulator() {
        simulator.terminate();
        QVERIFY(simulator.waitForFinished(5000));
        QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFileInfo::exists(port)); // the link goes with the simulator
    }
    void write(const QString &name, const QByteArray &content) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    }

    QTemporaryDir dir;
    QProcess simulator;
    QString port;
};

void TestMrb500CtlTransfers::initTestCase() {
    QVERIFY(dir.isValid());
    port = dir.filePath(QStringLiteral("panel"));
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    const QByteArray sounders = "<Action act_blk=\"1\" act_blk_type=\"1\" act_type=\"3\"/>";
    write(QStringLiteral("4-zones.xml"),
          "<CONFIG><GeneralConfig num_zones=\"4\"/><Maniobra><Event evt_blk=\"2\" "
          "evt_blk_prt=\"5\" evt_blk_type=\"2\" evt_type=\"2\"/>" +
              sounders + "</Maniobra></CONFIG>");
    write(QStringLiteral("zero.xml"), "<CONFIG><GeneralConfig num_zones=\"2\"/><Maniobra><Event "
                                      "evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                                      "evt_type=\"5\"/>" +
                                          sounders + "</Maniobra><Maniobra><Event/>" + sounders +
                                          "</Maniobra></CONFIG>");
}

void TestMrb500CtlTransfers::cleanup() {
    stopSimulator();
}

void TestMrb500CtlTransfers::upload_backsUpAndTraces_thenDiffAgrees() {
    QVERIFY(startSimulator());
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    // --verify is still accepted, for older scripts.
    const Run up =
        run(QStringLiteral("upload SCHOOL --port PORT --show-changes --trace DIR/trace.txt "
                           "--verify"));
    QCOMPARE(up.err, QString());
    QCOMPARE(up.exitCode, 0);
    QVERIFY2(up.out.startsWith(expand(QStringLiteral("backup of the panel saved as "
                                                     "DIR/data/mrb500-configurator/backups/"))),
             qPrintable(up.out));
    QVERIFY2(up.out.contains(QLatin1String("Changes to be written to the panel:\n  General "
                                           "options: Alarm confirmation changed from \"off\" to "
                                           "\"on\"\n")),
             qPrintable(up.out));
    QVERIFY(up.out.contains(QLatin1String("Web server: Web password changed\n")));
    const QString text = QString::fromUtf8(contentOf(trace));
    QVERIFY(text.startsWith(QLatin1String("# download, started ")));
    QVERIFY(text.contains(QLatin1String("\n# upload, started ")));
    QCOMPARE(text.count(QLatin1String("\tsent\t")), 182 + 185 + 176); // backup, upload, verify
    for (const QString &said : {up.out, text})
        QVERIFY(!said.contains(QLatin1String("Pr0tecci0n")));

    // The panel, read for a comparison, now equals the file.
    const Run diff = run(QStringLiteral("diff SCHOOL --port PORT"));
    QCOMPARE(diff.out, QStringLiteral("No differences.\n"));
    QCOMPARE(diff.exitCode, 0);
    // The panel's maneuvers are named with the file's zone names, as the window's are.
    write(QStringLiteral("named.xml"),
          contentOf(example("school.xml"))
              .replace("<Maniobras>", "<ZoneNames><Zone number=\"1\" name=\"Gimnasio\"/>"
                                      "</ZoneNames><Maniobras>")
              .replace("delay=\"60\"", "delay=\"62\""));
    QCOMPARE(run(QStringLiteral("diff DIR/named.xml --port PORT"))
                 .out.count(QLatin1String("[zone 1 Gimnasio]")),
             2);
}

void TestMrb500CtlTransfers::download_dhcpPanel_keepsTheStaticAddress() {
    // Web record 0: marker, language 0, DHCP on, 192.168.10.50 via 192.168.10.1 /24.
    write(QStringLiteral("dhcp.mem"), "7 0 5a5a0001c0a80a32c0a80a01ffffff00\n");
    QVERIFY(startSimulator(QStringLiteral("--memory DIR/dhcp.mem")));
    QCOMPARE(run(QStringLiteral("download DIR/dhcp.xml --port PORT")).exitCode, 0);
    const QByteArray xml = contentOf(dir.filePath(QStringLiteral("dhcp.xml")));
    QVERIFY2(xml.contains("DHCP=\"1\" IP=\"3232238130\" Gateway=\"3232238081\" "
                          "Netmask=\"4294967040\""),
             xml.constData());
}

void TestMrb500CtlTransfers::commands_exitAndReport_data() {
    QTest::addColumn<QString>("simulatorOptions");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // the start of standard error, its only line
    // The link's own advice first; going on without a backup (--no-backup) would not help.
    QTest::newRow("port that does not exist")
        << ""
        << "upload SCHOOL --port DIR/none" << 1
        << "mrb500ctl: Serial port DIR/none does not exist: check that the USB adapter is "
           "plugged in, then choose the port again. Details: cannot open DIR/none: No such "
           "file or directory; no backup was taken\n";
    QTest::newRow("USB unplugged during download")
        << "--hang-up-after 40"
        << "download DIR/out.xml --port PORT" << 1
        << "mrb500ctl: The connection to the panel was lost (USB adapter unplugged?): ";
    // Refused before the panel is even read: a silent one would make it wait.
    QTest::newRow("event block 0 refused")
        << "--silent"
        << "upload DIR/zero.xml --port PORT" << 1
        << "mrb500ctl: the panel cannot hold this configuration: Maneuver 2 (";
    QTest::newRow("upload verifies by default")
        << "--flip-stored"
        << "upload SCHOOL --port PORT" << 1 << "mrb500ctl: the panel holds";
    QTest::newRow("upload with a warning and --no-verify still writes")
        << "--flip-stored"
        << "upload DIR/4-zones.xml --port PORT --no-backup --no-verify" << 0
        << "mrb500ctl: warning: Maneuver 1 uses zone 5, but the panel has 4 zones\n";
}

void TestMrb500CtlTransfers::commands_exitAndReport() {
    QFETCH(QString, simulatorOptions);
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QVERIFY(startSimulator(simulatorOptions));
    write(QStringLiteral("out.xml"), "kept");
    const Run r = run(command);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.startsWith(expand(error)), qPrintable(r.err));
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY(!r.err.contains(QLatin1String("--no-backup")));
    QCOMPARE(contentOf(dir.filePath(QStringLiteral("out.xml"))), "kept"); // files left alone
}

void TestMrb500CtlTransfers::fullDisk_keepsTheFileAndThePanel_data() {
    QTest::addColumn<QString>("command"); // DISK: the full file system
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("download over a file")
        << "download DISK/site.xml --port PORT" << 2 << "mrb500ctl: Cannot write DISK/site.xml: ";
    QTest::newRow("upload whose backup cannot be saved")
        << "upload DISK/site.xml --port PORT" << 1
        << "mrb500ctl: cannot save the backup: cannot write DISK/data/mrb500-configurator/"
           "backups/panel-";
}

// DISK is a full file system of its own (else a file size limit stands in for one), holding
// site.xml and the backup folder; what it holds afterwards is copied to DISK.out.
void TestMrb500CtlTransfers::fullDisk_keepsTheFileAndThePanel() {
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QTemporaryDir scratch;
    const QString memory = scratch.filePath(QStringLiteral("memory"));
    QVERIFY(startSimulator(QStringLiteral("--memory ") + memory));
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
    command.replace(QLatin1String("DISK"), disk);
    error.replace(QLatin1String("DISK"), disk);

    const Run r = run(command, wrapper);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    // The panel was read: going on without a backup is the user's choice.
    QCOMPARE(r.err.endsWith(QLatin1String("; to upload without a backup, use --no-backup\n")),
             command.startsWith(QLatin1String("upload")));
    QCOMPARE(r.out, QString()); // neither "downloaded" nor "backup saved"
    QCOMPARE(contentOf(disk + QStringLiteral(".out/site.xml")), contentOf(example("school.xml")));
    QVERIFY(!QFile::exists(memory)); // nothing was written to the panel
}

void TestMrb500CtlTransfers::interrupted_closesThePortAndSaysWhatThePanelHolds_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("stopAt");  // the step after which the signal is sent
    QTest::addColumn<QString>("outcome"); // ends the message; BACKUP is replaced
    QTest::newRow("Ctrl-C during an upload")
        << SIGINT << "upload SCHOOL --port PORT"
        << "mrb500ctl: erase table 0\n"
        << ". The panel is now only partly written: it holds part of its previous configuration "
           "and part of the new one. To put back what it held before, from the backup, run: "
           "mrb500ctl restore BACKUP --port DIR/panel\n";
    QTest::newRow("SIGTERM during a download")
        << SIGTERM << "download DIR/interrupted.xml --port PORT"
        << "mrb500ctl: read table 0 record 1: simple maneuvers\n"
        << ". Nothing was changed.\n";
}

// The panel is slowed down so that the signal comes while it is being written or read.
void TestMrb500CtlTransfers::interrupted_closesThePortAndSaysWhatThePanelHolds() {
    QFETCH(int, signal);
    QFETCH(QString, command);
    QFETCH(QString, stopAt);
    QFETCH(QString, outcome);
    QVERIFY(startSimulator(QStringLiteral("--latency-ms 20")));
    const QString output = dir.filePath(QStringLiteral("stdout.txt"));
    QProcess process;
    process.setStandardOutputFile(output); // redirected: nothing may stay in a buffer
    process.setReadChannel(QProcess::StandardError);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MRB500CTL_PATH),
                  words(command + QStringLiteral(" --verbose --trace DIR/trace.txt")));
    QString err;
    while (!err.contains(stopAt) && process.waitForReadyRead(30000))
        err += QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(stopAt), qPrintable(err));
    QCOMPARE(::kill(pid_t(process.processId()), signal), 0);
    QVERIFY(process.waitForFinished(30000));
    err += QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 130);

    // --verbose: one prefixed line per step, nothing of the program's internals.
    const QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        QVERIFY2(line.startsWith(QLatin1String("mrb500ctl: ")), qPrintable(line));
    const QString backup =
        QString::fromUtf8(contentOf(output)).section(QLatin1String(" saved as "), 1).trimmed();
    QCOMPARE(backup.isEmpty(), !command.startsWith(QLatin1String("upload")));
    QVERIFY2(lines.last().startsWith(QLatin1String(
                 "mrb500ctl: The transfer was interrupted by the user. Details: stopped ")),
             qPrintable(lines.last()));
    QVERIFY2(err.endsWith(expand(outcome).replace(QLatin1String("BACKUP"), backup)),
             qPrintable(lines.last()));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("interrupted.xml"))));
    QVERIFY(contentOf(dir.filePath(QStringLiteral("trace.txt")))
                .contains("\tproblem\t\tThe transfer was interrupted by the user."));
    // The port was closed and its lock removed.
    QCOMPARE(run(QStringLiteral("check --port PORT")).exitCode, 0);
}

// What no configuration file carries, a bell in the web user and an action code without a
// description, is backed up and put back byte for byte by restore.
void TestMrb500CtlTransfers::oddPanel_backedUpAndRestoredByteForByte() {
    const QString memory = dir.filePath(QStringLiteral("memory"));
    QVERIFY(startSimulator(QStringLiteral("--memory DIR/memory")));
    QCOMPARE(run(QStringLiteral("upload SCHOOL --port PORT --no-backup")).exitCode, 0);
    stopSimulator();
    PanelRecords original = recordsIn(memory);
    original.set(7, 2, QByteArray("Site\x07").leftJustified(16, '\0'));
    QByteArray first = original.value(0, 0);
    first[7] = char(0x99);
    original.set(0, 0, first);
    for (quint8 k = 1; k <= 6; ++k) // the panel's own records
        original.set(6, k, QByteArray(16, char(0xa0 + k)));
    write(QStringLiteral("memory"), PanelRecordsText::encode(original));
    QVERIFY(startSimulator(QStringLiteral("--memory DIR/memory")));

    const QString bell =
        QStringLiteral("Web user \"Site\\x07\" contains a control character, which a "
                       "configuration file cannot hold\n");
    const Run up = run(QStringLiteral("upload SHOP --port PORT"));
    QCOMPARE(up.exitCode, 0);
    QVERIFY2(up.err.startsWith(QLatin1String("mrb500ctl: warning: the backup is kept as the "
                                             "panel's records only, without an XML view: ")) &&
                 up.err.endsWith(bell),
             qPrintable(up.err));
    const QString backup = up.out.section(QLatin1Char('\n'), 0, 0).section(" saved as ", 1);
    QVERIFY2(backup.endsWith(QLatin1String(".records")), qPrintable(up.out));
    QTRY_VERIFY_WITH_TIMEOUT(recordsIn(memory) != original, 10000);

    const Run restored = run(QStringLiteral("restore ") + backup + QStringLiteral(" --port PORT"));
    QCOMPARE(restored.err, QString());
    QCOMPARE(restored.out, QStringLiteral("%1 restored to %2 and verified\n").arg(backup, port));
    QCOMPARE(restored.exitCode, 0);
    QTRY_COMPARE_WITH_TIMEOUT(recordsIn(memory), original, 10000);
}

QTEST_GUILESS_MAIN(TestMrb500CtlTransfers)
#include "tst_mrb500ctltransfers.moc"
