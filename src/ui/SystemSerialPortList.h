#pragma once

#include "SerialPortList.h"

// The ports QSerialPortInfo enumerates.
class SystemSerialPortList : public SerialPortList {
public:
    QList<SerialPortDescription> availablePorts() const override;
};
