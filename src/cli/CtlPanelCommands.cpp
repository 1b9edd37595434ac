#include "cli/CtlPanelCommands.h"

#include "cli/CtlCommissioningQuestions.h"
#include "cli/CtlConsole.h"
#include "commissioning/CommissioningWorkflow.h"
#include "link/PanelCore.h"
#include "model/MyXMLWriter.h"

#include <QCommandLineParser>
#include <QSerialPortInfo>

namespace {

using Stop = CommissioningOutcome::Stop;
using Transfer = CommissioningWorkflow::Transfer;

void usePort(PanelCore &core, const QString &port) {
    SerialSettings settings;
    settings.name = port;
    settings.portSelected = true;
    core.setSerialSettings(settings);
}

} // namespace

int CtlPanelCommands::upload(CtlConsole &console, const QStringList &files,
                             const QCommandLineParser &options) {
    const QString &fileName = files.first();
    const QString port = options.value(QStringLiteral("port"));
    PanelCore core;
    XmlConfigReader::Notes notes;
    if (!console.load(fileName, core, &notes))
        return CtlConsole::UsageError;
    // Refused before the panel is even read.
    if (!notes.problems.isEmpty()) {
        QStringList problems;
        for (const ConfigurationProblem &p : notes.problems)
            problems << p.message;
        console.printError(
            tr("%1 cannot go to the panel: %2").arg(fileName, problems.join(QStringLiteral("; "))));
        return CtlConsole::Failed;
    }
    usePort(core, port);
    const bool showChanges = options.isSet(QStringLiteral("show-changes"));
    CtlCommissioningQuestions questions(console, core, showChanges);
    CommissioningWorkflow::UploadOptions upload;
    upload.backup = !options.isSet(QStringLiteral("no-backup"));
    upload.readForReview = showChanges;
    upload.verify = !options.isSet(QStringLiteral("no-verify"));
    const CommissioningOutcome outcome = CommissioningWorkflow(core, questions).upload(upload);
    const QString notTaken = tr("%1; no backup was taken").arg(outcome.reason);
    switch (outcome.stop) {
    case Stop::None:
        break;
    case Stop::OutOfReach:
        return readFailed(console, outcome.linkFailure, notTaken);
    case Stop::NoBackup:
        // Going on without a backup helps only where the panel could be read.
        return readFailed(console, outcome.linkFailure,
                          tr("%1; to upload without a backup, use --no-backup")
                              .arg(outcome.panelRead ? outcome.reason : notTaken));
    case Stop::ReadFailed:
        return readFailed(console, outcome.linkFailure, outcome.reason);
    case Stop::WriteFailed:
        return writeFailed(console, outcome, port);
    case Stop::Refused:
    case Stop::NotStarted:
    case Stop::Declined: // not asked here
        console.printError(outcome.reason);
        return CtlConsole::Failed;
    }
    console.out << (outcome.verified ? tr("%1 uploaded to %2 and verified")
                                     : tr("%1 uploaded to %2"))
                       .arg(fileName, port)
                << '\n';
    // Keeps the backup taken before this upload from being pushed out by later retries.
    if (!outcome.recordProblem.isEmpty())
        return console.usageError(outcome.recordProblem);
    return CtlConsole::Success;
}

int CtlPanelCommands::readPanel(CtlConsole &console, const PanelConfiguration &file,
                                const QString &port, PanelConfiguration &panel) {
    PanelCore link;
    link = file;
    usePort(link, port);
    CtlCommissioningQuestions questions(console, link);
    const CommissioningOutcome outcome = CommissioningWorkflow(link, questions).readForCompare();
    if (!outcome.ok())
        return readFailed(console, outcome.linkFailure, outcome.reason);
    panel = outcome.panel;
    return CtlConsole::Success;
}

int CtlPanelCommands::download(CtlConsole &console, const QStringList &files,
                               const QCommandLineParser &options) {
    const QString &fileName = files.first();
    const QString port = options.value(QStringLiteral("port"));
    const QString baseFile = options.value(QStringLiteral("base"));
    PanelCore core;
    if (!baseFile.isEmpty() && !console.load(baseFile, core))
        return CtlConsole::UsageError;
    // Refused before the transfer rather than after it.
    if (!console.writableTarget(fileName))
        return CtlConsole::UsageError;
    usePort(core, port);
    CtlCommissioningQuestions questions(console, core);
    if (!CommissioningWorkflow(core, questions).transfer(Transfer::Download, [&] {
            return core.downloadConfig();
        }))
        return readFailed(console, core.transferFailure(), core.transferError());
    MyXMLWriter writer(&core);
    if (!writer.writeFile(fileName))
        return console.usageError(writer.errorString());
    console.out << tr("%1 downloaded from %2").arg(fileName, port) << '\n';
    return CtlConsole::Success;
}

