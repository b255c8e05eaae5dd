#include "tools/cli/cli_inputs.h"

#include <QTextStream>

#include "tools/cli/commands.h"

// Stand-ins until the .kvs reader, the option-string rules and the vehicle catalogue are wired
// in: the reader reports that it is missing, the options map the option string's characters
// straight to ticks, and the catalogue knows the three model codes.
namespace vireo::cli {

std::optional<Document> loadDocumentForCli(const QString& path, int* exitCode) {
    QTextStream(stderr) << "vireo-cli: " << path << ": reader not available\n";
    if (exitCode) *exitCode = kUsage;
    return std::nullopt;
}

VehicleOptions optionsForDocument(const Document& document, const QString& /*moduleType*/,
                                  int welcomeHold, int goodbyeHold) {
    const auto ticked = [&](int position) {
        return document.options.size() >= position &&
               document.options.at(position - 1) == QLatin1Char('1');
    };
    VehicleOptions o;
    o.abbiegelicht.ticked = ticked(3);
    o.tagfahrlicht.ticked = ticked(5);
    o.standlichtUs.ticked = ticked(6);
    o.tagfahrlichtStandlicht.ticked = ticked(7);
    o.comingHomeAuf.ticked = ticked(8);
    o.comingHomeZu.ticked = ticked(9);
    o.spiegelKurz.ticked = ticked(10);
    o.spiegelLang.ticked = ticked(11);
    o.softEin.ticked = ticked(13);
    o.welcomeHold = welcomeHold;
    o.goodbyeHold = goodbyeHold;
    return o;
}

int moduleCodeForModel(const QString& model) {
    if (model == QLatin1String("111")) return 30;
    if (model == QLatin1String("112")) return 31;
    if (model == QLatin1String("113")) return 32;
    return 0;
}

}  // namespace vireo::cli
