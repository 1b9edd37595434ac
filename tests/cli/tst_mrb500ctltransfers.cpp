#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "CtlProcess.h"
#include "images/PanelRecordsText.h"

#include <csignal>

namespace {

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
    void download_dhcpPanel_keepsTheStaticAddress();
    void commands_exitAndReport_data();
    void commands_exitAndReport();
    void fullDisk_keepsTheFileAndThePanel();
    void interrupted_closesThePortAndSaysWhatThePanelHolds();
    void restore_putsAnOddPanelBackByteForByte();

private:
    // PORT, DIR and SCHOOL replaced.
    QString expand(QString text) const {
        return text.replace(QLatin1String("PORT"), port)
            .replace(QLatin1String("DIR"), dir.path())
            .replace(QLatin1String("SCHOOL"), example("school.xml"));
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
    static PanelRecords recordsIn(const QString &file) {
        QFile f(file);
        PanelRecords records;
        if (f.open(QIODevice::ReadOnly))
            PanelRecordsText::decode(f.readAll(), records, nullptr);
        return records;
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

// An upload whose backup cannot be saved on a full file system of its own (else a file size
// limit stands in for one) writes nothing; what the disk holds afterwards is copied to .out.
void TestMrb500CtlTransfers::fullDisk_keepsTheFileAndThePanel() {
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
    const Run r = run(QStringLiteral("upload %1/site.xml --port PORT").arg(disk), wrapper);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.startsWith(QStringLiteral("mrb500ctl: cannot save the backup: cannot write "
                                             "%1/data/mrb500-configurator/backups/panel-")
                                  .arg(disk)),
             qPrintable(r.err));
    // The panel was read: going on without a backup is the user's choice.
    QVERIFY(r.err.endsWith(QLatin1String("; to upload without a backup, use --no-backup\n")));
    QCOMPARE(r.out, QString());      // no "backup saved"
    QVERIFY(!QFile::exists(memory)); // nothing was written to the panel
}

// Ctrl-C during an upload, then during a download, on a panel slowed down so that it comes
// while it is written or read.
void TestMrb500CtlTransfers::interrupted_closesThePortAndSaysWhatThePanelHolds() {
    QVERIFY(startSimulator(QStringLiteral("--latency-ms 20")));
    const QString output = dir.filePath(QStringLiteral("stdout.txt"));
    // The exit status (-1: none) and standard error of `command`, stopped once it said `stopAt`.
    const auto interrupt = [&](const QString &command, const QString &stopAt) {
        QProcess process;
        process.setStandardOutputFile(output); // redirected: nothing may stay in a buffer
        process.setReadChannel(QProcess::StandardError);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MRB500CTL_PATH), words(command));
        QString err;
        while (!err.contains(stopAt) && process.waitForReadyRead(30000))
            err += QString::fromUtf8(process.readAllStandardError());
        ::kill(pid_t(process.processId()), SIGINT);
        const bool ended = process.waitForFinished(30000);
        err += QString::fromUtf8(process.readAllStandardError());
        return std::make_pair(
            ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, err);
    };
    const auto [readStatus, readErr] =
        interrupt(QStringLiteral("download DIR/interrupted.xml --port PORT --verbose"),
                  QStringLiteral("mrb500ctl: read table 0 record 1"));
    QCOMPARE(readStatus, 130);
    QVERIFY2(readErr.endsWith(QLatin1String(". Nothing was changed.\n")), qPrintable(readErr));
    const auto [status, err] =
        interrupt(QStringLiteral("upload SCHOOL --port PORT --verbose --trace DIR/trace.txt"),
                  QStringLiteral("mrb500ctl: erase table 0\n"));
    QCOMPARE(status, 130);

    // --verbose: one prefixed line per step, nothing of the program's internals.
    const QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        QVERIFY2(line.startsWith(QLatin1String("mrb500ctl: ")), qPrintable(line));
    const QString backup =
        QString::fromUtf8(contentOf(output)).section(QLatin1String(" saved as "), 1).trimmed();
    QVERIFY(!backup.isEmpty());
    QVERIFY2(lines.last().startsWith(QLatin1String(
                 "mrb500ctl: The transfer was interrupted by the user. Details: stopped ")),
             qPrintable(lines.last()));
    QVERIFY2(err.endsWith(QStringLiteral(". The panel is now only partly written: it holds part "
                                         "of its previous configuration and part of the new one. "
                                         "To put back what it held before, from the backup, run: "
                                         "mrb500ctl restore %1 --port %2\n")
                              .arg(backup, port)),
             qPrintable(lines.last()));
    QVERIFY(contentOf(dir.filePath(QStringLiteral("trace.txt")))
                .contains("\tproblem\t\tThe transfer was interrupted by the user."));
    // The port was closed and its lock removed.
    QCOMPARE(run(QStringLiteral("check --port PORT")).exitCode, 0);
}

// A panel holding what no configuration file can carry (a control character, its own table 6
// records) is backed up as its records, and `restore` puts every byte back.
void TestMrb500CtlTransfers::restore_putsAnOddPanelBackByteForByte() {
    const QString memory = dir.filePath(QStringLiteral("memory"));
    QVERIFY(startSimulator(QStringLiteral("--memory DIR/memory")));
    QCOMPARE(run(QStringLiteral("upload SCHOOL --port PORT --no-backup")).exitCode, 0);
    stopSimulator();
    PanelRecords original = recordsIn(memory);
    original.set(7, 2, QByteArray("Site\x07").leftJustified(16, '\0'));
    for (quint8 k = 1; k <= 6; ++k)
        original.set(6, k, QByteArray(16, char(0xa0 + k)));
    write(QStringLiteral("memory"), PanelRecordsText::encode(original));
    QVERIFY(startSimulator(QStringLiteral("--memory DIR/memory")));

    const Run up = run(QStringLiteral("upload SCHOOL --port PORT"));
    QCOMPARE(up.exitCode, 0);
    const QString backup = up.out.section(QLatin1Char('\n'), 0, 0).section(" saved as ", 1);
    QTRY_VERIFY_WITH_TIMEOUT(recordsIn(memory) != original, 10000);
    const Run restored = run(QStringLiteral("restore ") + backup + QStringLiteral(" --port PORT"));
    QCOMPARE(restored.exitCode, 0);
    QTRY_VERIFY_WITH_TIMEOUT(recordsIn(memory) == original, 10000);
}

QTEST_GUILESS_MAIN(TestMrb500CtlTransfers)
#include "tst_mrb500ctltransfers.moc"
