#pragma once

#include "ui/SerialPortDescription.h"

#include <QList>

// Where the settings dialog learns which serial ports exist.
class SerialPortList {
public:
    virtual ~SerialPortList() = default;
    // In the system's order.
    virtual QList<SerialPortDescription> availablePorts() const = 0;

    // Whether the port `name` is there to be opened: listed by the system (by name or
    // location), or a device or link that exists, as a simulator's terminal does.
    static bool isPresent(const QList<SerialPortDescription> &ports, const QString &name);
};
