#pragma once

#include "model/ConfigurationProblem.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class PanelConfiguration;

// Reads a configuration file into a model. The model changes only when the whole file
// was read; a failure leaves it exactly as it was and says why (with line and column
// where the file has one). A document whose root is not "CONFIG" is not a configuration.
class XmlConfigReader {
    Q_DECLARE_TR_FUNCTIONS(XmlConfigReader)

public:
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // What a file that was read says beyond the model.
    struct Notes {
        // Found only while reading, so the check cannot see them in the model; an upload
        // of the file refuses them (a Maniobra without an Action of its own).
        QList<ConfigurationProblem> problems;
        // Names read leniently past, "line 3: attribute "colour" of "CONFIG" ignored".
        QStringList ignored;
    };

    static bool readFile(const QString &fileName, PanelConfiguration *core,
                         QString *error = nullptr, Notes *notes = nullptr);
    static bool readData(const QByteArray &data, PanelConfiguration *core, QString *error = nullptr,
                         Notes *notes = nullptr);
};
