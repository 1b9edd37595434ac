#include "commissioning/CommissioningWorkflow.h"

#include "images/ConfigurationCheck.h"
#include "link/PanelCore.h"
#include "model/ConfigurationDiff.h"

using Stop = CommissioningOutcome::Stop;

CommissioningWorkflow::CommissioningWorkflow(PanelCore &link, CommissioningQuestions &questions,
                                             const QString &backupDirectory)
    : link(link)
    , questions(questions)
    , backupDirectory(backupDirectory) {}

CommissioningOutcome CommissioningWorkflow::upload(const UploadOptions &options) {
    CommissioningOutcome outcome;
    traces.clear();
    for (const ConfigurationProblem &problem : ConfigurationCheck::check(link))
        (problem.isError() ? outcome.errors : outcome.review.warnings) << problem.message;
    if (!outcome.errors.isEmpty())
        return stopped(outcome, Stop::Refused,
                       tr("the panel cannot hold this configuration: %1")
                           .arg(outcome.errors.join(QStringLiteral("; "))));
    if (!questions.checked(outcome.review.warnings))
        return stopped(outcome, Stop::NotStarted, {});

    // The panel's programming is saved before anything overwrites it, and the user sees
    // what will change before it does.
    BackupStore store(backupDirectory);
    if (options.backup) {
        if (!backUp(outcome, store))
            return outcome;
    } else if (options.readForReview) {
        readPanel(outcome, Transfer::Read);
        if (!outcome.panelRead)
            return linkFailed(outcome, Stop::ReadFailed);
    }
    outcome.review.panelKnown = outcome.panelRead;
    if (outcome.panelRead)
        outcome.review.changes =
            ConfigurationDiff::compare(outcome.panel, link, ConfigurationDiff::Scope::PanelHeld);
    if (!questions.confirmWrite(outcome.review))
        return stopped(outcome, Stop::Declined, {});

    link.setVerifyAfterUpload(options.verify);
    if (!transfer(Transfer::Upload, [this] { return link.uploadConfig(); })) {
        outcome.partlyWritten = link.panelPartlyWritten();
        return linkFailed(outcome, Stop::WriteFailed);
    }
    outcome.verified = options.verify;
    // The backup taken before this upload must outlive later failing retries.
    if (!outcome.backupFile.isEmpty() && !store.recordSuccessfulUpload())
        outcome.recordProblem = store.errorString();
    outcome.traces = traces;
    return outcome;
}

CommissioningOutcome CommissioningWorkflow::readForCompare() {
    CommissioningOutcome outcome;
    traces.clear();
    readPanel(outcome, Transfer::Read);
    if (!outcome.panelRead)
        return linkFailed(outcome, Stop::ReadFailed);
    outcome.review.panelKnown = true;
    outcome.review.changes =
        ConfigurationDiff::compare(outcome.panel, link, ConfigurationDiff::Scope::PanelHeld);
    outcome.traces = traces;
    return outcome;
}

CommissioningOutcome CommissioningWorkflow::restore(const QString &backup) {
    CommissioningOutcome outcome;
    traces.clear();
    PanelRecords records;
    QString reason;
    if (!BackupStore::read(backup, records, &reason))
        return stopped(outcome, Stop::Refused, reason);
    const QString problem = records.restoreProblem();
    if (!problem.isEmpty())
        return stopped(outcome, Stop::Refused,
                       tr("the backup %1 cannot be restored: %2").arg(backup, problem));
    outcome.backupFile = backup;
    if (!transfer(Transfer::Restore, [&] { return link.restoreRecords(records); })) {
        outcome.partlyWritten = link.panelPartlyWritten();
        return linkFailed(outcome, Stop::WriteFailed);
    }
    outcome.verified = true;
    outcome.traces = traces;
    return outcome;
}

bool CommissioningWorkflow::transfer(Transfer kind, const std::function<bool()> &run) {
    questions.transferStarted(kind);
    const bool writes = kind == Transfer::Upload || kind == Transfer::Restore;
    const QMetaObject::Connection progress =
        QObject::connect(&link, writes ? &PanelCore::progressUp : &PanelCore::progress, &link,
                         [this](int value) { questions.progress(value); });
    const QMetaObject::Connection steps =
        QObject::connect(&link, &PanelCore::transferStep, &link,
                         [this](const QString &text) { questions.step(text); });
    const bool ok = run();
    QObject::disconnect(progress);
    QObject::disconnect(steps);
    traces << link.linkTrace();
    questions.transferEnded(traces);
    return ok;
}

void CommissioningWorkflow::readPanel(CommissioningOutcome &outcome, Transfer kind) {
    outcome.panel.takeInstallationFrom(link);
    outcome.panelRead = transfer(kind, [&] { return link.downloadConfigInto(outcome.panel); });
}

bool CommissioningWorkflow::backUp(CommissioningOutcome &outcome, BackupStore &store) {
    readPanel(outcome, Transfer::Backup);
    if (outcome.panelRead && store.save(outcome.panel, link.lastReadRecords())) {
        outcome.backupFile = store.lastBackup();
        outcome.backupViewProblem = store.viewProblem();
        questions.backedUp(outcome.backupFile, outcome.backupViewProblem);
        return true;
    }
    if (!outcome.panelRead && outOfReach(link.transferFailure())) {
        linkFailed(outcome, Stop::OutOfReach);
        return false;
    }
    const QString reason = outcome.panelRead ? store.errorString() : link.transferError();
    if (questions.goOnWithoutBackup(reason))
        return true;
    stopped(outcome, Stop::NoBackup, reason);
    return false;
}

CommissioningOutcome &CommissioningWorkflow::stopped(CommissioningOutcome &outcome, Stop stop,
                                                     const QString &reason) {
    outcome.stop = stop;
    outcome.reason = reason;
    outcome.traces = traces;
    return outcome;
}

CommissioningOutcome &CommissioningWorkflow::linkFailed(CommissioningOutcome &outcome, Stop stop) {
    outcome.linkFailure = link.transferFailure();
    return stopped(outcome, stop, link.transferError());
}

bool CommissioningWorkflow::outOfReach(DriverSerieHdlc::Failure failure) {
    using Failure = DriverSerieHdlc::Failure;
    return failure == Failure::Port || failure == Failure::Write || failure == Failure::NoAnswer ||
           failure == Failure::Interrupted;
}
