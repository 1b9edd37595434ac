#pragma once

#include <QString>

// What the system tells about one serial port; identifiers are 0 when it has none.
struct SerialPortDescription {
    static constexpr quint16 FtdiVendor = 0x0403;
    static constexpr quint16 Ft232Product = 0x6001;

    QString portName;
    QString description;
    QString manufacturer;
    QString systemLocation;
    quint16 vendorIdentifier = 0;
    quint16 productIdentifier = 0;

    // The USB-serial converter the panel's cable carries.
    bool isFt232() const {
        return vendorIdentifier == FtdiVendor && productIdentifier == Ft232Product;
    }
};
