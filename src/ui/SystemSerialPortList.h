#pragma once

#include "ui/SerialPortList.h"

// The ports QSerialPortInfo enumerates.
class SystemSerialPortList : public SerialPortList {
public:
    QList<SerialPortDescription> availablePorts() const override;
};
