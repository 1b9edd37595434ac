#include "ui/myconfigurationwidget.h"
#include "ui_myconfigurationwidget.h"

#include "link/PanelCore.h"
#include "model/ConfigurationFields.h"
#include "ui/UserDialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSignalBlocker>

namespace {

// The zone box's items after "Select", in index order.
constexpr int ZoneChoices[] = {2, 4, 8, 12};
constexpr int ListedZoneItems = 5;

// The board box's items; a type the editor does not know gets an item of its own after
// these, carrying the type.
constexpr int ListedBoardItems = 3;

quint8 boardTypeOf(const QComboBox *box) {
    const int index = box->currentIndex();
    if (index <= 0)
        return Element::Empty;
    if (index >= ListedBoardItems)
        return quint8(box->itemData(index).toUInt());
    return index == 1 ? Element::SounderBoard : Element::RelayBoard;
}

void showBoardType(QComboBox *box, quint8 type) {
    while (box->count() > ListedBoardItems)
        box->removeItem(box->count() - 1);
    if (type < ListedBoardItems) {
        box->setCurrentIndex(type);
        return;
    }
    box->addItem(ConfigurationFields::boardName(type), type);
    box->setCurrentIndex(ListedBoardItems);
}

} // namespace

myconfigurationwidget::myconfigurationwidget(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::myconfigurationwidget) {
    ui->setupUi(this);
    setWindowFlags(Qt::Widget);
    ui->comboBoxAuxType1->setEnabled(false);
    ui->comboBoxAuxType2->setEnabled(false);
    ui->comboBoxAuxType3->setEnabled(false);

    zoneNamesBox = new QGroupBox(tr("Zone names"), this);
    zoneNamesBox->setObjectName(QStringLiteral("groupBoxZoneNames"));
    auto *scroll = new QScrollArea(zoneNamesBox);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *names = new QWidget(scroll);
    zoneNamesLayout = new QGridLayout(names);
    zoneNamesLayout->setColumnStretch(1, 1);
    zoneNamesLayout->setColumnStretch(3, 1);
    zoneNamesLayout->setAlignment(Qt::AlignTop);
    scroll->setWidget(names);
    auto *box = new QVBoxLayout(zoneNamesBox);
    box->addWidget(scroll);
    // What cannot be stored is said beside the fields, never cut silently.
    zoneNamesReason = new QLabel(zoneNamesBox);
    zoneNamesReason->setObjectName(QStringLiteral("labelZoneNamesReason"));
    zoneNamesReason->setStyleSheet(QStringLiteral("color: #b00020"));
    zoneNamesReason->setWordWrap(true);
    zoneNamesReason->hide();
    box->addWidget(zoneNamesReason);
    zoneNamesBox->hide();
    ui->verticalLayout->insertWidget(1, zoneNamesBox, 1);
    connectHandlers();
}

myconfigurationwidget::~myconfigurationwidget() {
    delete ui;
}

void myconfigurationwidget::connectHandlers() {
    for (QComboBox *box : {ui->comboBoxAuxType1, ui->comboBoxAuxType2, ui->comboBoxAuxType3})
        connect(box, &QComboBox::currentIndexChanged, this,
                &myconfigurationwidget::comboBoxAuxTypeChanged);
    connect(ui->comboBoxMaxZones, &QComboBox::currentIndexChanged, this,
            &myconfigurationwidget::comboBoxMaxZonesChanged);
}

void myconfigurationwidget::disconnectHandlers() {
    for (QComboBox *box :
         {ui->comboBoxAuxType1, ui->comboBoxAuxType2, ui->comboBoxAuxType3, ui->comboBoxMaxZones})
        disconnect(box, &QComboBox::currentIndexChanged, this, nullptr);
}

void myconfigurationwidget::comboBoxMaxZonesChanged() {
    if (ui->comboBoxMaxZones->currentIndex() != 0) {
        core->num_zones = ui->comboBoxMaxZones->currentText().toInt();
        ui->comboBoxAuxType1->setEnabled(true);
        showZoneNames();
    } else {
        core->num_zones = 0;
        for (QComboBox *box : {ui->comboBoxAuxType2, ui->comboBoxAuxType3, ui->comboBoxAuxType1}) {
            box->setCurrentIndex(0);
            box->setEnabled(false);
        }
        showZoneNames();
        if (!reloading)
            UserDialogs::current().inform(
                nullptr, QString(),
                tr("Please introduce a valid number of zones before proceeding with the "
                   "configuration"));
    }
    emit signalNumberOfZonesModified();
}

void myconfigurationwidget::storeBoard(const QComboBox *box) {
    Element board;
    board.type = boardTypeOf(box);
    core->setElement(core->countElements(), board, true);
}

