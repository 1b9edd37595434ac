#pragma once

#include "model/PanelConfiguration.h"

#include <QCoreApplication>
#include <QStringList>

class MyMainWidget;
class QWidget;

// What the window would lose or cannot store: edits since the configuration was last
// opened, saved or made new, and fields of the editors typed but not storable. The
// advanced page keeps its edits apart: it is stored into the model before each look.
class UnsavedEdits {
    Q_DECLARE_TR_FUNCTIONS(UnsavedEdits)

public:
    explicit UnsavedEdits(MyMainWidget *editors)
        : editors(editors) {}

    void remember(PanelConfiguration &configuration);
    bool pending(PanelConfiguration &configuration);
    // Edits of what the panel holds; zones and boards stay through a download.
    bool pendingInPanelPart(PanelConfiguration &configuration);

    // By page; empty when every field can be stored.
    QStringList inputProblems() const;
    // A field holding what cannot be stored leaves the model's old value in place, so
    // nothing may be saved, sent or reported until it is corrected: says so, under `title`
    // and `text`, and returns true.
    bool refusedForInput(QWidget *parent, const QString &title, const QString &text) const;

private:
    MyMainWidget *editors;
    PanelConfiguration saved;
};
