#include "link/LinkAdvice.h"

#include <sys/stat.h>
#include <unistd.h>

LinkAdvice::PortFacts LinkAdvice::factsOf(const QString &portName) {
    // The same rule QSerialPort uses to turn a name into a device path.
    const bool path = portName.startsWith(QLatin1Char('/')) ||
                      portName.startsWith(QLatin1String("./")) ||
                      portName.startsWith(QLatin1String("../"));
    const QByteArray location =
        (path ? portName : QStringLiteral("/dev/") + portName).toLocal8Bit();
    PortFacts facts;
    struct stat info {};
    if (::stat(location.constData(), &info) != 0)
        return facts;
    facts.exists = true;
    facts.directory = S_ISDIR(info.st_mode);
    facts.characterDevice = S_ISCHR(info.st_mode);
    facts.readWrite = ::access(location.constData(), R_OK | W_OK) == 0;
    return facts;
}

QString LinkAdvice::forOpenFailure(QSerialPort::SerialPortError error, const QString &portName,
                                   const PortFacts &facts) {
    if (!facts.exists || error == QSerialPort::DeviceNotFoundError)
        return tr("Serial port %1 does not exist: check that the USB adapter is plugged in, "
                  "then choose the port again.")
            .arg(portName);
    if (facts.directory)
        return tr("%1 is a folder, not a serial port: choose the panel's serial port.")
            .arg(portName);
    if (!facts.characterDevice || error == QSerialPort::UnsupportedOperationError)
        return tr("%1 is not a serial device: choose the panel's serial port.").arg(portName);
    if (error == QSerialPort::PermissionError && !facts.readWrite)
        return tr("You may not use serial port %1. On Linux this usually means that your user "
                  "is not in the dialout group: run sudo usermod -aG dialout $USER, then log "
                  "out and log in again.")
            .arg(portName);
    if (error == QSerialPort::PermissionError)
        return tr("Serial port %1 is in use by another program: close that program and try "
                  "again.")
            .arg(portName);
    return tr("Serial port %1 cannot be opened: unplug the USB adapter, plug it in again and "
              "try again.")
        .arg(portName);
}

QString LinkAdvice::forFailure(DriverSerieHdlc::Failure failure, int status) {
    using Failure = DriverSerieHdlc::Failure;
    switch (failure) {
    case Failure::NoAnswer:
        return tr("The panel did not answer: check the cable, the port and that the panel is "
                  "powered.");
    case Failure::CorruptAnswer:
        return tr("The panel's answers arrive damaged: check the cable and its connectors, and "
                  "keep it away from power wiring.");
    case Failure::Refused:
        return tr("The panel refused the command with status %1: restart the panel and try "
                  "again.")
            .arg(status);
    case Failure::Port:
        return tr("The connection to the panel was lost (USB adapter unplugged?): plug it in "
                  "again and repeat the transfer.");
    case Failure::Write:
        return tr("The serial port did not send the request: unplug the USB adapter, plug it "
                  "in again and repeat the transfer.");
    case Failure::Interrupted:
        return tr("The transfer was interrupted by the user.");
    case Failure::None:
        break;
    }
    return {};
}

QString LinkAdvice::withDetail(const QString &advice, const QString &detail) {
    return tr("%1 Details: %2").arg(advice, detail);
}