void myconfigurationwidget::comboBoxAuxTypeChanged() {
    // Boards stay packed at the front of the slots, and each box opens the next one.
    for (int slot = 0; slot < PanelCore::ElementSlots; ++slot) {
        core->elements[slot].type = Element::Empty;
        core->elements[slot].address = quint8(slot);
    }

    const int first = ui->comboBoxAuxType1->currentIndex();
    if (first != 0 && core->num_zones != 0) {
        ui->comboBoxAuxType2->setEnabled(true);
    } else {
        ui->comboBoxAuxType2->setCurrentIndex(0);
        ui->comboBoxAuxType3->setCurrentIndex(0);
        ui->comboBoxAuxType2->setEnabled(false);
        ui->comboBoxAuxType3->setEnabled(false);
    }
    storeBoard(ui->comboBoxAuxType1);

    const int second = ui->comboBoxAuxType2->currentIndex();
    if (second != 0) {
        ui->comboBoxAuxType3->setEnabled(true);
    } else {
        ui->comboBoxAuxType3->setEnabled(false);
        ui->comboBoxAuxType3->setCurrentIndex(0);
    }
    storeBoard(ui->comboBoxAuxType2);

    storeBoard(ui->comboBoxAuxType3);
    emit signalElementAddedRemovedModified();
}

void myconfigurationwidget::showZoneCount(int zones) {
    // A count that is not in the list (from a file) gets an item of its own, so the box
    // never shows a number the model does not hold.
    QComboBox *box = ui->comboBoxMaxZones;
    while (box->count() > ListedZoneItems)
        box->removeItem(box->count() - 1);
    if (zones == 0) {
        box->setCurrentIndex(0);
        return;
    }
    for (int i = 0; i < int(std::size(ZoneChoices)); ++i) {
        if (ZoneChoices[i] == zones) {
            box->setCurrentIndex(i + 1);
            return;
        }
    }
    box->addItem(QString::number(zones));
    box->setCurrentIndex(box->count() - 1);
}

void myconfigurationwidget::readNumberOfZones() {
    // The notice is for a user who picks "Select"; a reload (New, Open) shows it nowhere.
    const QScopedValueRollback<bool> quiet(reloading, true);
    {
        // Showing a count of 0 empties the board boxes; the model's boards stay for
        // updateDeviceTree() to show.
        const QSignalBlocker board1(ui->comboBoxAuxType1);
        const QSignalBlocker board2(ui->comboBoxAuxType2);
        const QSignalBlocker board3(ui->comboBoxAuxType3);
        showZoneCount(core->num_zones);
    }
    showZoneNames();
    emit signalNumberOfZonesModified();
}

void myconfigurationwidget::updateDeviceTree() {
    // The slots as the model holds them, a gap (types 1, 0, 2) or an unknown type
    // included: only a choice of the user rewrites them.
    QComboBox *const boxes[] = {ui->comboBoxAuxType1, ui->comboBoxAuxType2, ui->comboBoxAuxType3};
    for (int slot = 0; slot < PanelCore::ElementSlots; ++slot) {
        const QSignalBlocker blocker(boxes[slot]);
        showBoardType(boxes[slot], core->elements[slot].type);
    }
    const bool zones = core->num_zones != 0;
    boxes[0]->setEnabled(zones);
    boxes[1]->setEnabled(zones && boxes[0]->currentIndex() != 0);
    boxes[2]->setEnabled(boxes[1]->isEnabled() && boxes[1]->currentIndex() != 0);
    emit signalElementAddedRemovedModified();
}

void myconfigurationwidget::retranslate() {
    disconnectHandlers();
    ui->retranslateUi(this);
    for (QComboBox *box : {ui->comboBoxAuxType1, ui->comboBoxAuxType2, ui->comboBoxAuxType3}) {
        if (box->count() > ListedBoardItems)
            box->setItemText(ListedBoardItems, ConfigurationFields::boardName(quint8(
                                                   box->itemData(ListedBoardItems).toUInt())));
    }
    zoneNamesBox->setTitle(tr("Zone names"));
    showZoneNames();
    connectHandlers();
}

void myconfigurationwidget::showZoneNames() {
    while (QLayoutItem *item = zoneNamesLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const int zones = core ? core->num_zones : 0;
    zoneNamesBox->setVisible(zones > 0);
    zoneNameProblems.clear();
    zoneNamesReason->hide();
    const int rows = (zones + 1) / 2;
    for (int zone = 1; zone <= zones; ++zone) {
        auto *edit = new QLineEdit(core->zoneName(zone));
        edit->setObjectName(QStringLiteral("zoneNameEdit%1").arg(zone));
        connect(edit, &QLineEdit::textEdited, this,
                [this, zone](const QString &name) { storeZoneName(zone, name); });
        auto *label = new QLabel(tr("Zone %1").arg(zone));
        label->setBuddy(edit);
        const int row = (zone - 1) % rows;
        const int column = (zone - 1) / rows * 2;
        zoneNamesLayout->addWidget(label, row, column);
        zoneNamesLayout->addWidget(edit, row, column + 1);
        // At once, not on the layout's deferred show: a language change rebuilds them.
        label->show();
        edit->show();
    }
}

void myconfigurationwidget::storeZoneName(int zone, const QString &name) {
    if (core->setZoneName(zone, name))
        zoneNameProblems.remove(zone);
    else
        zoneNameProblems.insert(zone, PanelCore::zoneNameProblem(zone, name));
    const QStringList problems = zoneNameProblems.values();
    zoneNamesReason->setText(problems.join(QLatin1Char('\n')));
    zoneNamesReason->setVisible(!problems.isEmpty());
    emit signalZoneNamesModified();
}
