// PanelCore's transfers: upload, download and the connection check.
#include "link/PanelCore.h"

#include "images/ConfigurationCheck.h"
#include "images/GeneralConfigImage.h"
#include "images/ManeuverTableImage.h"
#include "images/PanelMemoryMap.h"
#include "images/WebServerImage.h"
#include "link/CmdConvencional.h"
#include "link/LinkAdvice.h"
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

bool PanelCore::failTransfer(const QString &reason, DriverSerieHdlc::Failure kind) {
    lastTransferError = reason;
    lastTransferFailure = kind;
    transferProgress.stop();
    return false;
}

bool PanelCore::busy() {
    // An open port means a transfer is waiting for the panel and this call came from an
    // event handled meanwhile; its own result and reason stay untouched.
    if (!cmd->isOpen())
        return false;
    lastTransferError = tr("a transfer with the panel is already running");
    return true;
}

bool PanelCore::startTransfer(const QString &name, bool writesPanel) {
    if (busy())
        return false;
    trace.start(name);
    lastTransferFailure = DriverSerieHdlc::Failure::None;
    lastTransferError.clear();
    if (writesPanel)
        partlyWritten = false;
    if (cmd->stopRequested()) {
        const QString reason =
            LinkAdvice::withDetail(LinkAdvice::forFailure(DriverSerieHdlc::Failure::Interrupted),
                                   tr("stopped before the %1 began").arg(name));
        trace.problem(reason);
        return failTransfer(reason, DriverSerieHdlc::Failure::Interrupted);
    }
    return true;
}

void PanelCore::requestStop() {
    cmd->requestStop();
}

void PanelCore::clearStopRequest() {
    cmd->clearStopRequest();
}

bool PanelCore::stopRequested() const {
    return cmd->stopRequested();
}

bool PanelCore::openLink() {
    lastTransferError.clear();
    cmd->resetStatistics();
    if (!serialSettings.portSelected)
        return failTransfer(tr("no serial port chosen"));
    if (!cmd->configurePort(serialSettings))
        return failTransfer(cmd->errorString(), cmd->failure());
    return true;
}

QString PanelCore::uploadRefusal() const {
    const QList<ConfigurationProblem> problems = ConfigurationCheck::check(*this);
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

bool PanelCore::uploadConfig() {
    if (!startTransfer(tr("upload"), true))
        return false;
    const QString refusal = uploadRefusal();
    if (!refusal.isEmpty())
        return failTransfer(refusal);
    return writePanel(WrittenRecords, verifyAfterUpload, [this] {
        qCDebug(internalDiagnostics) << "Write Maneouver List";
        if (!writeManeuverList())
            return false;
        qCDebug(internalDiagnostics) << "Write General Config";
        if (!writeGeneralConfig())
            return false;
        qCDebug(internalDiagnostics) << "Write WS";
        return writeWebServerConfig();
    });
}

bool PanelCore::restoreRecords(const PanelRecords &records) {
    if (!startTransfer(tr("restore"), true))
        return false;
    const QString problem = records.restoreProblem();
    if (!problem.isEmpty())
        return failTransfer(tr("these records cannot be restored: %1").arg(problem));
    const PanelRecords::Images images = records.images();
    return writePanel(RestoredRecords, true, [this, &images] {
        return writeSimpleManeuverTable(images.simple) && writeLogicManeuverTables(images.logic) &&
               writeGeneralTable(images.general) && writeWebServerImage(images.web);
    });
}

bool PanelCore::writePanel(int records, bool verify, const std::function<bool()> &writeAll) {
    if (!openLink())
        return false;
    const int planned = 1 + ErasedTables + records + (verify ? records : 0) + 1;
    transferProgress.start(planned, ProgressMaximum, [this](int v) { Q_EMIT progressUp(v); });
    writtenRecords.clear();
    recordWrites = verify;

    // The answers to begin-upload and reset are not examined, but a frame that could not
    // be sent means the panel never got it.
    bool ok = cmd->beginUpload() || failStep();
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
        ok = cmd->resetPanel() || failStep();
    }
    if (ok)
        transferProgress.step();
    cmd->closePort();
    if (!ok)
        return false;
    partlyWritten = false;
    transferProgress.finish();
    lastTransferError.clear();
    return true;
}

bool PanelCore::verifyWrittenRecords() {
    for (const WrittenRecord &written : writtenRecords) {
        QByteArray read;
        if (!readRecord(written.table, written.record, read))
            return false;
        if (read == written.data)
            continue;
        qsizetype at = 0;
        while (at < read.size() && read.at(at) == written.data.at(at))
            ++at;
        return failTransfer(tr("the panel holds 0x%1 at byte %2 where 0x%3 was written "
                               "(verify table %4 record %5)")
                                .arg(quint8(read.at(at)), 2, 16, QLatin1Char('0'))
                                .arg(at)
                                .arg(quint8(written.data.at(at)), 2, 16, QLatin1Char('0'))
                                .arg(written.table)
                                .arg(written.record));
    }
    return true;
}

bool PanelCore::downloadConfig() {
    return downloadConfigInto(*this);
}

bool PanelCore::downloadConfigInto(PanelConfiguration &target) {
    readRecords = PanelRecords();
    if (!startTransfer(tr("download")) || !openLink())
        return false;
    transferProgress.start(DownloadExchanges, ProgressMaximum,
                           [this](int v) { Q_EMIT progress(v); });

    // Everything is read before anything is decoded into the model.
    QByteArray simple;
    QByteArray logic;
    QByteArray general;
    QByteArray generalTail;
    QByteArray web;
    const bool read = readSimpleManeuverTable(simple) && readLogicManeuverTables(logic) &&
                      readGeneralRecord(general) && readGeneralTableTail(generalTail) &&
                      readWebServerImage(web);
    cmd->closePort();
    if (!read)
        return false;

    GeneralConfig newGeneral;
    if (!GeneralConfigImage::decode(general, newGeneral))
        return failTransfer(tr("the general record is too short"));
    WebServerConfig newWeb = target.webServer;
    SmtpConfig newSmtp = target.smtp;
    if (WebServerImage::decode(web, newWeb, newSmtp) == WebServerImage::Decoded::TooShort)
        return failTransfer(tr("the web server image is too short"));

    target.maneuvers =
        ManeuverTableImage::decodeSimple(simple) + ManeuverTableImage::decodeLogic(logic);
    target.generalConfig = newGeneral;
    target.webServer = newWeb;
    target.smtp = newSmtp;
    readRecords = PanelRecords::fromImages({simple, logic, general + generalTail, web});
    transferProgress.finish();
    lastTransferError.clear();
    return true;
}

bool PanelCore::checkConnection() {
    if (!startTransfer(tr("connection check")) || !openLink())
        return false;
    transferProgress.start(1, ProgressMaximum, [this](int v) { Q_EMIT progress(v); });
    // The model is left alone: a download that follows may still fail, and must then
    // leave the options as they were.
    QByteArray record;
    const bool ok = readGeneralRecord(record);
    cmd->closePort();
    if (!ok)
        return false;
    if (!GeneralConfigImage::decode(record, checkedGeneral))
        return failTransfer(tr("the general record is too short"));
    transferProgress.finish();
    lastTransferError.clear();
    return true;
}
