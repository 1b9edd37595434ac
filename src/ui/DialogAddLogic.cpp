#include "ui/DialogAddLogic.h"
#include "ui_DialogAddLogic.h"

#include "model/ManeuverCodes.h"
#include "model/ManiobraConvencional.h"
#include "ui/LogEventWidget.h"

#include <QGroupBox>

namespace {

constexpr int DialogWidth = 650;
constexpr int DialogHeight = 600;
constexpr int EventLineHeight = 150;
constexpr int AuxFrameIndex = 4;

using namespace ManeuverCodes;

} // namespace

DialogAddLogic::DialogAddLogic(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DialogAddLogic) {
    ui->setupUi(this);
    setFixedSize(DialogWidth, DialogHeight);
    // Module numbers are board slots + 1.
    ui->spinBoxLogModule->setRange(0, boardSlot(LastBoardBlock) + 1);
    ui->spinBoxLogOutput->setRange(0, BoardOutputs);
    ui->frameAuxLog->hide();
    connect(ui->comboBoxLogAction, &QComboBox::currentIndexChanged, this,
            &DialogAddLogic::LogActionComboBoxChanged);
}

DialogAddLogic::~DialogAddLogic() {
    delete ui;
}

void DialogAddLogic::LogActionComboBoxChanged(int index) {
    if (index == AuxFrameIndex)
        ui->frameAuxLog->show();
}

void DialogAddLogic::setManeuverNumber(int number) {
    setWindowTitle(tr("Maneuver %1").arg(number));
}

void DialogAddLogic::loadManeuver(const ManiobraConvencional &maneuver) {
    qDeleteAll(eventLines);
    eventLines.clear();
    for (int row = 0; row < ui->logicLayout->rowCount(); ++row)
        ui->logicLayout->setRowStretch(row, 0);
    for (int i = 0; i < maneuver.events.size(); ++i) {
        auto *line = new LogEventWidget(maneuver, i, ui->scrollAreaWidgetContents);
        line->setMinimumHeight(EventLineHeight);
        if (auto *group = line->findChild<QGroupBox *>(QStringLiteral("groupBoxEvent")))
            group->setTitle(tr("Event %1").arg(i + 1));
        ui->logicLayout->addWidget(line, i, 0);
        eventLines << line;
    }
    ui->logicLayout->setRowStretch(int(maneuver.events.size()), 1);

    QComboBox *actions = ui->comboBoxLogAction;
    actions->clear();
    actions->setEditable(false);
    if (maneuver.act_blk >= FirstBoardBlock && maneuver.act_blk <= LastBoardBlock) {
        actionKind = ActionKind::AuxiliaryOutput;
        actions->addItem(tr("Output ON"), int(OutputOn));
        actions->addItem(tr("Output OFF"), int(OutputOff));
        ui->frameAuxLog->show();
        ui->spinBoxLogModule->setValue(boardSlot(maneuver.act_blk) + 1);
        ui->spinBoxLogOutput->setValue(maneuver.act_blk_port);
    } else if (maneuver.act_blk == PanelBlock) {
        actionKind = ActionKind::Panel;
        ui->frameAuxLog->hide();
        // The auxiliary input alone may also drive the buzzer and the reset.
        const bool inputOnly =
            maneuver.events.size() == 1 && maneuver.events.first().evt_blk == InputBlock;
        const bool sounders = maneuver.act_type == SoundersOn || maneuver.act_type == SoundersOff;
        const bool muteReset = maneuver.act_type == Mute || maneuver.act_type == Reset;
        if (sounders || inputOnly) {
            actions->addItem(tr("Sirenas ON"), int(SoundersOn));
            actions->addItem(tr("Sirenas OFF"), int(SoundersOff));
        }
        if (muteReset || inputOnly) {
            actions->addItem(tr("Mute"), int(Mute));
            actions->addItem(tr("Reset"), int(Reset));
        }
    } else {
        actionKind = ActionKind::Unknown;
        ui->frameAuxLog->hide();
    }
    // An action type the list does not name leaves nothing current, so it is kept.
    actions->setCurrentIndex(actions->findData(int(maneuver.act_type)));

    ui->spinBoxLogDelay->setValue(maneuver.delay / 2);
    shownAction = actions->currentIndex();
    shownModule = ui->spinBoxLogModule->value();
    shownOutput = ui->spinBoxLogOutput->value();
    shownDelay = ui->spinBoxLogDelay->value();
}

void DialogAddLogic::storeManeuver(ManiobraConvencional &maneuver) const {
    for (int i = 0; i < eventLines.size() && i < maneuver.events.size(); ++i)
        eventLines.at(i)->storeEvent(maneuver.events[i]);

    // A control left as loaded keeps its bytes: a value it cannot show (an output above 4,
    // a block type other than the panel's) must survive OK without changes.
    const QComboBox *actions = ui->comboBoxLogAction;
    const bool actionChosen = actions->currentIndex() >= 0;
    const bool actionChanged = actions->currentIndex() != shownAction;
    if (actionKind == ActionKind::Panel && actionChanged && actionChosen) {
        maneuver.act_blk = PanelBlock;
        maneuver.act_blk_type = PanelBlockType;
        maneuver.act_type = quint8(actions->currentData().toInt());
    } else if (actionKind == ActionKind::AuxiliaryOutput) {
        const int module = ui->spinBoxLogModule->value();
        if (module != shownModule && module > 0)
            maneuver.act_blk = boardBlock(module - 1);
        if (actionChanged && actionChosen)
            maneuver.act_type = quint8(actions->currentData().toInt());
        if (ui->spinBoxLogOutput->value() != shownOutput)
            maneuver.act_blk_port = quint8(ui->spinBoxLogOutput->value());
    }

    // A delay box left alone keeps the delay exactly (an odd count of half-seconds from a
    // file, or one longer than the box shows).
    const int seconds = ui->spinBoxLogDelay->value();
    const bool delayChanged = seconds != shownDelay;
    const bool delayed = (actionKind == ActionKind::Panel &&
                          (maneuver.act_type == SoundersOn || maneuver.act_type == SoundersOff)) ||
                         (actionKind == ActionKind::AuxiliaryOutput &&
                          (maneuver.act_type == OutputOn || maneuver.act_type == OutputOff));
    if (actionChosen && !delayed) {
        // The buzzer mute and the reset act at once.
        if (actionChanged || delayChanged)
            maneuver.delay = 0;
    } else if (delayChanged) {
        maneuver.delay = quint16(seconds * 2);
    }
}
