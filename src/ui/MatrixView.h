#pragma once

#include <QDialog>

class PanelConfiguration;
class QLabel;
class QTableWidget;

// The maneuvers as the report's cause-and-effect matrix, in a window of its own beside the
// editors: causes in the rows, with their zone names and the maneuver table's problem mark;
// effects in the columns; delays in the cells. It only shows: a cell asks for its maneuver
// to be modified (maneuverChosen), and it is shown again after every change (refresh).
class MatrixView : public QDialog {
    Q_OBJECT

public:
    explicit MatrixView(QWidget *parent = nullptr);

    void setModel(const PanelConfiguration *model) { this->model = model; }

public Q_SLOTS:
    void refresh();

Q_SIGNALS:
    // The index in the maneuver list of the maneuver a double-clicked cell holds.
    void maneuverChosen(int maneuver);

protected:
    void changeEvent(QEvent *event) override;

private:
    void cellDoubleClicked(int row, int column);

    const PanelConfiguration *model = nullptr;
    QLabel *legend;
    QTableWidget *table;
};
