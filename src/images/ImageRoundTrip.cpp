#include "images/ImageRoundTrip.h"

#include "images/GeneralConfigImage.h"
#include "images/ManeuverTableImage.h"
#include "images/WebServerImage.h"
#include "model/ConfigurationFields.h"
#include "model/ConfigurationJson.h"
#include "model/ManeuverDescription.h"

#include <QJsonObject>
#include <QStringList>

namespace {

using Loss = ImageRoundTrip::Loss;

QString readAs(int index, const ManiobraConvencional &meant, const ManiobraConvencional &read) {
    return ImageRoundTrip::tr("Maneuver %1 (%2): the panel would read it as %3")
        .arg(index + 1)
        .arg(ConfigurationFields::maneuverText(meant), ConfigurationFields::maneuverText(read));
}

void compareManeuvers(const QList<ManiobraConvencional> &maneuvers, QList<Loss> &out) {
    QList<int> simple;
    QList<int> logic;
    QList<ManiobraConvencional> recordable;
    for (int i = 0; i < maneuvers.size(); ++i) {
        const ManiobraConvencional &m = maneuvers.at(i);
        if (m.events.isEmpty() || m.events.size() > ManiobraConvencional::MaxEvents)
            continue;
        (m.isLogic() ? logic : simple) << i;
        recordable << m;
    }
    const ManeuverTableImage::Images images = ManeuverTableImage::records(recordable);

    const QList<ManiobraConvencional> readSimple = ManeuverTableImage::decodeSimple(images.simple);
    for (qsizetype j = 0; j < simple.size(); ++j) {
        const int i = simple.at(j);
        const ManiobraConvencional &m = maneuvers.at(i);
        if (j >= readSimple.size()) {
            QStringList lost;
            for (qsizetype k = j; k < simple.size(); ++k)
                lost << QString::number(simple.at(k) + 1);
            out.append(
                {i, std::nullopt,
                 ImageRoundTrip::tr("Maneuver %1 (%2): the panel would read the end of "
                                    "its simple maneuver table here, so these "
                                    "maneuvers would be lost: %3")
                     .arg(i + 1)
                     .arg(ConfigurationFields::maneuverText(m), lost.join(QStringLiteral(", ")))});
            break;
        }
        if (readSimple.at(j) != m)
            out.append({i, std::nullopt, readAs(i, m, readSimple.at(j))});
    }

    // Logic records have one size: each is read on its own.
    for (qsizetype j = 0; j < logic.size(); ++j) {
        const int i = logic.at(j);
        const ManiobraConvencional &m = maneuvers.at(i);
        const QList<ManiobraConvencional> read = ManeuverTableImage::decodeLogic(images.logic.mid(
            j * ManiobraConvencional::LogicRecordSize, ManiobraConvencional::LogicRecordSize));
        if (!read.isEmpty() && read.first() == m)
            continue;
        QString message;
        if (read.isEmpty()) {
            message = ImageRoundTrip::tr("Maneuver %1 (%2): the panel would find no event in "
                                         "its record and drop the maneuver")
                          .arg(i + 1)
                          .arg(ConfigurationFields::maneuverText(m));
        } else if (read.first().action() == m.action() &&
                   read.first().events == m.events.mid(0, read.first().events.size())) {
            message =
                ImageRoundTrip::tr("Maneuver %1 (%2): the panel would read the end of its "
                                   "event list early and keep only %3")
                    .arg(i + 1)
                    .arg(ConfigurationFields::maneuverText(m), eventDescription(read.first()));
        } else {
            message = readAs(i, m, read.first());
        }
        out.append({i, std::nullopt, message});
    }
}

void compareRecord(const char *element, const QJsonObject &meant, const QJsonObject &read,
                   QList<Loss> &out) {
    for (auto it = meant.begin(); it != meant.end(); ++it) {
        const QJsonValue back = read.value(it.key());
        if (back == it.value())
            continue;
        // A text's content is not repeated: it may be a password.
        if (it.value().isString())
            out.append({-1, it.value().toString(),
                        ImageRoundTrip::tr("%1 %2 would not reach the panel whole: it would "
                                           "keep only its first %3 characters")
                            .arg(QLatin1String(element), it.key())
                            .arg(back.toString().size())});
        else
            out.append({-1, std::nullopt,
                        ImageRoundTrip::tr("%1 %2 is %3; the panel would read %4")
                            .arg(QLatin1String(element), it.key())
                            .arg(it.value().toInteger())
                            .arg(back.toInteger())});
    }
}

} // namespace

QList<ImageRoundTrip::Loss> ImageRoundTrip::losses(const QList<ManiobraConvencional> &maneuvers,
                                                   const GeneralConfig &general,
                                                   const WebServerConfig &web,
                                                   const SmtpConfig &smtp) {
    QList<Loss> out;
    compareManeuvers(maneuvers, out);

    GeneralConfig readGeneral;
    GeneralConfigImage::decode(GeneralConfigImage::build(general), readGeneral);
    WebServerConfig readWeb;
    SmtpConfig readSmtp;
    WebServerImage::decode(WebServerImage::build(web, smtp), readWeb, readSmtp);
    // Named as the file names them.
    compareRecord("GeneralConfig", ConfigurationJson::toJson(general),
                  ConfigurationJson::toJson(readGeneral), out);
    compareRecord("WebServer", ConfigurationJson::toJson(web), ConfigurationJson::toJson(readWeb),
                  out);
    compareRecord("SMTP", ConfigurationJson::toJson(smtp), ConfigurationJson::toJson(readSmtp),
                  out);
    return out;
}
