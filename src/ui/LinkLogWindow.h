#pragma once

#include "link/LinkTrace.h"

#include <QDialog>
#include <QList>

class QLabel;
class QTableWidget;

// The frames of the last panel command (a backup read and the upload are two transfers),
// with a Save button. Passwords are already hidden in the trace.
class LinkLogWindow : public QDialog {
    Q_OBJECT

public:
    explicit LinkLogWindow(QWidget *parent = nullptr);

    void setTraces(const QList<LinkTrace> &traces);
    QString text() const; // what Save writes
    void retranslate();

public Q_SLOTS:
    void save();

private:
    static QString directionName(LinkTrace::Direction direction);

    QList<LinkTrace> shown;
    QLabel *summary;
    QTableWidget *table;
    class QPushButton *saveButton;
    class QPushButton *closeButton;
};
