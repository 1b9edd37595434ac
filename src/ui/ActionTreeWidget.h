#pragma once

#include <QTreeWidget>

// The output side of the maneuver editor: the panel's sounders and the outputs of the
// fitted auxiliary boards.
class ActionTreeWidget : public QTreeWidget {
    Q_OBJECT

public:
    explicit ActionTreeWidget(QWidget *parent = nullptr);
};
