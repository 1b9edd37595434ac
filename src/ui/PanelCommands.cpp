#include "ui/PanelCommands.h"

#include "commissioning/BackupStore.h"
#include "commissioning/CommissioningWorkflow.h"
#include "link/PanelCore.h"
#include "ui/LinkLogWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/SystemSerialPortList.h"
#include "ui/TransferProgressDialog.h"
#include "ui/UserDialogs.h"

#include <QDir>

namespace {

const char *const UploadTitle = QT_TRANSLATE_NOOP("PanelCommands", "Upload Panel");
const char *const UploadFailed = QT_TRANSLATE_NOOP("PanelCommands", "Error uploading to panel.");
const char *const DownloadTitle = QT_TRANSLATE_NOOP("PanelCommands", "Download Panel");
const char *const DownloadFailed =
    QT_TRANSLATE_NOOP("PanelCommands", "Error downloading from panel.");
const char *const CompareTitle = QT_TRANSLATE_NOOP("PanelCommands", "Compare with panel");

using Stop = CommissioningOutcome::Stop;

} // namespace

PanelCommands::PanelCommands(QWidget *window)
    : window(window) {}

PanelCommands::~PanelCommands() = default;

void PanelCommands::setPanelCore(PanelCore *fresh) {
    core = fresh;
    applySessionPort();
}

void PanelCommands::upload(bool verify) {
    CommissioningWorkflow::UploadOptions options;
    options.verify = verify;
    const CommissioningOutcome outcome = CommissioningWorkflow(*core, *this).upload(options);
    switch (outcome.stop) {
    case Stop::None:
        break;
    case Stop::Refused:
        UserDialogs::current().reportFailure(
            window, tr(UploadTitle), tr(UploadFailed),
            tr("The panel cannot hold this configuration, so nothing was sent:") +
                QStringLiteral("\n- ") + outcome.errors.join(QStringLiteral("\n- ")));
        return;
    case Stop::OutOfReach:
    case Stop::ReadFailed:
    case Stop::WriteFailed:
        reportFailure(tr(UploadTitle), tr(UploadFailed), outcome.reason,
                      outcome.partlyWritten ? BackupStore::partlyWrittenAdvice(
                                                  outcome.backupFile, core->serialSettings.name)
                                            : QString());
        return;
    case Stop::NotStarted: // said when it stopped
    case Stop::NoBackup:   // the user's answers
    case Stop::Declined:
        return;
    }
    QString text = tr("Upload ok!");
    if (outcome.verified)
        text += QLatin1Char('\n') + tr("Every record was read back from the panel and matches "
                                       "what was sent.");
    if (!outcome.backupFile.isEmpty())
        text += QLatin1Char('\n') + tr("The panel's previous configuration was saved as %1.")
                                        .arg(QDir::toNativeSeparators(outcome.backupFile));
    if (!outcome.backupViewProblem.isEmpty())
        text += QLatin1Char('\n') + tr("It is kept as the panel's records only, without an XML "
                                       "view: %1")
                                        .arg(outcome.backupViewProblem);
    if (!outcome.recordProblem.isEmpty())
        text += QLatin1Char('\n') + outcome.recordProblem;
    UserDialogs::current().inform(window, tr(UploadTitle), text);
}

bool PanelCommands::download() {
    if (!core->portConfigured)
        configureSerialPort();
    bool ok = false;
    {
        TransferProgressDialog progress(tr("Descargando configuracion de la central..."),
                                        PanelCore::ProgressMaximum, window);
        progress.setWindowTitle(tr(DownloadTitle));
        // The dialog is up for the connection check too: a silent panel takes a while.
        ok = core->checkConnection();
        if (ok) {
            QObject::connect(core, &PanelCore::progress, &progress, &QProgressDialog::setValue);
            ok = core->downloadConfig();
        }
    }
    showLinkLog({core->linkTrace()});
    if (!ok)
        reportFailure(tr(DownloadTitle), tr(DownloadFailed), core->transferError());
    return ok;
}

void PanelCommands::compare() {
    if (!portChosen(tr(CompareTitle), tr(DownloadFailed)))
        return;
    const CommissioningOutcome outcome = CommissioningWorkflow(*core, *this).readForCompare();
    if (!outcome.ok()) {
        reportFailure(tr(CompareTitle), tr(DownloadFailed), outcome.reason);
        return;
    }
    const QList<ConfigurationDifference> &differences = outcome.review.changes;
    UserDialogs::current().showDifferences(
        window, tr(CompareTitle),
        differences.isEmpty()
            ? tr("No differences: the panel holds this configuration.")
            : tr("Differences between the panel (before) and this configuration (after): %1")
                  .arg(differences.size()),
        differences);
}

