#pragma once

#include "model/PanelConfiguration.h"

#include <QCoreApplication>
#include <QStringList>

class EditHistory;
class MyMainWidget;
class QWidget;

// What the window would lose or cannot store: edits since the configuration was last
// opened, saved or made new (the edit history is not at its saved state), and fields of
// the editors typed but not storable.
class UnsavedEdits {
    Q_DECLARE_TR_FUNCTIONS(UnsavedEdits)

public:
    UnsavedEdits(MyMainWidget *editors, EditHistory *history)
        : editors(editors)
        , history(history) {}

    // Opened or made new: the configuration is its file's, with no history.
    void remember(PanelConfiguration &configuration);
    void markSaved(const PanelConfiguration &configuration);
    // Read from the panel: no history, and unsaved unless it equals the file.
    void replacedByDownload(const PanelConfiguration &configuration);
    bool pending();
    // Edits of what the panel holds; zones and boards stay through a download.
    bool pendingInPanelPart(const PanelConfiguration &configuration);

    // By page; empty when every field can be stored.
    QStringList inputProblems() const;
    // A field holding what cannot be stored leaves the model's old value in place, so
    // nothing may be saved, sent or reported until it is corrected: says so, under `title`
    // and `text`, and returns true.
    bool refusedForInput(QWidget *parent, const QString &title, const QString &text) const;

private:
    MyMainWidget *editors;
    EditHistory *history;
    PanelConfiguration saved;
};
