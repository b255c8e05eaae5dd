#include "car/vehicle_catalogue.h"

#include <algorithm>

#include "platform/app_info.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

constexpr int16_t kFrontLeftBase = 101;
constexpr int16_t kFrontRightBase = 165;
constexpr int16_t kRearLeftEarlyBase = 229;
constexpr int16_t kRearRightEarlyBase = 293;
constexpr int16_t kRearLeftLateBase = 357;
constexpr int16_t kRearRightLateBase = 421;

// Number plates in window client pixels: left, top, width, height.
const QRect kFrontPlate(164, 211, 89, 19);
const QRect kRearPlateEarly(164, 426, 86, 16);
const QRect kRearPlateLate(167, 425, 86, 18);

}  // namespace

bool isKnownModel(const QString& modell) {
    return modell == QLatin1String("111") || modell == QLatin1String("112") ||
           modell == QLatin1String("113");
}

QString pictureModel(const QString& modell) {
    if (isKnownModel(modell)) return modell;
    const bool threeDigits =
        modell.size() == 3 &&
        std::all_of(modell.begin(), modell.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!threeDigits || modell[2] < u'1' || modell[2] > u'3') return {};
    return QStringLiteral("11") + modell[2];
}

bool modellauswahl(const QString& modell, VehicleSetup& setup) {
    const QString pictures = pictureModel(modell);
    if (pictures.isEmpty()) return false;
    const bool known = pictures == modell;
    const bool early = pictures == QLatin1String("111");
    // The module code belongs to the code itself: a stand-in's code is not sent for it.
    if (known) setup.modellnummer = early ? 30 : (modell == QLatin1String("112") ? 31 : 32);
    setup.bildbasis[kCornerVL - 1] = kFrontLeftBase;
    setup.bildbasis[kCornerVR - 1] = kFrontRightBase;
    setup.bildbasis[kCornerHL - 1] = early ? kRearLeftEarlyBase : kRearLeftLateBase;
    setup.bildbasis[kCornerHR - 1] = early ? kRearRightEarlyBase : kRearRightLateBase;

    setup.nummernschildV = kFrontPlate;
    setup.regions.spiegelversatzVorne = 10;
    writeFrontRegions(setup.regions.table);

    setup.nummernschildH = early ? kRearPlateEarly : kRearPlateLate;
    setup.regions.spiegelversatzHinten = early ? -30 : 30;
    if (early)
        writeRearRegionsEarly(setup.regions.table);
    else
        writeRearRegionsLate(setup.regions.table);
    return known;
}

std::optional<VehicleSetup> vehicleSetupFor(const QString& modell) {
    VehicleSetup setup;
    if (!modellauswahl(modell, setup)) return std::nullopt;
    return setup;
}

static const OptionButtonState* firstTicked(const OptionGroupState& group) {
    for (const OptionButtonState& option : group)
        if (option.ticked) return &option;
    return nullptr;
}

QString fahrzeugAuswahl(const OptionGroupState& type, const OptionGroupState& body,
                        const OptionGroupState& year, const QString& prefix) {
    QString text;
    if (const auto* t = firstTicked(type)) text = prefix + t->caption + QStringLiteral(" / ");
    if (const auto* b = firstTicked(body)) text += b->caption;
    if (const auto* y = firstTicked(year); y && y->enabled)
        text += QStringLiteral(" / ") + y->caption;
    return text;
}

QString codedModelName(int index, const LanguageTable& language) {
    return index == 0 ? language.entry(text::UncodedModel) : modellnamen().value(index);
}

const QStringList& modellnamen() {
    static const QStringList names = [] {
        QStringList list(kModellnamenCount);
        const struct {
            int index;
            const char* name;
        } rows[] = {
            {1, "BMW 1er FRM1"},
            {2, "BMW 1er FRM2 LCI"},
            {3, "BMW 1er Coupe FRM2"},
            {4, "BMW 1er Cabrio FRM2"},
            {5, "BMW Z4 FRM2"},
            {6, "BMW 3er Limousine FRM2"},
            {7, "BMW 3er Limousine FRM2 LCI"},
            {8, "BMW 3er Touring FRM2"},
            {9, "BMW 3er Touring FRM2 LCI"},
            {10, "BMW 3er Coupe FRM2"},
            {11, "BMW 3er Cabrio FRM2"},
            {12, "BMW 3er Limousine FRM1"},
            {13, "BMW 3er Touring FRM1"},
            {14, "BMW 5er Limousine LM2 9.06"},
            {15, "BMW 5er Touring LM2 9.06"},
            {16, "BMW 5er Limousine LM1"},
            {17, "BMW 5er Touring LM1"},
            {18, "BMW 6er Coupe LM1"},
            {19, "BMW 6er Cabrio LM1"},
            {20, "BMW 5er Limousine LM2 LCI"},
            {21, "BMW 5er Touring LM2 LCI"},
            {23, "BMW 6er Coupe LM2 LCI"},
            {24, "BMW 6er Cabrio LM2 LCI"},
            {30, "BMW 7er VFL LM1"},
            {31, "BMW 7er LCI LM1"},
            {32, "BMW 7er LCI LM2"},
            {35, "BMW X5"},
            {36, "BMW X6"},
            {40, "Mini Coupe"},
            {41, "Mini Cabrio"},
            {42, "Mini Clubman"},
        };
        for (const auto& row : rows) list[row.index] = QString::fromUtf8(row.name);
        return list;
    }();
    return names;
}

}  // namespace vireo
