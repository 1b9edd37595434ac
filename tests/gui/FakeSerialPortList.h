#pragma once

#include "ui/SerialPortList.h"

// A port list given by the test instead of the system's.
class FakeSerialPortList : public SerialPortList {
public:
    QList<SerialPortDescription> availablePorts() const override { return ports; }

    static SerialPortDescription ft232(const QString &name, const QString &description = {}) {
        SerialPortDescription port;
        port.portName = name;
        port.description = description;
        port.manufacturer = description.isEmpty() ? QString() : QStringLiteral("FTDI");
        port.systemLocation =
            name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
        port.vendorIdentifier = SerialPortDescription::FtdiVendor;
        port.productIdentifier = SerialPortDescription::Ft232Product;
        return port;
    }

    QList<SerialPortDescription> ports;
};
