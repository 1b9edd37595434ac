#include "ui/SerialPortList.h"

#include <QFileInfo>

bool SerialPortList::isPresent(const QList<SerialPortDescription> &ports, const QString &name) {
    if (name.isEmpty())
        return false;
    for (const SerialPortDescription &port : ports) {
        if (port.portName == name || port.systemLocation == name)
            return true;
    }
    // The system lists no pseudo-terminals; QSerialPort opens a bare name under /dev.
    const QString path = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    return QFileInfo::exists(path);
}
