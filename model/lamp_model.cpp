#include "model/lamp_model.h"

#include "config/language.h"

namespace vireo {

namespace {

struct LampNameRow {
    int entry;
    const char* left;
    const char* right;
};

// Language entry and suffixes of each bit, front corners then rear corners.
constexpr LampNameRow kFrontNames[kLampsPerCorner] = {
    {122, "_L", "_R"}, {118, "_L", "_R"}, {119, "_L", "_R"},
    {117, "_L", "_R"}, {120, "_L", "_R"}, {122, "_IL", "_IR"},
};
constexpr LampNameRow kRearNames[kLampsPerCorner] = {
    {122, "_L", "_R"}, {124, "_LU", "_RU"}, {124, "_LO", "_RO"},
    {125, "_L", "_R"}, {124, "_M", "_M"},   {120, "_L", "_R"},
};

}  // namespace

QString pictureControlName(int corner) {
    switch (corner) {
        case kCornerVR:
            return QStringLiteral("imaVR");
        case kCornerVL:
            return QStringLiteral("imaVL");
        case kCornerHL:
            return QStringLiteral("imaHL");
        case kCornerHR:
            return QStringLiteral("imaHR");
        default:
            return {};
    }
}

LampName lampName(int corner, int bit) {
    if (bit < 0 || bit >= kLampsPerCorner || !(isFrontCorner(corner) || isRearCorner(corner)))
        return {};
    const LampNameRow& row = isFrontCorner(corner) ? kFrontNames[bit] : kRearNames[bit];
    return {row.entry, QString::fromLatin1(isLeftCorner(corner) ? row.left : row.right)};
}

QString lampToolTip(const LanguageTable& language, int corner, int bit) {
    const LampName name = lampName(corner, bit);
    if (name.entry == 0) return {};
    return language.entry(name.entry) + name.suffix;
}

int16_t pictureNumber(int16_t base, int lampByte) {
    return static_cast<int16_t>(base + (lampByte & kLampMask));
}

std::array<int, kCorners> lichtAus(LampBytes& lamps) {
    for (int corner : kLichtAusOrder) lampByte(lamps, corner) = 0;
    return kLichtAusOrder;
}

}  // namespace vireo
