#include "link/PanelTransfers.h"

#include "images/ConfigurationCheck.h"
#include "images/GeneralConfigImage.h"
#include "images/ManeuverTableImage.h"
#include "images/PanelMemoryMap.h"
#include "images/WebServerImage.h"
#include "link/CmdConvencional.h"
#include "link/LinkAdvice.h"
#include "link/SerialSettings.h"
#include "model/InternalDiagnostics.h"

#include <QStringList>

using namespace PanelMemoryMap;

namespace {

// Exchanges of each transfer, for progress.
constexpr int ErasedTables = 1 + (LastErasedLogicTable - FirstLogicTable + 1) + 1 + 1;
constexpr int WrittenRecords = SimpleManeuverRecords + LogicManeuverRecords + 1 + WebServerRecords;
constexpr int DownloadExchanges =
    SimpleManeuverRecords + LogicManeuverRecords + 1 + GeneralTailRecords + WebServerRecords;
constexpr int RestoredRecords = DownloadExchanges;

} // namespace

PanelTransfers::PanelTransfers(CmdConvencional &command, QObject *parent)
    : PanelTableSteps(command, parent) {
    cmd.setTrace(&linkTrace);
}

void PanelTransfers::requestStop() {
    cmd.requestStop();
}

void PanelTransfers::clearStopRequest() {
    cmd.clearStopRequest();
}

bool PanelTransfers::stopRequested() const {
    return cmd.stopRequested();
}

bool PanelTransfers::succeed() {
    transferProgress.finish();
    lastError.clear();
    return true;
}

bool PanelTransfers::busy() {
    // An open port means a transfer is waiting for the panel and this call came from an
    // event handled meanwhile; its own result and reason stay untouched.
    if (!cmd.isOpen())
        return false;
    lastError = tr("a transfer with the panel is already running");
    return true;
}

bool PanelTransfers::startTransfer(const QString &name, bool writesPanel) {
    if (busy())
        return false;
    linkTrace.start(name);
    lastFailure = DriverSerieHdlc::Failure::None;
    lastError.clear();
    if (writesPanel)
        partlyWritten = false;
    if (cmd.stopRequested()) {
        const QString reason =
            LinkAdvice::withDetail(LinkAdvice::forFailure(DriverSerieHdlc::Failure::Interrupted),
                                   tr("stopped before the %1 began").arg(name));
        linkTrace.problem(reason);
        return fail(reason, DriverSerieHdlc::Failure::Interrupted);
    }
    return true;
}

bool PanelTransfers::openLink(const SerialSettings &port) {
    lastError.clear();
    cmd.resetStatistics();
    if (!port.portSelected)
        return fail(tr("no serial port chosen"));
    if (!cmd.configurePort(port))
        return failStep();
    return true;
}

QString PanelTransfers::uploadRefusal(const PanelConfiguration &configuration) {
    const QList<ConfigurationProblem> problems = ConfigurationCheck::check(configuration);
    if (!ConfigurationCheck::hasErrors(problems))
        return {};
    QStringList errors;
    for (const ConfigurationProblem &p : problems) {
        if (p.isError())
            errors << p.message;
    }
    return tr("the panel cannot hold this configuration: %1")
        .arg(errors.join(QStringLiteral("; ")));
}

bool PanelTransfers::upload(const PanelConfiguration &configuration, const SerialSettings &port) {
    if (!startTransfer(tr("upload"), true))
        return false;
    const QString refusal = uploadRefusal(configuration);
    if (!refusal.isEmpty())
        return fail(refusal);
    return writePanel(port, WrittenRecords, verifyAfterUpload, [&] {
        qCDebug(internalDiagnostics) << "Write Maneouver List";
        if (!writeManeuverList(configuration.maneuvers))
            return false;
        qCDebug(internalDiagnostics) << "Write General Config";
        if (!writeGeneralConfig(configuration.generalConfig))
            return false;
        qCDebug(internalDiagnostics) << "Write WS";
        return writeWebServerConfig(configuration.webServer, configuration.smtp);
    });
}

