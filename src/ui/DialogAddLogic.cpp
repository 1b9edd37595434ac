#include "ui/DialogAddLogic.h"
#include "ui_DialogAddLogic.h"

#include "model/ManeuverCodes.h"
#include "model/ManiobraConvencional.h"
#include "model/PanelConfiguration.h"
#include "ui/LogEventWidget.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr int DialogWidth = 650;
constexpr int DialogHeight = 600;
constexpr int EventLineHeight = 150;
constexpr int AuxFrameIndex = 4;

using namespace ManeuverCodes;

constexpr int FirstNumber = 1; // of the modules and of their outputs

// Offers FirstNumber..last. A value outside them (from a file) shows as the box's bottom
// item, and stays current until the user picks another: false then.
bool offer(QSpinBox *box, int last, int value) {
    const bool offered = value >= FirstNumber && value <= last;
    const int bottom = offered ? FirstNumber : FirstNumber - 1;
    box->setSpecialValueText(offered ? QString() : QString::number(value));
    box->setRange(bottom, std::max(last, bottom));
    box->setValue(offered ? value : bottom);
    return offered;
}

} // namespace

DialogAddLogic::DialogAddLogic(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DialogAddLogic)
    , keptNote(new QLabel(this))
    // Module numbers are board slots + 1.
    , fittedBoards(boardSlot(LastBoardBlock) + 1) {
    ui->setupUi(this);
    setFixedSize(DialogWidth, DialogHeight);
    ui->spinBoxLogModule->setRange(FirstNumber, fittedBoards);
    ui->spinBoxLogOutput->setRange(FirstNumber, BoardOutputs);
    ui->frameAuxLog->hide();
    keptNote->setObjectName(QStringLiteral("labelActionKept"));
    keptNote->setWordWrap(true);
    keptNote->hide();
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->frameAuxLog) + 1, keptNote);
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

void DialogAddLogic::setBoards(const PanelConfiguration &configuration) {
    fittedBoards = 0;
    for (int slot = 0; slot < PanelConfiguration::ElementSlots; ++slot) {
        if (configuration.elements[slot].type != Element::Empty)
            fittedBoards = slot + 1;
    }
}

void DialogAddLogic::loadManeuver(const ManiobraConvencional &maneuver) {
    qDeleteAll(eventLines);
    eventLines.clear();
    for (int row = 0; row < ui->logicLayout->rowCount(); ++row)
        ui->logicLayout->setRowStretch(row, 0);
    for (int i = 0; i < maneuver.events.size(); ++i) {
        auto *line = new LogEventWidget(maneuver, i, ui->scrollAreaWidgetContents);
        line->setMinimumHeight(EventLineHeight);
        ui->logicLayout->addWidget(line, i, 0);
        eventLines << line;
    }
    ui->logicLayout->setRowStretch(int(maneuver.events.size()), 1);

    QComboBox *actions = ui->comboBoxLogAction;
    actions->clear();
    keptNote->hide();
    actions->setEditable(false);
    if (maneuver.act_blk >= FirstBoardBlock && maneuver.act_blk <= LastBoardBlock) {
        actionKind = ActionKind::AuxiliaryOutput;
        actions->addItem(tr("Output ON"), int(OutputOn));
        actions->addItem(tr("Output OFF"), int(OutputOff));
        ui->frameAuxLog->show();
        const int module = boardSlot(maneuver.act_blk) + 1;
        QStringList kept;
        if (!offer(ui->spinBoxLogModule, fittedBoards, module))
            kept << tr("Module %1 is not among the fitted boards: the maneuver keeps it "
                       "unless you choose another module.")
                        .arg(module);
        if (!offer(ui->spinBoxLogOutput, BoardOutputs, maneuver.act_blk_port))
            kept << tr("A board has outputs 1 to %1: the maneuver keeps output %2 unless "
                       "you choose another output.")
                        .arg(BoardOutputs)
                        .arg(maneuver.act_blk_port);
        keptNote->setText(kept.join(QLatin1Char('\n')));
        keptNote->setVisible(!kept.isEmpty());
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
