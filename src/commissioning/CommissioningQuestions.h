#pragma once

#include "commissioning/CommissioningReview.h"
#include "link/LinkTrace.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a commissioning run asks its user, and what it tells them as it goes. The window
// answers with dialogs, mrb500ctl from its options; the reports may be left alone.
class CommissioningQuestions {
public:
    // The transfers with the panel, for a progress display.
    enum class Transfer { Backup, Read, Upload, Restore, Download, ConnectionCheck };

    virtual ~CommissioningQuestions() = default;

    // The panel answered, but no backup of it could be made, for `reason`: write anyway?
    virtual bool goOnWithoutBackup(const QString &reason) = 0;
    // The last question before anything is written; true writes.
    virtual bool confirmWrite(const CommissioningReview &review) = 0;

    // The check passed; `warnings` do not stop an upload. Nothing has reached the panel
    // yet: false stops here (a front end that could not get a port says why itself).
    virtual bool checked(const QStringList & /*warnings*/) { return true; }
    // The panel's content is saved in `backupFile` (its records); `viewProblem` says why
    // the backup has no XML view, when it has none.
    virtual void backedUp(const QString & /*backupFile*/, const QString & /*viewProblem*/) {}
    virtual void transferStarted(Transfer /*transfer*/) {}
    virtual void progress(int /*value*/) {}        // 0 to PanelCore::ProgressMaximum
    virtual void step(const QString & /*text*/) {} // each request sent and each resend
    // `traces`: every transfer of the run so far, the one that just ended last.
    virtual void transferEnded(const QList<LinkTrace> & /*traces*/) {}
};
