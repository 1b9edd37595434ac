#pragma once

#include <QString>

// Field names are the attribute names of the file's "WebServer" element.
// Addresses hold the first dotted number in the most significant byte.
struct WebServerConfig {
    quint8 DHCP = 1;
    quint8 Login = 0;
    quint8 Language = 0;
    quint32 IP = 0;
    quint32 Netmask = 0;
    quint32 Gateway = 0;
    QString User;
    QString Pass;

    friend bool operator==(const WebServerConfig &a, const WebServerConfig &b) {
        return a.DHCP == b.DHCP && a.Login == b.Login && a.Language == b.Language && a.IP == b.IP &&
               a.Netmask == b.Netmask && a.Gateway == b.Gateway && a.User == b.User &&
               a.Pass == b.Pass;
    }
    friend bool operator!=(const WebServerConfig &a, const WebServerConfig &b) { return !(a == b); }
};
