#pragma once

#include "model/PanelConfiguration.h"

#include <QObject>
#include <QTimer>
#include <QUndoStack>

#include <functional>

class MyMainWidget;
class QAction;
class QWidget;

// The undo history of the three editors. An edit becomes a step once the event that made
// it is over: the advanced page is stored into the model (only what the user changed), and
// when the model then differs from what the newest step left, a ConfigurationStep with both
// is pushed. Keystrokes in one field, while it keeps the focus, are one step. Undo and redo
// hand a step's configuration to the model and show it in every editor. A field holding
// what cannot be stored is the newest edit of all: Undo takes it back first, and Redo waits
// until it is stored or gone.
class EditHistory : public QObject {
    Q_OBJECT

public:
    // `unstorableInput`: whether some field holds what cannot be stored.
    EditHistory(MyMainWidget *editors, std::function<bool()> unstorableInput,
                QObject *parent = nullptr);

    void setModel(PanelConfiguration *model);
    // No step before what the model holds now; that is the saved state when `saved`.
    void restart(bool saved);
    // What the model holds now, the editors' pending edits included, is saved.
    void markSaved();
    // The model is at the saved state (an edit not yet recorded counts: record() first).
    bool isClean() const { return stack.isClean(); }
    // Makes a step of what the editors hold and no step has yet.
    void record();

    // The Edit menu's actions, named after the step they would undo or redo.
    void showStepsOn(QAction *undo, QAction *redo);
    void retranslate() { updateActions(); }

public Q_SLOTS:
    void undo();
    void redo();

Q_SIGNALS:
    // After an edit, undo, redo, restart or save: what is unsaved may have changed.
    void settled();

private:
    void show(const PanelConfiguration &state);
    const QWidget *typingField() const;
    void settle();
    void updateActions();

    MyMainWidget *editors;
    std::function<bool()> unstorableInput;
    PanelConfiguration *model = nullptr;
    PanelConfiguration recorded; // the model as the newest step left it
    QUndoStack stack;
    // Recording waits until the event that edited is over: an editor still being reloaded
    // must not be compared, nor stored into the model half done.
    QTimer pending;
    int typingRun = 0; // a new run each time the focus moves or a step is undone or redone
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
};
