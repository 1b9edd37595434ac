#pragma once

#include <QCoreApplication>
#include <QString>

class PanelCore;

// Reads a configuration file into a model. The model changes only when the whole file
// was read; a failure leaves it exactly as it was and says why (with line and column
// where the file has one).
class XmlConfigReader {
    Q_DECLARE_TR_FUNCTIONS(XmlConfigReader)

public:
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    static bool readFile(const QString &fileName, PanelCore *core, QString *error = nullptr);
    static bool readData(const QByteArray &data, PanelCore *core, QString *error = nullptr);
};
