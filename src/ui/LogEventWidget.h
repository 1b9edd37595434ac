#pragma once

#include <QFrame>

class ManiobraConvencional;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
struct Event;

// One event line of the maneuver dialog: the kind of one event, chosen among the kinds
// of its own family (a zone, the panel, the auxiliary input). Its source and zone
// number are not changed here.
class LogEventWidget : public QFrame {
    Q_OBJECT

public:
    LogEventWidget(const ManiobraConvencional &maneuver, int position, QWidget *parent = nullptr);

    // Writes the chosen kind into `event` (the one this line was built from). An event
    // whose codes the line does not know, or whose kind the user left as shown, is left
    // exactly as it is.
    void storeEvent(Event &event) const;

public Q_SLOTS:
    void comboBoxSourceTypeChanged(int index);

private:
    enum class Family { Unknown, Zone, Panel, Input };

    void fillZoneDetails(bool alarm);

    Family family = Family::Unknown;
    int shownSource = -1;
    int shownDetail = -1;
    QGroupBox *group;
    QComboBox *sourceType;
    QFrame *zoneRow;
    QLabel *zoneLabel;
    QSpinBox *zoneNumber;
    QComboBox *detail;
};
