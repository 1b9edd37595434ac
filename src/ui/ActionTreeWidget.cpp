#include "ui/ActionTreeWidget.h"

#include <QDropEvent>

ActionTreeWidget::ActionTreeWidget(QWidget *parent)
    : QTreeWidget(parent) {}

void ActionTreeWidget::dropEvent(QDropEvent *event) {
    if (!selectedItems().isEmpty())
        clearSelection();
    // The base class finishes the drag state and accepts the drop (see dropMimeData).
    QTreeWidget::dropEvent(event);
    // Never a move, even with Shift held: the event tree would drop the dragged items.
    if (event->isAccepted())
        event->setDropAction(Qt::CopyAction);
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    if (target && (target->flags() & Qt::ItemIsSelectable))
        target->setSelected(true);
    emit createEvent(target, 0);
}

bool ActionTreeWidget::dropMimeData(QTreeWidgetItem *, int, const QMimeData *, Qt::DropAction) {
    // A drop is a request for a maneuver, not a copy of the event items into the outputs.
    return true;
}
