#pragma once

#include "cli/StopOnSignal.h"
#include "cli/TerminalProgress.h"
#include "commissioning/CommissioningQuestions.h"

#include <QCoreApplication>

#include <memory>

class CtlConsole;
class PanelCore;

// The commissioning workflow's questions, answered from mrb500ctl's options: nobody is
// asked, so writing without a backup takes --no-backup, and the review is printed with
// --show-changes. Each transfer shows a bar, or its steps with --verbose, stops at Ctrl-C
// or SIGTERM after the exchange in progress, and keeps its frames for --trace.
class CtlCommissioningQuestions : public CommissioningQuestions {
    Q_DECLARE_TR_FUNCTIONS(CtlCommissioningQuestions)

public:
    CtlCommissioningQuestions(CtlConsole &console, PanelCore &link, bool showChanges = false);

    bool goOnWithoutBackup(const QString &) override { return false; }
    bool confirmWrite(const CommissioningReview &review) override;
    bool checked(const QStringList &warnings) override;
    void backedUp(const QString &backupFile, const QString &viewProblem) override;
    void transferStarted(Transfer transfer) override;
    void progress(int value) override;
    void step(const QString &text) override;
    void transferEnded(const QList<LinkTrace> &traces) override;

private:
    CtlConsole &console;
    PanelCore &link;
    bool showChanges;
    std::unique_ptr<StopOnSignal> stopper;
    std::unique_ptr<TerminalProgress> bar;
};
