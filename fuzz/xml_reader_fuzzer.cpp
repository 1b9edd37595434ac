// Feeds arbitrary bytes to the configuration reader, then writes and re-reads what it
// accepted: a file that opens must also save and open again to the same model.
#include "MyXMLWriter.h"
#include "PanelCore.h"
#include "XmlConfigReader.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    PanelCore core;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!XmlConfigReader::readData(bytes, &core))
        return 0;

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!MyXMLWriter(&core).write(&buffer))
        return 0; // texts XML cannot carry are refused by the writer, with a reason
    PanelCore again;
    QString error;
    if (!XmlConfigReader::readData(buffer.data(), &again, &error) || !again.sameConfiguration(core))
        std::abort();
    return 0;
}
