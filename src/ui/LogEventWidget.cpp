#include "ui/LogEventWidget.h"

#include "model/ManeuverCodes.h"
#include "model/ManiobraConvencional.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int GroupWidth = 550;
constexpr int LineHeight = 150;

using namespace ManeuverCodes;

// Source items of a zone line; the item data is the first detail list to show.
constexpr int ZoneAlarms = 1;
constexpr int ZoneFaults = 0;

void selectData(QComboBox *box, int value) {
    box->setCurrentIndex(box->findData(value));
}

} // namespace

LogEventWidget::LogEventWidget(const ManiobraConvencional &maneuver, int position, QWidget *parent)
    : QFrame(parent)
    , group(new QGroupBox(this))
    , sourceType(new QComboBox)
    , zoneRow(new QFrame)
    , zoneLabel(new QLabel(tr("Zona")))
    , zoneNumber(new QSpinBox)
    , detail(new QComboBox) {
    setMinimumHeight(LineHeight);
    group->setObjectName(QStringLiteral("groupBoxEvent"));
    group->setTitle(tr("Event %1").arg(position + 1));
    group->setFixedWidth(GroupWidth);
    sourceType->setObjectName(QStringLiteral("comboBoxSourceType"));
    zoneRow->setObjectName(QStringLiteral("frameZone"));
    detail->setObjectName(QStringLiteral("comboBoxEventDetail"));

    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(new QLabel(tr("Source Type")));
    sourceRow->addWidget(sourceType, 1);
    auto *zoneLayout = new QHBoxLayout(zoneRow);
    zoneLayout->setContentsMargins(0, 0, 0, 0);
    zoneLayout->addWidget(zoneLabel);
    zoneLayout->addWidget(zoneNumber);
    zoneLayout->addWidget(detail, 1);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(sourceRow);
    groupLayout->addWidget(zoneRow);
    groupLayout->addStretch();
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(group);

    // The zone is shown, not chosen here: it comes from the tree the event was picked in,
    // and it tells apart the lines of a maneuver on several zones.
    zoneLabel->setObjectName(QStringLiteral("labelZone"));
    zoneNumber->setObjectName(QStringLiteral("spinBoxZone"));
    zoneNumber->setReadOnly(true);
    zoneNumber->setButtonSymbols(QAbstractSpinBox::NoButtons);
    zoneNumber->setFocusPolicy(Qt::NoFocus);
    zoneNumber->setFrame(false);
    zoneRow->hide();

    const Event &event = maneuver.events.at(position);
    zoneNumber->setRange(0, 255); // any byte a file may hold
    zoneNumber->setValue(event.evt_blk_prt);
    const bool zone = event.evt_blk_prt != PanelPort;
    if (event.evt_blk == ZoneBlock) {
        switch (event.evt_type) {
        case DetectorAlarm:
        case CallPointAlarm:
        case OpenCircuit:
        case ShortCircuit:
            family = Family::Zone;
            break;
        case AnyAlarm:
        case AnyFault:
            family = zone ? Family::Zone : Family::Panel;
            break;
        case PanelCallPoint:
            family = Family::Panel;
            break;
        }
    } else if (event.evt_blk == InputBlock &&
               (event.evt_type == InputOn || event.evt_type == InputOff)) {
        family = Family::Input;
    }

    switch (family) {
    case Family::Zone: {
        const bool alarm = event.evt_type == DetectorAlarm || event.evt_type == CallPointAlarm ||
                           event.evt_type == AnyAlarm;
        sourceType->addItem(tr("Alarma en zona"), ZoneAlarms);
        sourceType->addItem(tr("Averia en zona"), ZoneFaults);
        sourceType->setCurrentIndex(alarm ? 0 : 1);
        fillZoneDetails(alarm);
        selectData(detail, event.evt_type);
        zoneRow->show();
        break;
    }
    case Family::Panel:
        sourceType->addItem(tr("Alarma en panel"), int(AnyAlarm));
        sourceType->addItem(tr("Alarma de pulsador en panel"), int(PanelCallPoint));
        sourceType->addItem(tr("Averia en panel"), int(AnyFault));
        selectData(sourceType, event.evt_type);
        break;
    case Family::Input:
        sourceType->addItem(tr("Entrada ON"), int(InputOn));
        sourceType->addItem(tr("Entrada OFF"), int(InputOff));
        selectData(sourceType, event.evt_type);
        break;
    case Family::Unknown:
        break;
    }
    shownSource = sourceType->currentIndex();
    shownDetail = detail->currentIndex();
    connect(sourceType, &QComboBox::currentIndexChanged, this,
            &LogEventWidget::comboBoxSourceTypeChanged);
}

void LogEventWidget::fillZoneDetails(bool alarm) {
    const QSignalBlocker blocker(detail);
    detail->clear();
    // One set of texts whether the line was built or switched: the codes are the data.
    if (alarm) {
        detail->addItem(tr("alarma de detector"), int(DetectorAlarm));
        detail->addItem(tr("alarma de pulsador"), int(CallPointAlarm));
        detail->addItem(tr("cualquier alarma"), int(AnyAlarm));
    } else {
        detail->addItem(tr("avería de corte"), int(OpenCircuit));
        detail->addItem(tr("avería de cruce"), int(ShortCircuit));
        detail->addItem(tr("cualquier avería"), int(AnyFault));
    }
    detail->setCurrentIndex(0);
}

void LogEventWidget::comboBoxSourceTypeChanged(int index) {
    if (family != Family::Zone) {
        zoneRow->hide();
        return;
    }
    fillZoneDetails(sourceType->itemData(index).toInt() == ZoneAlarms);
    zoneRow->show();
}

void LogEventWidget::storeEvent(Event &event) const {
    // Bytes the lists do not show (a zone number on a panel event, a block type that
    // differs from the block) stay as they are unless the user picks another kind.
    if (sourceType->currentIndex() == shownSource && detail->currentIndex() == shownDetail)
        return;
    switch (family) {
    case Family::Zone:
        event.evt_blk = ZoneBlock;
        event.evt_blk_type = ZoneBlock;
        if (detail->currentIndex() >= 0)
            event.evt_type = quint8(detail->currentData().toInt());
        break;
    case Family::Panel:
        event.evt_blk = ZoneBlock;
        event.evt_blk_type = ZoneBlock;
        event.evt_blk_prt = PanelPort;
        event.evt_type = quint8(sourceType->currentData().toInt());
        break;
    case Family::Input:
        event.evt_blk = InputBlock;
        event.evt_blk_type = InputBlock;
        event.evt_blk_prt = InputPort;
        event.evt_type = quint8(sourceType->currentData().toInt());
        break;
    case Family::Unknown:
        break;
    }
}
