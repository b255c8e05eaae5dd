#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "image/image_builder.h"
#include "sequence/document.h"
#include "vehicle/vehicle_options.h"

// The arguments and inputs the image commands (image, memory, upload) share.
namespace vireo::cli {

constexpr int kDefaultCapacity = 510;
constexpr int kMaxCapacity = 65535;  // --capacity: the image's addresses are two bytes

struct ImageArgs {
    QString file;
    int welcomeHold = 2;  // list positions 0..11
    int goodbyeHold = 2;
    int capacity = kDefaultCapacity;
    QString moduleType;
    QString port;
    bool json = false;                // --json
    std::optional<QString> language;  // --language, when given
};

// Reads FILE and the options `allowed` lists (of --welcome-hold, --goodbye-hold, --capacity,
// --module-type, --port, --json, --language); prints what is wrong and returns nothing on a usage
// error.
std::optional<ImageArgs> parseImageArgs(const QString& command, const QStringList& args,
                                        const QStringList& allowed);

// The document of FILE and its module code. A model code the catalogue does not know has no
// module code: `needCode` makes that an error (an image for no known vehicle would carry a
// meaningless byte 5), otherwise the code is 0.
struct ImageDocument {
    Document document;
    int moduleCode = 0;
};
std::optional<ImageDocument> loadImageDocument(const QString& command, const QString& file,
                                               bool needCode, int* exitCode);

// The exit code of an image that was not built, with its reason on stderr.
int reportImageFailure(const QString& command, const QString& file, const DataImage& image,
                       int capacity);

}  // namespace vireo::cli
