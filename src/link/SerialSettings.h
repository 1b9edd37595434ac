#pragma once

#include <QSerialPort>
#include <QString>

// The port chosen in the settings dialog. The panel only speaks 9600 8N1.
struct SerialSettings {
    QString name;
    qint32 baudRate = QSerialPort::Baud9600;
    QString stringBaudRate = QStringLiteral("9600");
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QString stringDataBits = QStringLiteral("8");
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QString stringParity = QStringLiteral("None");
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QString stringStopBits = QStringLiteral("1");
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    QString stringFlowControl = QStringLiteral("None");
    bool localEchoEnabled = false;
    bool portSelected = false;
};
