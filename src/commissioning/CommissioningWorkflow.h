#pragma once

#include "commissioning/BackupStore.h"
#include "commissioning/CommissioningOutcome.h"
#include "commissioning/CommissioningQuestions.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class PanelCore;

// Puts the configuration of `link` into the panel on its port: checks it once, backs the
// panel up, shows what changes, writes, verifies and notes the upload; and the reads and
// restores around that. The window and mrb500ctl differ only in their `questions`.
class CommissioningWorkflow {
    Q_DECLARE_TR_FUNCTIONS(CommissioningWorkflow)

public:
    using Transfer = CommissioningQuestions::Transfer;

    struct UploadOptions {
        bool backup = true;        // read and save the panel before writing
        bool readForReview = true; // without a backup, still read the panel for the review
        bool verify = true;        // read every written record back
    };

    CommissioningWorkflow(PanelCore &link, CommissioningQuestions &questions,
                          const QString &backupDirectory = BackupStore::defaultDirectory());

    CommissioningOutcome upload(const UploadOptions &options);
    // What the panel holds, with the installation of the configuration (the panel keeps no
    // zone names), and the differences an upload would write.
    CommissioningOutcome readForCompare();
    // Writes a backup (its records file, or the XML view beside it) back byte for byte and
    // verifies it.
    CommissioningOutcome restore(const QString &backup);

    // One transfer of the link, with the progress, step and trace reports of the runs;
    // for the transfers outside them too (a download, a connection check).
    bool transfer(Transfer kind, const std::function<bool()> &run);

private:
    // Reads the panel into `outcome.panel`, with the installation of the configuration.
    void readPanel(CommissioningOutcome &outcome, Transfer kind);
    // False: stop, and `outcome` says why.
    bool backUp(CommissioningOutcome &outcome, BackupStore &store);
    CommissioningOutcome &stopped(CommissioningOutcome &outcome, CommissioningOutcome::Stop stop,
                                  const QString &reason);
    CommissioningOutcome &linkFailed(CommissioningOutcome &outcome,
                                     CommissioningOutcome::Stop stop);
    // Whether the port or the panel could not be reached (or the user stopped the
    // transfer), as opposed to a panel that answered: then the upload would only fail
    // too, after a question and a wait.
    static bool outOfReach(DriverSerieHdlc::Failure failure);

    PanelCore &link;
    CommissioningQuestions &questions;
    QString backupDirectory;
    QList<LinkTrace> traces;
};
