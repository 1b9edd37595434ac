#pragma once

#include <QList>
#include <QWidget>

class ActionTreeWidget;
class QAction;
class QMenu;
class ManiobraConvencional;
class PanelCore;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class MyActionsWidget;
}

// The "Actions" page: the event and action trees the maneuvers are built from, and the
// table of the maneuvers in the model's order.
class MyActionsWidget : public QWidget {
    Q_OBJECT

public:
    explicit MyActionsWidget(QWidget *parent = nullptr);
    ~MyActionsWidget() override;

    void setPanelCore(PanelCore *core) { this->core = core; }

    void updateTrees();
    void refreshTable();
    void retranslate();
    // Opens the maneuver at `index` in the logic dialog; on OK it takes the dialog's choices.
    void modifyManeuver(int index);

public Q_SLOTS:
    void slotRemoveAction();
    void slotModify();
    void slotCreateSelectedAction();
    void actionTreeDoubleClickedSlot(QTreeWidgetItem *item, int column);
    void tableDoubleClickedSlot(QTableWidgetItem *item);
    bool returnManeouver(QList<int> eventList, QString actionIndex, ManiobraConvencional *maniobra);

Q_SIGNALS:
    // A maneuver was added, changed or removed.
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpCreationAids();
    void retranslateCreationAids();
    void buildEventTree();
    void buildActionTree();
    void markProblems();
    void clearTreeSelections();
    QList<int> selectedManeuvers() const;
    static void setUpTree(QTreeWidget *tree);

    PanelCore *core = nullptr;
    ActionTreeWidget *actionTree;
    QMenu *outputMenu = nullptr;
    QAction *createFromInputs = nullptr;
    Ui::MyActionsWidget *ui;
};
