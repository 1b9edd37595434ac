#pragma once

#include "commissioning/CommissioningReview.h"
#include "link/DriverSerieHdlc.h"
#include "link/LinkTrace.h"
#include "model/PanelConfiguration.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a commissioning run ended, for the window and mrb500ctl to tell in their own way.
struct CommissioningOutcome {
    enum class Stop {
        None,        // done: written (and verified when asked), read, or restored
        Refused,     // the configuration or the backup cannot go to the panel: nothing sent
        NotStarted,  // the front end would not reach the panel (no port): nothing sent
        OutOfReach,  // the backup's read did not reach the panel, or was stopped
        NoBackup,    // the panel answered but left no backup, and the user would not go on
        Declined,    // the user did not confirm the review
        ReadFailed,  // a read for the review or for a comparison failed
        WriteFailed, // the upload or restore failed; see partlyWritten
    };

    bool ok() const { return stop == Stop::None; }

    Stop stop = Stop::None;
    QString reason; // why it stopped, in the words of the check, the link or the backups
    // Of the transfer that failed; Interrupted when the user stopped it.
    DriverSerieHdlc::Failure linkFailure = DriverSerieHdlc::Failure::None;
    QStringList errors; // Refused by the check: what the panel cannot hold

    bool panelRead = false;     // `panel` holds what the panel held
    PanelConfiguration panel;   // with the zones, boards and zone names of the configuration
    CommissioningReview review; // shown before writing; of a comparison, its differences

    QString backupFile; // records file of the backup taken, or restored; empty: none
    QString backupViewProblem;
    bool partlyWritten = false;
    bool verified = false;
    QString recordProblem;   // written, but the backups could not note it
    QList<LinkTrace> traces; // every transfer of the run, in order
};
