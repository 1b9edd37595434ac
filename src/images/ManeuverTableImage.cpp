#include "images/ManeuverTableImage.h"

#include "images/ManeuverRecord.h"
#include "images/PanelMemoryMap.h"

ManeuverTableImage::Images
ManeuverTableImage::records(const QList<ManiobraConvencional> &maneuvers) {
    Images images;
    for (const ManiobraConvencional &m : maneuvers)
        (m.isLogic() ? images.logic : images.simple).append(ManeuverRecord::encode(m));
    return images;
}

bool ManeuverTableImage::build(const QList<ManiobraConvencional> &maneuvers, Images &out,
                               QString *error) {
    Images images = records(maneuvers);
    const auto refuse = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (images.simple.size() > SimpleImageSize)
        return refuse(tr("%1 simple maneuvers; the panel holds at most %2")
                          .arg(images.simple.size() / ManeuverRecord::SimpleSize)
                          .arg(MaxSimple));
    if (images.logic.size() > LogicImageSize)
        return refuse(tr("%1 logic maneuvers; the panel holds at most %2")
                          .arg(images.logic.size() / ManeuverRecord::LogicSize)
                          .arg(MaxLogic));
    images.simple.append(QByteArray(SimpleImageSize - images.simple.size(), '\0'));
    images.logic.append(QByteArray(LogicImageSize - images.logic.size(), '\0'));
    out = images;
    return true;
}

QList<ManiobraConvencional> ManeuverTableImage::decodeSimple(const QByteArray &image) {
    QList<ManiobraConvencional> out;
    for (qsizetype at = 0; at < image.size(); at += ManeuverRecord::SimpleSize) {
        const QByteArray piece = image.mid(at, ManeuverRecord::SimpleSize);
        if (piece.at(0) == 0)
            break;
        out.append(ManeuverRecord::decode(piece));
    }
    return out;
}

QList<ManiobraConvencional> ManeuverTableImage::decodeLogic(const QByteArray &image) {
    QList<ManiobraConvencional> out;
    for (qsizetype at = 0; at + ManeuverRecord::LogicSize <= image.size();
         at += ManeuverRecord::LogicSize) {
        ManiobraConvencional m = ManeuverRecord::decode(image.mid(at, ManeuverRecord::LogicSize));
        if (!m.events.isEmpty())
            out.append(m);
    }
    return out;
}

ManeuverTableImage::RecordAddress ManeuverTableImage::logicRecordAddress(int n) {
    return {PanelMemoryMap::FirstLogicTable + n / PanelMemoryMap::LogicRecordsPerTable,
            n % PanelMemoryMap::LogicRecordsPerTable};
}
