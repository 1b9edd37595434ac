// Upload and download of the largest configuration against the panel simulator at
// 9600 baud, compared with the time the bytes themselves need on such a line; then how
// many verified uploads succeed when the line corrupts some answers.
#include "FullConfiguration.h"
#include "link/CmdConvencional.h"
#include "link/PanelCore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int Baud = 9600;
constexpr int NoisyUploads = 100;
constexpr double CorruptRate = 0.05;

struct Run {
    QString name;
    bool ok = false;
    QString error;
    double seconds = 0;
    DriverSerieHdlc::Statistics stats;
};

Run measure(const QString &name, PanelCore &core, bool (PanelCore::*transfer)()) {
    Run run;
    run.name = name;
    QElapsedTimer clock;
    clock.start();
    run.ok = (core.*transfer)();
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.error = core.transferError();
    run.stats = core.cmd->statistics();
    return run;
}

// The simulator's terminal, or an empty string.
QString startSimulator(QProcess &simulator, const QStringList &options) {
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.start(QStringLiteral(MRB500_PANELSIM), options);
    if (!simulator.waitForStarted() || !simulator.waitForReadyRead(5000))
        return {};
    return QString::fromLocal8Bit(simulator.readLine()).trimmed();
}

SerialSettings portSettings(const QString &port) {
    SerialSettings settings;
    settings.name = port;
    settings.portSelected = true;
    return settings;
}

struct NoisyResult {
    int succeeded = 0;
    int resends = 0; // by the uploads that succeeded
    QString firstError;
};

// Verified uploads, each against a simulator of its own seed that corrupts answers: a
// noisy line must cost resends, not uploads. Unpaced: the rate does not depend on speed.
NoisyResult uploadOverNoisyLine(PanelCore &source, int cleanExchanges) {
    NoisyResult result;
    source.setVerifyAfterUpload(true);
    for (int seed = 1; seed <= NoisyUploads; ++seed) {
        QProcess simulator;
        const QString port = startSimulator(
            simulator, {QStringLiteral("--corrupt-rate"), QString::number(CorruptRate),
                        QStringLiteral("--seed"), QString::number(seed)});
        source.setSerialSettings(portSettings(port));
        if (!port.isEmpty() && source.uploadConfig()) {
            ++result.succeeded;
            result.resends += source.cmd->statistics().exchanges - cleanExchanges;
        } else if (result.firstError.isEmpty()) {
            result.firstError = QStringLiteral("seed %1: %2").arg(seed).arg(source.transferError());
        }
        simulator.terminate();
        simulator.waitForFinished(3000);
    }
    return result;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QProcess simulator;
    const QString port =
        startSimulator(simulator, {QStringLiteral("--baud"), QString::number(Baud)});
    if (port.isEmpty()) {
        err << "bench: cannot start the simulator " << MRB500_PANELSIM << '\n';
        return 1;
    }

    PanelCore source;
    fillFullConfiguration(source);
    const SerialSettings settings = portSettings(port);
    source.setSerialSettings(settings);

    QList<Run> runs;
    runs << measure(QStringLiteral("upload"), source, &PanelCore::uploadConfig);
    PanelCore target;
    target.setSerialSettings(settings);
    runs << measure(QStringLiteral("download"), target, &PanelCore::downloadConfig);
    source.setVerifyAfterUpload(true);
    runs << measure(QStringLiteral("upload --verify"), source, &PanelCore::uploadConfig);

    simulator.terminate();
    simulator.waitForFinished(3000);
    const NoisyResult noisy = uploadOverNoisyLine(source, runs.last().stats.exchanges);

    out << QStringLiteral("Full configuration (28 simple, 40 logic maneuvers, 32-character "
                          "texts), simulator at %1 baud\n")
               .arg(Baud);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
               .arg(QStringLiteral("transfer"), -16)
               .arg(QStringLiteral("elapsed s"), 10)
               .arg(QStringLiteral("exchanges"), 10)
               .arg(QStringLiteral("bytes out"), 10)
               .arg(QStringLiteral("bytes in"), 10)
               .arg(QStringLiteral("wire s"), 8)
               .arg(QStringLiteral("ratio"), 7);
    bool allOk = true;
    for (const Run &run : runs) {
        if (!run.ok) {
            out << run.name << ": FAILED: " << run.error << '\n';
            allOk = false;
            continue;
        }
        const qint64 bytes = run.stats.bytesWritten + run.stats.bytesRead;
        const double wire = double(bytes) * 10 / Baud;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                   .arg(run.name, -16)
                   .arg(run.seconds, 10, 'f', 3)
                   .arg(run.stats.exchanges, 10)
                   .arg(run.stats.bytesWritten, 10)
                   .arg(run.stats.bytesRead, 10)
                   .arg(wire, 8, 'f', 3)
                   .arg(run.seconds / wire, 7, 'f', 3);
    }
    const bool same = target.panelHeld() == source.panelHeld();
    out << (same ? "download equals what was uploaded\n"
                 : "DOWNLOAD DIFFERS from what was uploaded\n");
    out << "target ratio: at most 1.10\n";
    out << QStringLiteral("upload --verify with %1% of answers corrupted (seeds 1 to %2): %3 of "
                          "%2 succeeded, with %4 resends\n")
               .arg(CorruptRate * 100)
               .arg(NoisyUploads)
               .arg(noisy.succeeded)
               .arg(noisy.resends);
    if (!noisy.firstError.isEmpty())
        out << "first failure: " << noisy.firstError << '\n';
    out << "target: every one succeeds (each command is tried at most four times)\n";
    return allOk && same ? 0 : 1;
}
