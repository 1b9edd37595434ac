#pragma once

#include <QCoreApplication>
#include <QString>

class PanelConfiguration;
class QIODevice;
class QXmlStreamWriter;

// Writes a configuration file. Files are replaced atomically: a failed save leaves the
// previous file as it was, and a save counts only when every byte reached the file.
class MyXMLWriter {
    Q_DECLARE_TR_FUNCTIONS(MyXMLWriter)

public:
    explicit MyXMLWriter(const PanelConfiguration *core);

    bool writeFile(const QString &fileName);
    bool write(QIODevice *device);
    QString errorString() const { return error; }

private:
    bool checkTexts();
    void writeSettings();
    void writeElements();
    void writeZoneNames();
    void writeManeuvers();

    const PanelConfiguration *core;
    QXmlStreamWriter *xml = nullptr;
    QString error;
};
