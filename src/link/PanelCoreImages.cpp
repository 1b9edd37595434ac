// PanelCore's read and write steps for the three memory images. They run on a port that
// the calling transfer opened; each command that succeeds is one step of progress.
#include "link/PanelCore.h"

#include "images/GeneralConfigImage.h"
#include "images/ManeuverTableImage.h"
#include "images/PanelMemoryMap.h"
#include "images/WebServerImage.h"
#include "link/CmdConvencional.h"
#include "model/InternalDiagnostics.h"

using namespace PanelMemoryMap;

namespace {

QByteArray recordOf(const QByteArray &image, int n) {
    return image.mid(qsizetype(n) * RecordSize, RecordSize);
}

} // namespace

bool PanelCore::failStep() {
    return failTransfer(cmd->errorString(), cmd->failure());
}

bool PanelCore::eraseTable(int table) {
    const bool erased = cmd->eraseTable(quint8(table));
    partlyWritten = partlyWritten || cmd->requestSent();
    if (!erased)
        return failStep();
    transferProgress.step();
    return true;
}

bool PanelCore::writeRecord(int table, int record, const QByteArray &data) {
    const bool written = cmd->writeRecord(quint8(table), quint8(record), data);
    partlyWritten = partlyWritten || cmd->requestSent();
    if (!written) {
        qCDebug(internalDiagnostics) << "cmd write flash error";
        return failStep();
    }
    if (recordWrites)
        writtenRecords.append({table, record, data});
    transferProgress.step();
    return true;
}

bool PanelCore::readRecord(int table, int record, QByteArray &data) {
    if (!cmd->readRecord(quint8(table), quint8(record), data))
        return failStep();
    transferProgress.step();
    return true;
}

bool PanelCore::writeManeuverList() {
    for (int i = 0; i < maneuvers.size(); ++i) {
        const ManiobraConvencional &m = maneuvers.at(i);
        qCDebug(internalDiagnostics).noquote() << "Maniobra " << i << ":";
        for (int e = 0; e < m.events.size(); ++e) {
            const Event &ev = m.events.at(e);
            qCDebug(internalDiagnostics).noquote()
                << "Evento " << e << ": " << ev.evt_blk << " " << ev.evt_blk_prt << " "
                << ev.evt_blk_type << " " << ev.evt_type;
        }
        qCDebug(internalDiagnostics).noquote() << "Size byteArray: " << m.toByteArray().size();
    }
    ManeuverTableImage::Images images;
    QString reason;
    if (!ManeuverTableImage::build(maneuvers, images, &reason))
        return failTransfer(reason);
    return writeSimpleManeuverTable(images.simple) && writeLogicManeuverTables(images.logic);
}

bool PanelCore::writeSimpleManeuverTable(const QByteArray &image) {
    if (image.size() > ManeuverTableImage::SimpleImageSize)
        return failTransfer(tr("the simple maneuvers do not fit their table"));
    QByteArray padded = image;
    padded.append(QByteArray(ManeuverTableImage::SimpleImageSize - image.size(), '\0'));
    return eraseTable(SimpleManeuverTable) &&
           writeTableRecords(SimpleManeuverTable, SimpleManeuverRecords, padded);
}

bool PanelCore::writeLogicManeuverTables(const QByteArray &image) {
    if (image.size() > ManeuverTableImage::LogicImageSize)
        return failTransfer(tr("the logic maneuvers do not fit their tables"));
    QByteArray padded = image;
    padded.append(QByteArray(ManeuverTableImage::LogicImageSize - image.size(), '\0'));
    qCDebug(internalDiagnostics) << "Flash Erasing";
    for (int table = FirstLogicTable; table <= LastErasedLogicTable; ++table) {
        if (!eraseTable(table))
            return false;
    }
    qCDebug(internalDiagnostics) << "end Flash Erasing";
    qCDebug(internalDiagnostics) << "Send Tables";
    for (int n = 0; n < LogicManeuverRecords; ++n) {
        const auto address = ManeuverTableImage::logicRecordAddress(n);
        if (!writeRecord(address.table, address.record, recordOf(padded, n)))
            return false;
    }
    return true;
}

bool PanelCore::writeTableRecords(int table, int count, const QByteArray &image) {
    for (int k = 0; k < count; ++k) {
        if (!writeRecord(table, k, recordOf(image, k)))
            return false;
    }
    return true;
}

bool PanelCore::readTableRecords(int table, int count, QByteArray &image) {
    QByteArray read;
    for (int k = 0; k < count; ++k) {
        QByteArray record;
        if (!readRecord(table, k, record))
            return false;
        read.append(record);
    }
    image = read;
    return true;
}

bool PanelCore::readSimpleManeuverTable(QByteArray &image) {
    return readTableRecords(SimpleManeuverTable, SimpleManeuverRecords, image);
}

bool PanelCore::readLogicManeuverTables(QByteArray &image) {
    QByteArray read;
    for (int n = 0; n < LogicManeuverRecords; ++n) {
        const auto address = ManeuverTableImage::logicRecordAddress(n);
        QByteArray record;
        if (!readRecord(address.table, address.record, record))
            return false;
        read.append(record);
    }
    image = read;
    return true;
}

QByteArray PanelCore::buildGeneralConfigImage() const {
    return GeneralConfigImage::build(generalConfig);
}

bool PanelCore::writeGeneralConfig() {
    return writeGeneralTable(buildGeneralConfigImage());
}

bool PanelCore::writeGeneralTable(const QByteArray &records) {
    return eraseTable(GeneralTable) &&
           writeTableRecords(GeneralTable, int(records.size() / RecordSize), records);
}

bool PanelCore::readGeneralRecord(QByteArray &record) {
    return readRecord(GeneralTable, GeneralRecord, record);
}

bool PanelCore::readGeneralTableTail(QByteArray &records) {
    QByteArray read;
    for (int k = 1; k <= GeneralTailRecords; ++k) {
        QByteArray record;
        if (!readRecord(GeneralTable, k, record))
            return false;
        read.append(record);
    }
    records = read;
    return true;
}

QByteArray PanelCore::buildWebServerImage() const {
    qCDebug(internalDiagnostics) << "selectWSConfig  (W)";
    qCDebug(internalDiagnostics) << "Pos:" << 288 << "Content:" << smtp.DestDomain;
    return WebServerImage::build(webServer, smtp);
}

bool PanelCore::writeWebServerConfig() {
    return writeWebServerImage(buildWebServerImage());
}

bool PanelCore::writeWebServerImage(const QByteArray &image) {
    return eraseTable(WebServerTable) && writeTableRecords(WebServerTable, WebServerRecords, image);
}

bool PanelCore::readWebServerImage(QByteArray &image) {
    qCDebug(internalDiagnostics) << "getWSConfig (R)";
    return readTableRecords(WebServerTable, WebServerRecords, image);
}
