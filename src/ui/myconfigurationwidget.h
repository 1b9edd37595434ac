#pragma once

#include <QDialog>

class PanelCore;
class QComboBox;
namespace Ui {
class myconfigurationwidget;
}

// The number of zones and the three auxiliary-board slots. Every change goes straight
// into the model and is announced, because the maneuver trees depend on both.
class myconfigurationwidget : public QDialog {
    Q_OBJECT

public:
    explicit myconfigurationwidget(QWidget *parent = nullptr);
    ~myconfigurationwidget() override;

    void setPanelCore(PanelCore *core) { this->core = core; }

    void updateDeviceTree();
    void readNumberOfZones();
    void retranslate();

Q_SIGNALS:
    void signalElementAddedRemovedModified();
    void signalNumberOfZonesModified();

public Q_SLOTS:
    void comboBoxAuxTypeChanged();
    void comboBoxMaxZonesChanged();

private:
    void connectHandlers();
    void disconnectHandlers();
    void storeBoard(int comboIndex);
    void showZoneCount(int zones);

    Ui::myconfigurationwidget *ui;
    PanelCore *core = nullptr;
};
