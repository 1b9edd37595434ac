#pragma once

#include <QDialog>
#include <QList>

class LogEventWidget;
class ManiobraConvencional;
class PanelConfiguration;
class QLabel;
namespace Ui {
class DialogAddLogic;
}

// Changes an existing maneuver: the kind of each event within its family, the action
// within its block, the output of an auxiliary board and the delay. The number of
// events, their sources and zones stay as they are.
class DialogAddLogic : public QDialog {
    Q_OBJECT

public:
    explicit DialogAddLogic(QWidget *parent = nullptr);
    ~DialogAddLogic() override;

    // The dialog is titled after the maneuver's number in the table (counted from 1).
    void setManeuverNumber(int number);
    // The module box offers the modules up to the last fitted board of `configuration`
    // (all three unless told). Before loadManeuver().
    void setBoards(const PanelConfiguration &configuration);
    void loadManeuver(const ManiobraConvencional &maneuver);
    // Writes the choices into the maneuver that was loaded.
    void storeManeuver(ManiobraConvencional &maneuver) const;

public Q_SLOTS:
    void LogActionComboBoxChanged(int index);

private:
    enum class ActionKind { Unknown, Panel, AuxiliaryOutput };

    Ui::DialogAddLogic *ui;
    QLabel *keptNote;
    int fittedBoards;
    QList<LogEventWidget *> eventLines;
    ActionKind actionKind = ActionKind::Unknown;
    // What the action area showed when loaded: only what the user changed is written back.
    int shownAction = -1;
    int shownModule = 0;
    int shownOutput = 0;
    int shownDelay = 0;
};
