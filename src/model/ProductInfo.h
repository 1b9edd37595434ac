#pragma once

#include <QString>

// The product texts shared by the file, the window title and the about box.
namespace ProductInfo {

inline QString model() {
    return QStringLiteral("MRB-500 ");
}
inline QString productLine() {
    return QStringLiteral(" Conventional Panel Configurator ");
}
// "2.07": where a text already says "version" before it.
inline QString versionNumber() {
    return QStringLiteral("2.07");
}
inline QString version() {
    return QStringLiteral("Version ") + versionNumber();
}
inline QString buildDate() {
    return QStringLiteral("2019/10/30");
}

} // namespace ProductInfo
