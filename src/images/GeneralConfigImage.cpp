#include "images/GeneralConfigImage.h"

#include "images/FieldImage.h"
#include "model/PanelConfiguration.h"

namespace {

constexpr auto Record = FieldImage::Image::GeneralRecord;

} // namespace

QByteArray GeneralConfigImage::build(const GeneralConfig &config) {
    PanelConfiguration from;
    from.generalConfig = config;
    QByteArray record(Size, '\0');
    FieldImage::put(Record, from, record);
    return record;
}

bool GeneralConfigImage::decode(const QByteArray &record, GeneralConfig &out) {
    PanelConfiguration into;
    into.generalConfig = out;
    if (!FieldImage::get(Record, record, into))
        return false;
    out = into.generalConfig;
    return true;
}
