#pragma once

#include <QTreeWidget>

// The output side of the maneuver editor: the panel's sounders and the outputs of the
// fitted auxiliary boards. Events dragged from the event tree and dropped on an output
// ask for a maneuver (createEvent); the dropped items are never added to this tree.
class ActionTreeWidget : public QTreeWidget {
    Q_OBJECT

public:
    explicit ActionTreeWidget(QWidget *parent = nullptr);

Q_SIGNALS:
    void createEvent(QTreeWidgetItem *item, int column);

protected:
    void dropEvent(QDropEvent *event) override;
    bool dropMimeData(QTreeWidgetItem *parent, int index, const QMimeData *data,
                      Qt::DropAction action) override;
};
