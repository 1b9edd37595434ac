#include "link/PanelCore.h"

#include "link/CmdConvencional.h"

PanelCore::PanelCore(QObject *parent)
    : QObject(parent)
    , cmd(new CmdConvencional)
    , transfers(*cmd) {
    connect(&transfers, &PanelTransfers::progress, this, &PanelCore::progress);
    connect(&transfers, &PanelTransfers::progressUp, this, &PanelCore::progressUp);
    connect(&transfers, &PanelTransfers::transferStep, this, &PanelCore::transferStep);
}

PanelCore::~PanelCore() {
    delete cmd;
}

void PanelCore::setSerialSettings(const SerialSettings &settings) {
    serialSettings = settings;
    portConfigured = settings.portSelected;
}

bool PanelCore::uploadConfig() {
    return transfers.upload(*this, serialSettings);
}

bool PanelCore::downloadConfig() {
    return transfers.download(*this, serialSettings);
}

bool PanelCore::downloadConfigInto(PanelConfiguration &target) {
    return transfers.download(target, serialSettings);
}

QString PanelCore::uploadRefusal() const {
    return PanelTransfers::uploadRefusal(*this);
}

bool PanelCore::checkConnection() {
    return transfers.checkConnection(serialSettings);
}

bool PanelCore::restoreRecords(const PanelRecords &records) {
    return transfers.restore(records, serialSettings);
}

void PanelCore::requestStop() {
    transfers.requestStop();
}

void PanelCore::clearStopRequest() {
    transfers.clearStopRequest();
}

bool PanelCore::stopRequested() const {
    return transfers.stopRequested();
}

bool PanelCore::writeManeuverList() {
    return transfers.writeManeuverList(maneuvers);
}

bool PanelCore::writeSimpleManeuverTable(const QByteArray &image) {
    return transfers.writeSimpleManeuverTable(image);
}

bool PanelCore::writeLogicManeuverTables(const QByteArray &image) {
    return transfers.writeLogicManeuverTables(image);
}

bool PanelCore::readSimpleManeuverTable(QByteArray &image) {
    return transfers.readSimpleManeuverTable(image);
}

bool PanelCore::readLogicManeuverTables(QByteArray &image) {
    return transfers.readLogicManeuverTables(image);
}

QByteArray PanelCore::buildGeneralConfigImage() const {
    return PanelTransfers::buildGeneralConfigImage(generalConfig);
}

bool PanelCore::writeGeneralConfig() {
    return transfers.writeGeneralConfig(generalConfig);
}

bool PanelCore::readGeneralTableTail(QByteArray &records) {
    return transfers.readGeneralTableTail(records);
}

QByteArray PanelCore::buildWebServerImage() const {
    return PanelTransfers::buildWebServerImage(webServer, smtp);
}

bool PanelCore::writeWebServerConfig() {
    return transfers.writeWebServerConfig(webServer, smtp);
}
