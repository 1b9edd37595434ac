#include "images/GeneralConfigImage.h"

QByteArray GeneralConfigImage::build(const GeneralConfig &config) {
    QByteArray record(Size, '\0');
    record[0] = char(config.confirmation_general_mode);
    record[1] = char(config.short_general_mode);
    record[2] = char(config.delay_confirmation >> 8);
    record[3] = char(config.delay_confirmation & 0xff);
    record[4] = char(config.cancel_delay);
    record[5] = char(config.cancel_MCP_delay);
    return record;
}

bool GeneralConfigImage::decode(const QByteArray &record, GeneralConfig &out) {
    if (record.size() < DecodedBytes)
        return false;
    const auto byte = [&record](int i) {
        return quint8(record.at(i));
    };
    out.confirmation_general_mode = byte(0);
    out.short_general_mode = byte(1);
    out.delay_confirmation = quint16(byte(2) << 8 | byte(3));
    out.cancel_delay = byte(4);
    out.cancel_MCP_delay = byte(5);
    return true;
}
