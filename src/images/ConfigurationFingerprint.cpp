#include "images/ConfigurationFingerprint.h"

#include "images/GeneralConfigImage.h"
#include "images/ManeuverTableImage.h"
#include "images/WebServerImage.h"
#include "model/PanelConfiguration.h"

#include <QCryptographicHash>
#include <QStringList>

QString ConfigurationFingerprint::of(const PanelConfiguration &core, QString *error) {
    ManeuverTableImage::Images images;
    QString reason;
    if (!ManeuverTableImage::build(core.maneuvers, images, &reason)) {
        if (error)
            *error = reason;
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(images.simple);
    hash.addData(images.logic);
    hash.addData(GeneralConfigImage::build(core.generalConfig));
    hash.addData(
        WebServerImage::withoutPasswords(WebServerImage::build(core.webServer, core.smtp)));
    const QString hex = QString::fromLatin1(hash.result().left(8).toHex());
    QStringList groups;
    for (int i = 0; i < hex.size(); i += 4)
        groups << hex.mid(i, 4);
    return groups.join(QLatin1Char('-'));
}
