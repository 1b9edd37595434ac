#pragma once

#include <QString>

// Field names are the attribute names of the file's "SMTP" element.
struct SmtpConfig {
    static constexpr quint16 AlarmsBit = 0x01; // of Mask
    static constexpr quint16 FaultsBit = 0x02;

    quint8 Enable = 0;
    quint16 Port = 0;
    quint8 Auth = 0;
    quint16 Mask = 0; // AlarmsBit, FaultsBit
    QString Host;
    QString User;
    QString Password;
    QString SourceMail;
    QString SourceDomain;
    QString DestMail;
    QString DestDomain;
    QString InstallId;

    friend bool operator==(const SmtpConfig &a, const SmtpConfig &b) {
        return a.Enable == b.Enable && a.Port == b.Port && a.Auth == b.Auth && a.Mask == b.Mask &&
               a.Host == b.Host && a.User == b.User && a.Password == b.Password &&
               a.SourceMail == b.SourceMail && a.SourceDomain == b.SourceDomain &&
               a.DestMail == b.DestMail && a.DestDomain == b.DestDomain &&
               a.InstallId == b.InstallId;
    }
    friend bool operator!=(const SmtpConfig &a, const SmtpConfig &b) { return !(a == b); }
};
