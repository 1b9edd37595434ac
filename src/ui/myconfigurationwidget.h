#pragma once

#include <QDialog>
#include <QMap>
#include <QStringList>

class PanelCore;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
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
    // Zone names typed that the model cannot take, with the reason; the model keeps the
    // zone's previous name meanwhile.
    QStringList inputProblems() const { return zoneNameProblems.values(); }

Q_SIGNALS:
    void signalElementAddedRemovedModified();
    void signalNumberOfZonesModified();
    void signalZoneNamesModified();

public Q_SLOTS:
    void comboBoxAuxTypeChanged();
    void comboBoxMaxZonesChanged();

private:
    void connectHandlers();
    void disconnectHandlers();
    void storeBoard(const QComboBox *box);
    void showZoneCount(int zones);
    // One name field per zone in use; each edit goes into the model at once.
    void showZoneNames();
    void storeZoneName(int zone, const QString &name);

    Ui::myconfigurationwidget *ui;
    PanelCore *core = nullptr;
    QGroupBox *zoneNamesBox = nullptr;
    QGridLayout *zoneNamesLayout = nullptr;
    QLabel *zoneNamesReason = nullptr;
    QMap<int, QString> zoneNameProblems;
    bool reloading = false; // showing the model's zones, not the user's choice
};
