#include "ActionTreeWidget.h"

ActionTreeWidget::ActionTreeWidget(QWidget *parent)
    : QTreeWidget(parent) {}