bool PanelTransfers::restore(const PanelRecords &records, const SerialSettings &port) {
    if (!startTransfer(tr("restore"), true))
        return false;
    const QString problem = records.restoreProblem();
    if (!problem.isEmpty())
        return fail(tr("these records cannot be restored: %1").arg(problem));
    const PanelRecords::Images images = records.images();
    return writePanel(port, RestoredRecords, true, [&] {
        return writeSimpleManeuverTable(images.simple) && writeLogicManeuverTables(images.logic) &&
               writeGeneralTable(images.general) && writeWebServerImage(images.web);
    });
}

bool PanelTransfers::writePanel(const SerialSettings &port, int records, bool verify,
                                const std::function<bool()> &writeAll) {
    if (!openLink(port))
        return false;
    const int planned = 1 + ErasedTables + records + (verify ? records : 0) + 1;
    transferProgress.start(planned, ProgressMaximum, [this](int v) { Q_EMIT progressUp(v); });
    writtenRecords.clear();
    recordWrites = verify;

    // The answers to begin-upload and reset are not examined, but a frame that could not
    // be sent means the panel never got it.
    bool ok = cmd.beginUpload() || failStep();
    if (ok) {
        transferProgress.step();
        ok = writeAll();
    }
    recordWrites = false;
    if (ok && verify)
        ok = verifyWrittenRecords();
    writtenRecords.clear();
    if (ok) {
        qCDebug(internalDiagnostics) << "Reset Panel";
        ok = cmd.resetPanel() || failStep();
    }
    if (ok)
        transferProgress.step();
    cmd.closePort();
    if (!ok)
        return false;
    partlyWritten = false;
    return succeed();
}

bool PanelTransfers::verifyWrittenRecords() {
    for (const WrittenRecord &written : writtenRecords) {
        QByteArray read;
        if (!readRecord(written.table, written.record, read))
            return false;
        if (read == written.data)
            continue;
        qsizetype at = 0;
        while (at < read.size() && read.at(at) == written.data.at(at))
            ++at;
        return fail(tr("the panel holds 0x%1 at byte %2 where 0x%3 was written "
                       "(verify table %4 record %5)")
                        .arg(quint8(read.at(at)), 2, 16, QLatin1Char('0'))
                        .arg(at)
                        .arg(quint8(written.data.at(at)), 2, 16, QLatin1Char('0'))
                        .arg(written.table)
                        .arg(written.record));
    }
    return true;
}

bool PanelTransfers::download(PanelConfiguration &target, const SerialSettings &port) {
    readRecords = PanelRecords();
    if (!startTransfer(tr("download")) || !openLink(port))
        return false;
    transferProgress.start(DownloadExchanges, ProgressMaximum,
                           [this](int v) { Q_EMIT progress(v); });

    // Everything is read before anything is decoded, and decoded before `target` changes.
    PanelRecords::Images images;
    QByteArray tail;
    const bool read = readSimpleManeuverTable(images.simple) &&
                      readLogicManeuverTables(images.logic) && readGeneralRecord(images.general) &&
                      readGeneralTableTail(tail) && readWebServerImage(images.web);
    cmd.closePort();
    if (!read)
        return false;

    // A panel whose web table was never written leaves web and e-mail as they were.
    PanelConfiguration::PanelHeld held = target.panelHeld();
    held.generalConfig = GeneralConfig();
    if (!GeneralConfigImage::decode(images.general, held.generalConfig))
        return fail(tr("the general record is too short"));
    if (WebServerImage::decode(images.web, held.webServer, held.smtp) ==
        WebServerImage::Decoded::TooShort)
        return fail(tr("the web server image is too short"));
    held.maneuvers = ManeuverTableImage::decodeSimple(images.simple) +
                     ManeuverTableImage::decodeLogic(images.logic);
    target.setPanelHeld(held);
    images.general += tail;
    readRecords = PanelRecords::fromImages(images);
    return succeed();
}

bool PanelTransfers::checkConnection(const SerialSettings &port) {
    if (!startTransfer(tr("connection check")) || !openLink(port))
        return false;
    transferProgress.start(1, ProgressMaximum, [this](int v) { Q_EMIT progress(v); });
    QByteArray record;
    const bool ok = readGeneralRecord(record);
    cmd.closePort();
    if (!ok)
        return false;
    if (!GeneralConfigImage::decode(record, checkedGeneral))
        return fail(tr("the general record is too short"));
    return succeed();
}