int CtlPanelCommands::check(CtlConsole &console, const QStringList &,
                            const QCommandLineParser &options) {
    const QString port = options.value(QStringLiteral("port"));
    PanelCore core;
    usePort(core, port);
    CtlCommissioningQuestions questions(console, core);
    if (!CommissioningWorkflow(core, questions).transfer(Transfer::ConnectionCheck, [&] {
            return core.checkConnection();
        }))
        return readFailed(console, core.transferFailure(), core.transferError());
    const GeneralConfig g = core.panelGeneralConfig();
    console.out << tr("Panel on %1 answered; its general options:").arg(port) << '\n'
                << "confirmation_general_mode " << g.confirmation_general_mode << '\n'
                << "short_general_mode " << g.short_general_mode << '\n'
                << "delay_confirmation " << g.delay_confirmation << '\n'
                << "cancel_delay " << g.cancel_delay << '\n'
                << "cancel_MCP_delay " << g.cancel_MCP_delay << '\n';
    return CtlConsole::Success;
}

int CtlPanelCommands::restore(CtlConsole &console, const QStringList &files,
                              const QCommandLineParser &options) {
    const QString &backup = files.first();
    const QString port = options.value(QStringLiteral("port"));
    PanelCore core;
    usePort(core, port);
    CtlCommissioningQuestions questions(console, core);
    const CommissioningOutcome outcome = CommissioningWorkflow(core, questions).restore(backup);
    if (outcome.stop == Stop::Refused)
        return console.usageError(outcome.reason);
    if (!outcome.ok())
        return writeFailed(console, outcome, port);
    console.out << tr("%1 restored to %2 and verified").arg(backup, port) << '\n';
    return CtlConsole::Success;
}

int CtlPanelCommands::ports(CtlConsole &console, const QStringList &,
                            const QCommandLineParser &options) {
    constexpr quint16 FtdiVendor = 0x0403;
    constexpr quint16 Ft232Product = 0x6001;
    const bool all = options.isSet(QStringLiteral("all"));
    const QString na = tr("N/A");
    int listed = 0;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const bool ft232 = info.hasVendorIdentifier() && info.hasProductIdentifier() &&
                           info.vendorIdentifier() == FtdiVendor &&
                           info.productIdentifier() == Ft232Product;
        if (!ft232 && !all)
            continue;
        const QString ids = info.hasVendorIdentifier()
                                ? QStringLiteral("%1:%2")
                                      .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                                      .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                                : na;
        console.out << info.systemLocation() << '\t'
                    << (info.description().isEmpty() ? na : info.description()) << '\t'
                    << (info.manufacturer().isEmpty() ? na : info.manufacturer()) << '\t' << ids
                    << '\n';
        ++listed;
    }
    if (listed == 0)
        console.out << (all ? tr("no serial port found")
                            : tr("no FT232 adapter found; mrb500ctl ports --all lists every "
                                 "serial port"))
                    << '\n';
    return CtlConsole::Success;
}

int CtlPanelCommands::readFailed(CtlConsole &console, DriverSerieHdlc::Failure failure,
                                 const QString &reason) {
    if (failure != DriverSerieHdlc::Failure::Interrupted) {
        console.printError(reason);
        return CtlConsole::Failed;
    }
    console.printError(CtlConsole::sentences(reason, tr("Nothing was changed.")));
    return CtlConsole::Interrupted;
}

int CtlPanelCommands::writeFailed(CtlConsole &console, const CommissioningOutcome &outcome,
                                  const QString &port) {
    console.printError(CtlConsole::sentences(
        outcome.reason, outcome.partlyWritten
                            ? BackupStore::partlyWrittenAdvice(outcome.backupFile, port)
                            : tr("The panel was not changed.")));
    return outcome.linkFailure == DriverSerieHdlc::Failure::Interrupted ? CtlConsole::Interrupted
                                                                        : CtlConsole::Failed;
}
