#include "files/kvs_format.h"

namespace vireo::kvs {

QByteArray headerLine() {
    return QByteArrayLiteral("Kelvor Vireo // erstellt mit Version ") +
           QByteArray::number(VIREO_VERSION_MAJOR) + '.' + QByteArray::number(VIREO_VERSION_MINOR) +
           '.' + QByteArray::number(VIREO_VERSION_PATCH) + "\r\n";
}

}  // namespace vireo::kvs
