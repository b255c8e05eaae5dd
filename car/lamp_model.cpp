#include "car/lamp_model.h"

#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

struct LampNameRow {
    int entry;
    const char* left;
    const char* right;
};

// Language entry and suffixes of each bit, front corners then rear corners.
constexpr LampNameRow kFrontNames[kLampsPerCorner] = {
    {text::LampIndicator, "_L", "_R"}, {text::LampLowBeam, "_L", "_R"},
    {text::LampHighBeam, "_L", "_R"},  {text::LampParkingRing, "_L", "_R"},
    {text::LampFog, "_L", "_R"},       {text::LampIndicator, "_IL", "_IR"},
};
constexpr LampNameRow kRearNames[kLampsPerCorner] = {
    {text::LampIndicator, "_L", "_R"}, {text::LampTail, "_LU", "_RU"},
    {text::LampTail, "_LO", "_RO"},    {text::LampReversing, "_L", "_R"},
    {text::LampTail, "_M", "_M"},      {text::LampFog, "_L", "_R"},
};

}  // namespace

int mirrorCorner(int corner) {
    switch (corner) {
        case kCornerVR:
            return kCornerVL;
        case kCornerVL:
            return kCornerVR;
        case kCornerHL:
            return kCornerHR;
        case kCornerHR:
            return kCornerHL;
        default:
            return 0;
    }
}

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
