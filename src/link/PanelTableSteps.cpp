#include "link/PanelTableSteps.h"

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

// Where the k-th record of an image lives.
std::function<PanelRecords::Address(int)> inTable(int table, int first = 0) {
    return [table, first](int k) {
        return PanelRecords::Address{table, first + k};
    };
}

PanelRecords::Address logicRecord(int n) {
    const ManeuverTableImage::RecordAddress at = ManeuverTableImage::logicRecordAddress(n);
    return {at.table, at.record};
}

} // namespace

PanelTableSteps::PanelTableSteps(CmdConvencional &command, QObject *parent)
    : QObject(parent)
    , cmd(command) {
    connect(&cmd, &CmdConvencional::exchangeStep, this, &PanelTableSteps::transferStep);
}

bool PanelTableSteps::fail(const QString &reason, DriverSerieHdlc::Failure kind) {
    lastError = reason;
    lastFailure = kind;
    transferProgress.stop();
    return false;
}

bool PanelTableSteps::failStep() {
    return fail(cmd.errorString(), cmd.failure());
}

bool PanelTableSteps::eraseTable(int table) {
    const bool erased = cmd.eraseTable(quint8(table));
    partlyWritten = partlyWritten || cmd.requestSent();
    if (!erased)
        return failStep();
    transferProgress.step();
    return true;
}

bool PanelTableSteps::writeRecord(int table, int record, const QByteArray &data) {
    const bool written = cmd.writeRecord(quint8(table), quint8(record), data);
    partlyWritten = partlyWritten || cmd.requestSent();
    if (!written) {
        qCDebug(internalDiagnostics) << "cmd write flash error";
        return failStep();
    }
    if (recordWrites)
        writtenRecords.append({table, record, data});
    transferProgress.step();
    return true;
}

bool PanelTableSteps::readRecord(int table, int record, QByteArray &data) {
    if (!cmd.readRecord(quint8(table), quint8(record), data))
        return failStep();
    transferProgress.step();
    return true;
}

bool PanelTableSteps::writeRecords(int count, const RecordAt &at, const QByteArray &image) {
    for (int k = 0; k < count; ++k) {
        const PanelRecords::Address address = at(k);
        if (!writeRecord(address.table, address.record, recordOf(image, k)))
            return false;
    }
    return true;
}

bool PanelTableSteps::readRecords(int count, const RecordAt &at, QByteArray &image) {
    QByteArray read;
    for (int k = 0; k < count; ++k) {
        const PanelRecords::Address address = at(k);
        QByteArray record;
        if (!readRecord(address.table, address.record, record))
            return false;
        read.append(record);
    }
    image = read;
    return true;
}

bool PanelTableSteps::writeManeuverList(const QList<ManiobraConvencional> &maneuvers) {
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
        return fail(reason);
    return writeSimpleManeuverTable(images.simple) && writeLogicManeuverTables(images.logic);
}

bool PanelTableSteps::writeSimpleManeuverTable(const QByteArray &image) {
    if (image.size() > ManeuverTableImage::SimpleImageSize)
        return fail(tr("the simple maneuvers do not fit their table"));
    QByteArray padded = image;
    padded.append(QByteArray(ManeuverTableImage::SimpleImageSize - image.size(), '\0'));
    return eraseTable(SimpleManeuverTable) &&
           writeRecords(SimpleManeuverRecords, inTable(SimpleManeuverTable), padded);
}

bool PanelTableSteps::writeLogicManeuverTables(const QByteArray &image) {
    if (image.size() > ManeuverTableImage::LogicImageSize)
        return fail(tr("the logic maneuvers do not fit their tables"));
    QByteArray padded = image;
    padded.append(QByteArray(ManeuverTableImage::LogicImageSize - image.size(), '\0'));
    qCDebug(internalDiagnostics) << "Flash Erasing";
    for (int table = FirstLogicTable; table <= LastErasedLogicTable; ++table) {
        if (!eraseTable(table))
            return false;
    }
    qCDebug(internalDiagnostics) << "end Flash Erasing";
    qCDebug(internalDiagnostics) << "Send Tables";
    return writeRecords(LogicManeuverRecords, logicRecord, padded);
}

bool PanelTableSteps::readSimpleManeuverTable(QByteArray &image) {
    return readRecords(SimpleManeuverRecords, inTable(SimpleManeuverTable), image);
}

bool PanelTableSteps::readLogicManeuverTables(QByteArray &image) {
    return readRecords(LogicManeuverRecords, logicRecord, image);
}

QByteArray PanelTableSteps::buildGeneralConfigImage(const GeneralConfig &general) {
    return GeneralConfigImage::build(general);
}

bool PanelTableSteps::writeGeneralConfig(const GeneralConfig &general) {
    return writeGeneralTable(buildGeneralConfigImage(general));
}

bool PanelTableSteps::writeGeneralTable(const QByteArray &records) {
    return eraseTable(GeneralTable) &&
           writeRecords(int(records.size() / RecordSize), inTable(GeneralTable), records);
}

bool PanelTableSteps::readGeneralRecord(QByteArray &record) {
    return readRecord(GeneralTable, GeneralRecord, record);
}

bool PanelTableSteps::readGeneralTableTail(QByteArray &records) {
    return readRecords(GeneralTailRecords, inTable(GeneralTable, GeneralRecord + 1), records);
}

QByteArray PanelTableSteps::buildWebServerImage(const WebServerConfig &web,
                                                const SmtpConfig &smtp) {
    qCDebug(internalDiagnostics) << "selectWSConfig  (W)";
    qCDebug(internalDiagnostics) << "Pos:" << 288 << "Content:" << smtp.DestDomain;
    return WebServerImage::build(web, smtp);
}

bool PanelTableSteps::writeWebServerConfig(const WebServerConfig &web, const SmtpConfig &smtp) {
    return writeWebServerImage(buildWebServerImage(web, smtp));
}

bool PanelTableSteps::writeWebServerImage(const QByteArray &image) {
    return eraseTable(WebServerTable) &&
           writeRecords(WebServerRecords, inTable(WebServerTable), image);
}

bool PanelTableSteps::readWebServerImage(QByteArray &image) {
    qCDebug(internalDiagnostics) << "getWSConfig (R)";
    return readRecords(WebServerRecords, inTable(WebServerTable), image);
}
