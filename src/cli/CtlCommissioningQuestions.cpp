#include "cli/CtlCommissioningQuestions.h"

#include "cli/CtlConsole.h"
#include "link/PanelCore.h"

#include <QDir>

CtlCommissioningQuestions::CtlCommissioningQuestions(CtlConsole &console, PanelCore &link,
                                                     bool showChanges)
    : console(console)
    , link(link)
    , showChanges(showChanges) {}

bool CtlCommissioningQuestions::confirmWrite(const CommissioningReview &review) {
    if (!showChanges)
        return true;
    console.out << (review.changes.isEmpty() ? tr("The panel already holds this configuration.")
                                             : tr("Changes to be written to the panel:"))
                << '\n';
    for (const ConfigurationDifference &d : review.changes)
        console.out << "  " << d.text() << '\n';
    console.out.flush();
    return true;
}

bool CtlCommissioningQuestions::checked(const QStringList &warnings) {
    // They do not refuse an upload, but they are said before the panel is touched.
    for (const QString &warning : warnings)
        console.printError(tr("warning: ") + warning);
    return true;
}

void CtlCommissioningQuestions::backedUp(const QString &backupFile, const QString &viewProblem) {
    console.out << tr("backup of the panel saved as %1").arg(QDir::toNativeSeparators(backupFile))
                << '\n';
    // The way back must not be lost in a buffer if the run is ended.
    console.out.flush();
    if (!viewProblem.isEmpty())
        console.printError(tr("warning: the backup is kept as the panel's records only, without "
                              "an XML view: %1")
                               .arg(viewProblem));
}

void CtlCommissioningQuestions::transferStarted(Transfer) {
    // Ctrl-C lets the exchange in progress finish, then the port is closed and what the
    // transfer left is said.
    stopper = std::make_unique<StopOnSignal>([this] { link.requestStop(); });
    bar = std::make_unique<TerminalProgress>(console.err, PanelCore::ProgressMaximum);
}

void CtlCommissioningQuestions::progress(int value) {
    // With --verbose the steps are the progress: a bar would overwrite them.
    if (!console.verbose)
        bar->show(value);
}

void CtlCommissioningQuestions::step(const QString &text) {
    if (console.verbose)
        console.printError(text);
}

void CtlCommissioningQuestions::transferEnded(const QList<LinkTrace> &traces) {
    bar.reset();
    stopper.reset();
    console.keepTrace(traces.last());
}
