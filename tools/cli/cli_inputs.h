#pragma once

#include <QString>
#include <optional>

#include "sequence/document.h"
#include "vehicle/vehicle_options.h"

// What the image commands take from the rest of the program besides the document: the vehicle
// options the options dialog would show for it, and the model's module code.
namespace vireo::cli {

// The options dialog's state after the document's option string was restored into it under
// its model code, restricted to the edition of `moduleType` (empty: no restriction), with the
// two hold positions (0..11) chosen.
VehicleOptions optionsForDocument(const Document& document, const QString& moduleType,
                                  int welcomeHold, int goodbyeHold);

// The module code the image carries in byte 5 for the vehicle model, from the catalogue;
// nothing for a code the catalogue does not know.
std::optional<int> moduleCodeForModel(const QString& model);

}  // namespace vireo::cli