bool PanelCommands::goOnWithoutBackup(const QString &reason) {
    QString why = reason;
    if (!why.isEmpty())
        why[0] = why.at(0).toUpper();
    return UserDialogs::current().askYesNo(
        window, tr(UploadTitle),
        tr("No backup of the panel's configuration could be made:") + QLatin1Char('\n') + why +
            QStringLiteral("\n\n") +
            tr("Upload without a backup? The panel's present configuration will be lost."));
}

bool PanelCommands::confirmWrite(const CommissioningReview &review) {
    QStringList text;
    if (!review.warnings.isEmpty())
        text << tr("Warnings about this configuration:")
             << QStringLiteral("- ") + review.warnings.join(QStringLiteral("\n- ")) << QString();
    if (!review.panelKnown)
        text << tr("The panel could not be read, so what it holds now is unknown. Write this "
                   "configuration to it?");
    else
        text << (review.changes.isEmpty() ? tr("The panel already holds this configuration. "
                                               "Write it again?")
                                          : tr("These changes will be written to the panel:"));
    return UserDialogs::current().confirmDifferences(window, tr(UploadTitle),
                                                     text.join(QLatin1Char('\n')), review.changes);
}

bool PanelCommands::checked(const QStringList &) {
    return portChosen(tr(UploadTitle), tr(UploadFailed));
}

void PanelCommands::transferStarted(Transfer transfer) {
    // The window reads the panel to compare with it, or to back it up before an upload.
    const bool comparing = transfer == Transfer::Read;
    const QString label = transfer == Transfer::Backup ? tr("Reading the panel for a backup...")
                          : comparing                  ? tr("Reading the panel...")
                                      : tr("Cargando configuracion a la central...");
    progressDialog =
        std::make_unique<TransferProgressDialog>(label, PanelCore::ProgressMaximum, window);
    progressDialog->setWindowTitle(comparing ? tr(CompareTitle) : tr(UploadTitle));
}

void PanelCommands::progress(int value) {
    progressDialog->setValue(value);
}

void PanelCommands::transferEnded(const QList<LinkTrace> &traces) {
    progressDialog.reset();
    showLinkLog(traces);
}

void PanelCommands::configureSerialPort() {
    SettingsDialog dialog(window, portList);
    dialog.preselect(core->serialSettings.name);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SerialSettings settings = dialog.selectedSettings();
    settings.portSelected = !settings.name.isEmpty();
    core->setSerialSettings(settings);
    if (settings.portSelected)
        sessionPort = userPort = settings.name;
}

void PanelCommands::setCommandLinePort(const QString &portName) {
    sessionPort = portName;
    applySessionPort();
}

void PanelCommands::restoreChosenPort(const QString &portName) {
    userPort = portName;
    if (sessionPort.isEmpty() && !portName.isEmpty() &&
        SerialPortList::isPresent(availablePorts(), portName))
        sessionPort = portName;
    applySessionPort();
}

void PanelCommands::applySessionPort() {
    const QString name = sessionPort.isEmpty() ? userPort : sessionPort;
    if (name.isEmpty())
        return;
    SerialSettings settings = core->serialSettings;
    settings.name = name;
    // A remembered port that is absent is only named: the settings dialog comes first.
    settings.portSelected = !sessionPort.isEmpty();
    core->setSerialSettings(settings);
}

QList<SerialPortDescription> PanelCommands::availablePorts() const {
    return portList ? portList->availablePorts() : SystemSerialPortList().availablePorts();
}

bool PanelCommands::portChosen(const QString &title, const QString &text) {
    if (!core->portConfigured)
        configureSerialPort();
    if (core->portConfigured)
        return true;
    UserDialogs::current().reportFailure(window, title, text, tr("No serial port chosen"));
    return false;
}

void PanelCommands::reportFailure(const QString &title, const QString &text, QString reason,
                                  const QString &outcome) {
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toUpper();
    if (!outcome.isEmpty())
        reason += QStringLiteral("\n\n") + outcome;
    UserDialogs::current().reportFailure(window, title, text, reason);
}

void PanelCommands::showLinkLog(const QList<LinkTrace> &traces) {
    lastTraces = traces;
    if (linkLog)
        linkLog->setTraces(lastTraces);
}

void PanelCommands::viewLinkLog() {
    if (!linkLog)
        linkLog = new LinkLogWindow(window);
    linkLog->setTraces(lastTraces);
    linkLog->show();
    linkLog->raise();
    linkLog->activateWindow();
}

void PanelCommands::retranslate() {
    if (linkLog)
        linkLog->retranslate();
}
