#include "platform/embedded_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initCoreResources() {
    Q_INIT_RESOURCE(resources);
}

namespace vireo {

void ensureEmbeddedResources() {
    static const bool done = (initCoreResources(), true);
    Q_UNUSED(done);
}

}  // namespace vireo
