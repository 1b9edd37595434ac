#include "images/ImageRoundTrip.h"

#include "images/GeneralConfigImage.h"
#include "images/ManeuverTableImage.h"
#include "images/WebServerImage.h"
#include "model/ConfigurationFields.h"
#include "model/FieldTable.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

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

// Each setting is named as the file names it.
void compareSettings(const PanelConfiguration &meant, const PanelConfiguration &read,
                     QList<Loss> &out) {
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (!d.panelHeld())
            continue;
        const QLatin1String element(d.element);
        const QLatin1String attribute(d.attribute);
        // A text's content is not repeated: it may be a password.
        if (d.isText() && d.text(read) != d.text(meant))
            out.append({-1, d.text(meant),
                        ImageRoundTrip::tr("%1 %2 would not reach the panel whole: it would "
                                           "keep only its first %3 characters")
                            .arg(element, attribute)
                            .arg(d.text(read).size())});
        else if (!d.isText() && d.number(read) != d.number(meant))
            out.append({-1, std::nullopt,
                        ImageRoundTrip::tr("%1 %2 is %3; the panel would read %4")
                            .arg(element, attribute)
                            .arg(d.number(meant))
                            .arg(d.number(read))});
    }
}

} // namespace

QList<ImageRoundTrip::Loss> ImageRoundTrip::losses(const QList<ManiobraConvencional> &maneuvers,
                                                   const GeneralConfig &general,
                                                   const WebServerConfig &web,
                                                   const SmtpConfig &smtp) {
    QList<Loss> out;
    compareManeuvers(maneuvers, out);

    PanelConfiguration meant;
    meant.generalConfig = general;
    meant.webServer = web;
    meant.smtp = smtp;
    PanelConfiguration read;
    GeneralConfigImage::decode(GeneralConfigImage::build(general), read.generalConfig);
    WebServerImage::decode(WebServerImage::build(web, smtp), read.webServer, read.smtp);
    compareSettings(meant, read, out);
    return out;
}
