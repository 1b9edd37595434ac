#pragma once

#include "ui/SerialPortDescription.h"

#include <QList>

// Where the settings dialog learns which serial ports exist.
class SerialPortList {
public:
    virtual ~SerialPortList() = default;
    // In the system's order.
    virtual QList<SerialPortDescription> availablePorts() const = 0;
};
