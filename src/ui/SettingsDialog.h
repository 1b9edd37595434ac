#pragma once

#include "link/SerialSettings.h"
#include "ui/SerialPortList.h"

#include <QDialog>

class QIntValidator;
namespace Ui {
class SettingsDialog;
}

// Chooses the serial port of the panel. Only FT232 adapters are listed unless the user
// asks for every port; a port that is not listed (a simulator's terminal) can be typed.
// The line parameters are shown but fixed: the panel speaks 9600 8N1 only. The dialog
// never opens the port; Apply accepts it and the caller reads selectedSettings().
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    // `portList` (not owned) enumerates the serial ports; the system's when null.
    explicit SettingsDialog(QWidget *parent = nullptr, const SerialPortList *portList = nullptr);
    ~SettingsDialog() override;

    SerialSettings selectedSettings() const { return selection; }
    // Shows `name` as the current choice: selected when listed, typed as a path when it is
    // there but not listed, and offered in the list marked absent when it is not there.
    void preselect(const QString &name);

private Q_SLOTS:
    void showPortInfo(int index);
    void apply();
    void checkCustomBaudRatePolicy(int index);

private:
    void fillParameterLists();
    void fillPortList();
    void storeSelection();

    Ui::SettingsDialog *ui;
    SerialSettings selection;
    QIntValidator *baudValidator;
    QList<SerialPortDescription> ports; // read once, when the dialog is built
    QString absentPort;                 // preselected, but not there
};
