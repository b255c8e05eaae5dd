#include "tools/cli/cli_inputs.h"

#include "config/option_rules.h"
#include "model/vehicle_catalogue.h"

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
