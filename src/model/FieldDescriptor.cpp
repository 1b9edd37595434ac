#include "model/FieldDescriptor.h"

#include "model/ConfigurationFields.h"

#include <QCoreApplication>

QString FieldDescriptor::labelText() const {
    return QCoreApplication::translate("FieldTable", label);
}

QString FieldDescriptor::shown(const PanelConfiguration &c) const {
    if (kind == Kind::Secret)
        return ConfigurationFields::secretState(text(c));
    if (isText())
        return ConfigurationFields::printable(text(c));
    const qint64 value = number(c);
    if (showNumber)
        return showNumber(value);
    switch (kind) {
    case Kind::Flag:
        return ConfigurationFields::onOff(int(value));
    case Kind::Address:
        return ConfigurationFields::ipv4(quint32(value));
    default:
        return QString::number(value);
    }
}

QString FieldDescriptor::compared(const PanelConfiguration &c) const {
    return isText() ? text(c) : QString::number(number(c));
}
