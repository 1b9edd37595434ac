#include "images/ManeuverTableImage.h"

#include "images/PanelMemoryMap.h"

ManeuverTableImage::Images
ManeuverTableImage::records(const QList<ManiobraConvencional> &maneuvers) {
    Images images;
    for (const ManiobraConvencional &m : maneuvers)
        (m.isLogic() ? images.logic : images.simple).append(m.toByteArray());
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
                          .arg(images.simple.size() / ManiobraConvencional::SimpleRecordSize)
                          .arg(MaxSimple));
    if (images.logic.size() > LogicImageSize)
        return refuse(tr("%1 logic maneuvers; the panel holds at most %2")
                          .arg(images.logic.size() / ManiobraConvencional::LogicRecordSize)
                          .arg(MaxLogic));
    images.simple.append(QByteArray(SimpleImageSize - images.simple.size(), '\0'));
    images.logic.append(QByteArray(LogicImageSize - images.logic.size(), '\0'));
    out = images;
    return true;
}

QList<ManiobraConvencional> ManeuverTableImage::decodeSimple(const QByteArray &image) {
    QList<ManiobraConvencional> out;
    for (qsizetype at = 0; at < image.size(); at += ManiobraConvencional::SimpleRecordSize) {
        const QByteArray piece = image.mid(at, ManiobraConvencional::SimpleRecordSize);
        if (piece.at(0) == 0)
            break;
        out.append(ManiobraConvencional(piece));
    }
    return out;
}

QList<ManiobraConvencional> ManeuverTableImage::decodeLogic(const QByteArray &image) {
    QList<ManiobraConvencional> out;
    for (qsizetype at = 0; at + ManiobraConvencional::LogicRecordSize <= image.size();
         at += ManiobraConvencional::LogicRecordSize) {
        const ManiobraConvencional m(image.mid(at, ManiobraConvencional::LogicRecordSize));
        if (!m.events.isEmpty())
            out.append(m);
    }
    return out;
}

ManeuverTableImage::RecordAddress ManeuverTableImage::logicRecordAddress(int n) {
    return {PanelMemoryMap::FirstLogicTable + n / PanelMemoryMap::LogicRecordsPerTable,
            n % PanelMemoryMap::LogicRecordsPerTable};
}
