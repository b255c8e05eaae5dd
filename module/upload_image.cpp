#include "module/upload_image.h"

namespace vireo {

bool uploadWanted(const Document& document, const VehicleOptions& options) {
    return !document.sequences[kWelcome].isEmpty() || options.comingHomeAuf.ticked;
}

UploadResult uploadImage(Exchanger& exchanger, const Document& document,
                         const VehicleOptions& options, int moduleCode, const LanguageTable& texts,
                         const TransferProgress& progress) {
    UploadResult result;
    result.image = buildDataImage(document, options, moduleCode, kUploadCapacity, texts);
    if (result.image.outcome != ImageOutcome::Ok) {
        result.message = result.image.message;
        return result;
    }
    result.transfer = transferImage(exchanger, result.image, kUploadCapacity, texts, progress);
    result.message = result.transfer.message;
    return result;
}

}  // namespace vireo
