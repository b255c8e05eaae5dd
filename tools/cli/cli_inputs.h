#pragma once

#include <QString>
#include <optional>

#include "config/vehicle_options.h"
#include "sequence/document.h"

// What the image commands need from the rest of the program: the document of a .kvs file, the
// vehicle options the options dialog would show for it, and the model's module code.
namespace vireo::cli {

// Reads a .kvs file. On failure prints a message naming the file on stderr, sets *exitCode
// (2 unreadable or invalid, 3 damaged) and returns nothing.
std::optional<Document> loadDocumentForCli(const QString& path, int* exitCode);

// The options dialog's state after the document's option string was restored into it, with
// the edition restrictions of `moduleType` applied first (empty: none) and the two hold
// positions (0..11) chosen.
VehicleOptions optionsForDocument(const Document& document, const QString& moduleType,
                                  int welcomeHold, int goodbyeHold);

// The module code the image carries in byte 5 for the document's vehicle model.
int moduleCodeForModel(const QString& model);

}  // namespace vireo::cli
