#include "myconfigurationwidget.h"
#include "ui_myconfigurationwidget.h"

#include "PanelCore.h"
#include "UserDialogs.h"

namespace {

// The zone box's items after "Select", in index order.
constexpr int ZoneChoices[] = {2, 4, 8, 12};
constexpr int ListedZoneItems = 5;

quint8 boardTypeFor(int comboIndex) {
    if (comboIndex <= 0)
        return Element::Empty;
    return comboIndex == 1 ? Element::SounderBoard : Element::RelayBoard;
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
    } else {
        core->num_zones = 0;
        for (QComboBox *box : {ui->comboBoxAuxType2, ui->comboBoxAuxType3, ui->comboBoxAuxType1}) {
            box->setCurrentIndex(0);
            box->setEnabled(false);
        }
        UserDialogs::current().inform(
            nullptr, QString(),
            tr("Please introduce a valid number of zones before proceeding with the "
               "configuration"));
    }
    emit signalNumberOfZonesModified();
}

void myconfigurationwidget::storeBoard(int comboIndex) {
    Element board;
    board.type = boardTypeFor(comboIndex);
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
    storeBoard(first);

    const int second = ui->comboBoxAuxType2->currentIndex();
    if (second != 0) {
        ui->comboBoxAuxType3->setEnabled(true);
    } else {
        ui->comboBoxAuxType3->setEnabled(false);
        ui->comboBoxAuxType3->setCurrentIndex(0);
    }
    storeBoard(second);

    storeBoard(ui->comboBoxAuxType3->currentIndex());
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
    showZoneCount(core->num_zones);
    emit signalNumberOfZonesModified();
}

void myconfigurationwidget::updateDeviceTree() {
    // Each index change rewrites the slots, so the later slots are read first.
    // A type the editor does not know (from a file) shows as no board.
    auto shown = [this](int slot) {
        const int type = core->elements[slot].type;
        return type <= Element::RelayBoard ? type : 0;
    };
    const int second = shown(1);
    const int third = shown(2);
    ui->comboBoxAuxType1->setCurrentIndex(shown(0));
    ui->comboBoxAuxType2->setCurrentIndex(second);
    ui->comboBoxAuxType3->setCurrentIndex(third);
    // Also when no index changed: the model then holds exactly what the boxes show.
    comboBoxAuxTypeChanged();
}

void myconfigurationwidget::retranslate() {
    disconnectHandlers();
    ui->retranslateUi(this);
    connectHandlers();
}
