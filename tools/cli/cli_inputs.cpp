#include "tools/cli/cli_inputs.h"

#include "car/vehicle_catalogue.h"
#include "vehicle/option_rules.h"

namespace vireo::cli {

VehicleOptions optionsForDocument(const Document& document, const QString& moduleType,
                                  int welcomeHold, int goodbyeHold) {
    VehicleOptions options = restoredOptions(document.model, document.options, moduleType);
    options.welcomeHold = welcomeHold;
    options.goodbyeHold = goodbyeHold;
    return options;
}

std::optional<int> moduleCodeForModel(const QString& model) {
    const auto setup = vehicleSetupFor(model);
    if (!setup) return std::nullopt;
    return setup->modellnummer;
}

}  // namespace vireo::cli
