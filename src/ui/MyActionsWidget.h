#pragma once

#include <QWidget>

class ActionTreeWidget;
class PanelCore;
class QTreeWidget;
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

private:
    void buildEventTree();
    void buildActionTree();
    static void setUpTree(QTreeWidget *tree);

    PanelCore *core = nullptr;
    ActionTreeWidget *actionTree;
    Ui::MyActionsWidget *ui;
};
