#pragma once

#include "model/PanelConfiguration.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <functional>

class QWidget;

// One edit that can be undone: the whole configuration before and after it, which undo
// and redo hand to `show`. Its text names what changed, found by comparing the two, so it
// reads in whatever language is current when it is shown.
class ConfigurationStep : public QUndoCommand {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationStep)

public:
    using Show = std::function<void(const PanelConfiguration &)>;

    // `typedIn`: the field typed in, if the edit was typing. Typing on in the same field,
    // within the same `typingRun`, adds to this step instead of making another.
    ConfigurationStep(const PanelConfiguration &before, const PanelConfiguration &after,
                      const QWidget *typedIn, int typingRun, Show show);

    // "Change number of zones", "Delete maneuver 3", ...
    static QString describe(const PanelConfiguration &before, const PanelConfiguration &after);
    QString description() const { return describe(before, after); }

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    PanelConfiguration before;
    PanelConfiguration after;
    const QWidget *typedIn;
    int typingRun;
    Show show;
    bool pushed = false; // the model already holds `after` when the step is pushed
};
