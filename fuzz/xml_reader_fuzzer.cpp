// Feeds arbitrary bytes to the configuration reader, then saves what it accepted and
// opens that: the save must hold everything that was read (the same configuration), and
// saving it again must give the same bytes.
#include "model/MyXMLWriter.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    PanelConfiguration core;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!XmlConfigReader::readData(bytes, &core))
        return 0;

    QBuffer first;
    first.open(QIODevice::WriteOnly);
    if (!MyXMLWriter(&core).write(&first))
        return 0; // texts XML cannot carry are refused by the writer, with a reason
    PanelConfiguration again;
    if (!XmlConfigReader::readData(first.data(), &again) || again != core)
        std::abort();
    QBuffer second;
    second.open(QIODevice::WriteOnly);
    if (!MyXMLWriter(&again).write(&second) || second.data() != first.data())
        std::abort();
    return 0;
}
