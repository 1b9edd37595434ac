#include "ui/EditHistory.h"

#include "ui/ConfigurationStep.h"
#include "ui/MyActionsWidget.h"
#include "ui/MyMainWidget.h"
#include "ui/myAdvancedConfigurationWidget.h"
#include "ui/myconfigurationwidget.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QLineEdit>

EditHistory::EditHistory(MyMainWidget *editors, std::function<bool()> unstorableInput,
                         QObject *parent)
    : QObject(parent)
    , editors(editors)
    , unstorableInput(std::move(unstorableInput)) {
    pending.setSingleShot(true);
    pending.setInterval(0);
    connect(&pending, &QTimer::timeout, this, [this] {
        record();
        settle();
    });
    const auto edited = [this] {
        pending.start();
    };
    for (const auto signal : {&myconfigurationwidget::signalElementAddedRemovedModified,
                              &myconfigurationwidget::signalNumberOfZonesModified,
                              &myconfigurationwidget::signalZoneNamesModified})
        connect(editors->configurationWidget(), signal, this, edited);
    connect(editors->actionsWidget(), &MyActionsWidget::edited, this, edited);
    connect(editors->advancedWidget(), &myAdvancedConfigurationWidget::edited, this, edited);
    connect(qApp, &QApplication::focusChanged, this, [this] { ++typingRun; });
}

void EditHistory::setModel(PanelConfiguration *model) {
    this->model = model;
}

void EditHistory::restart(bool saved) {
    pending.stop();
    recorded = *model;
    stack.clear();
    if (!saved)
        stack.resetClean();
    ++typingRun;
    settle();
}

void EditHistory::markSaved() {
    record();
    stack.setClean();
    settle();
}

void EditHistory::record() {
    pending.stop();
    editors->advancedWidget()->writeGeneralConfiguration();
    if (*model == recorded)
        return;
    auto *step = new ConfigurationStep(recorded, *model, typingField(), typingRun,
                                       [this](const PanelConfiguration &state) { show(state); });
    recorded = *model;
    stack.push(step);
}

const QWidget *EditHistory::typingField() const {
    QWidget *focus = QApplication::focusWidget();
    const bool typing = qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus);
    return typing && editors->isAncestorOf(focus) ? focus : nullptr;
}

void EditHistory::undo() {
    record(); // what the pages hold is the newest edit
    if (unstorableInput())
        show(*model); // the model never took it
    else
        stack.undo();
    ++typingRun;
    settle();
}

void EditHistory::redo() {
    record();
    if (!unstorableInput())
        stack.redo();
    ++typingRun;
    settle();
}

void EditHistory::show(const PanelConfiguration &state) {
    *model = state;
    recorded = state;
    editors->showConfiguration();
}

void EditHistory::settle() {
    updateActions();
    emit settled();
}

void EditHistory::showStepsOn(QAction *undo, QAction *redo) {
    undoAction = undo;
    redoAction = redo;
    updateActions();
}

void EditHistory::updateActions() {
    if (!undoAction)
        return;
    const auto stepText = [this](int index) {
        return static_cast<const ConfigurationStep *>(stack.command(index))->description();
    };
    const bool unstorable = unstorableInput();
    undoAction->setEnabled(unstorable || stack.canUndo());
    undoAction->setText(unstorable        ? tr("Undo typing that cannot be stored")
                        : stack.canUndo() ? tr("Undo %1").arg(stepText(stack.index() - 1))
                                          : tr("Undo"));
    const bool canRedo = !unstorable && stack.canRedo();
    redoAction->setEnabled(canRedo);
    redoAction->setText(canRedo ? tr("Redo %1").arg(stepText(stack.index())) : tr("Redo"));
}
