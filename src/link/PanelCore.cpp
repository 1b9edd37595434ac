#include "link/PanelCore.h"

#include "link/CmdConvencional.h"

PanelCore::PanelCore(QObject *parent)
    : QObject(parent)
    , cmd(new CmdConvencional) {
    cmd->setTrace(&trace);
    connect(cmd, &CmdConvencional::exchangeStep, this, &PanelCore::transferStep);
}

PanelCore::~PanelCore() {
    delete cmd;
}

void PanelCore::setSerialSettings(const SerialSettings &settings) {
    serialSettings = settings;
    portConfigured = settings.portSelected;
}
