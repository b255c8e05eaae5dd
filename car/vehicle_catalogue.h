#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <optional>

#include "car/hit_regions.h"
#include "car/lamp_model.h"

namespace vireo {

class LanguageTable;

// Everything a vehicle model code decides for the main window. All zero until a known code
// was applied.
struct VehicleSetup {
    uint8_t modellnummer = 0;  // catalogue index sent to the module
    PictureBases bildbasis{};  // by corner 1..4 at index corner - 1
    RegionGeometry regions;    // click regions and mirror offsets
    QRect nummernschildV;      // picNummernschild_V in window client pixels
    QRect nummernschildH;      // picNummernschild_H
    bool operator==(const VehicleSetup&) const = default;

    int16_t base(int corner) const { return bildbasis[corner - 1]; }
};

// The model codes with pictures and regions.
bool isKnownModel(const QString& modell);

// The code whose pictures, click regions and number plates a code shows: a known code its own;
// a three-digit code without pictures of its own (a body the catalogue has no pictures for)
// the known code of the same model year, its third digit (1: 111, 2: 112, 3: 113). Empty when
// there is none.
QString pictureModel(const QString& modell);

// Modellauswahl without the title: applies a known code. A code with the pictures of another
// (pictureModel) gets those pictures, regions and plates but keeps the module code as it was;
// any other code (also the empty one) leaves the setup as it was. Returns whether the code was
// known.
bool modellauswahl(const QString& modell, VehicleSetup& setup);

// The setup of a known model code on its own; nothing for any other code.
std::optional<VehicleSetup> vehicleSetupFor(const QString& modell);

// One option button of the vehicle options dialog as Fahrzeug_Auswahl reads it.
struct OptionButtonState {
    QString caption;
    bool ticked = false;
    bool enabled = true;
};
using OptionGroupState = QVector<OptionButtonState>;  // index 0 = option index 1

// Fahrzeug_Auswahl from the type, body and year option groups: the first ticked type gives
// prefix + caption + " / ", the first ticked body its caption, the first ticked year (when
// enabled) " / " + caption. The prefix is the language's text (text::VehicleChoicePrefix).
QString fahrzeugAuswahl(const OptionGroupState& type, const OptionGroupState& body,
                        const OptionGroupState& year, const QString& prefix);

// The catalogue of coded-model names (Modellnamen), indices 0..50; unlisted entries are empty.
// Index 0, a module coded for no model, is named by the language (codedModelName).
constexpr int kModellnamenCount = 51;
const QStringList& modellnamen();
// The name of coded model `index` in the module's report: text::UncodedModel for 0, otherwise
// the catalogue's name (empty when the catalogue has none).
QString codedModelName(int index, const LanguageTable& language);

}  // namespace vireo
