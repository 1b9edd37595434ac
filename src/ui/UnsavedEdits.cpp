#include "ui/UnsavedEdits.h"

#include "ui/EditHistory.h"
#include "ui/MyMainWidget.h"
#include "ui/UserDialogs.h"
#include "ui/myAdvancedConfigurationWidget.h"
#include "ui/myconfigurationwidget.h"

void UnsavedEdits::remember(PanelConfiguration &configuration) {
    editors->advancedWidget()->writeGeneralConfiguration();
    saved = configuration;
    history->restart(true);
}

void UnsavedEdits::markSaved(const PanelConfiguration &configuration) {
    saved = configuration;
    history->markSaved();
}

void UnsavedEdits::replacedByDownload(const PanelConfiguration &configuration) {
    history->restart(configuration == saved);
}

bool UnsavedEdits::pending() {
    history->record();
    // A field typed but not yet storable is an edit the model does not hold.
    return !inputProblems().isEmpty() || !history->isClean();
}

bool UnsavedEdits::pendingInPanelPart(const PanelConfiguration &configuration) {
    history->record();
    return !editors->advancedWidget()->inputProblems().isEmpty() ||
           configuration.panelHeld() != saved.panelHeld();
}

QStringList UnsavedEdits::inputProblems() const {
    QStringList problems;
    const std::pair<QStringList, const QWidget *> pages[] = {
        {editors->configurationWidget()->inputProblems(), editors->configurationWidget()},
        {editors->advancedWidget()->inputProblems(), editors->advancedWidget()}};
    for (const auto &[found, page] : pages) {
        if (!found.isEmpty())
            problems << tr("On the page %1:").arg(editors->pageTitle(page)) << found;
    }
    return problems;
}

bool UnsavedEdits::refusedForInput(QWidget *parent, const QString &title,
                                   const QString &text) const {
    const QStringList problems = inputProblems();
    if (problems.isEmpty())
        return false;
    UserDialogs::current().reportFailure(parent, title, text,
                                         tr("Correct these fields first:") + QLatin1Char('\n') +
                                             problems.join(QLatin1Char('\n')));
    return true;
}
