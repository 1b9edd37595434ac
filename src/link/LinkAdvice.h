#pragma once

#include "link/DriverSerieHdlc.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

// The plain sentence that opens every link failure: what a site engineer can check or do.
// The technical detail (step, table, record, the system's words) follows it.
class LinkAdvice {
    Q_DECLARE_TR_FUNCTIONS(LinkAdvice)

public:
    // What the file system says about the path a port name stands for.
    struct PortFacts {
        bool exists = false;
        bool directory = false;
        bool characterDevice = false;
        bool readWrite = false; // this user may open it for reading and writing
    };
    static PortFacts factsOf(const QString &portName);

    // Why a port could not be opened, from the port's error and the path's facts.
    static QString forOpenFailure(QSerialPort::SerialPortError error, const QString &portName,
                                  const PortFacts &facts);
    // A failure during an exchange; `status` is the refused command's.
    static QString forFailure(DriverSerieHdlc::Failure failure, int status = 0);
    static QString withDetail(const QString &advice, const QString &detail);
};
