#include "ui/SystemSerialPortList.h"

#include <QSerialPortInfo>

QList<SerialPortDescription> SystemSerialPortList::availablePorts() const {
    QList<SerialPortDescription> out;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialPortDescription port;
        port.portName = info.portName();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.systemLocation = info.systemLocation();
        if (info.hasVendorIdentifier())
            port.vendorIdentifier = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productIdentifier = info.productIdentifier();
        out.append(port);
    }
    return out;
}
