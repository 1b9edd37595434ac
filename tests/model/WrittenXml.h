#pragma once

#include "model/MyXMLWriter.h"
#include "model/PanelConfiguration.h"

#include <QBuffer>
#include <QDebug>

// The file a model saves to, as bytes.
inline QByteArray written(const PanelConfiguration &core) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    MyXMLWriter writer(&core);
    if (!writer.write(&buffer))
        qWarning() << writer.errorString();
    return buffer.data();
}
