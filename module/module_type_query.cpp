#include "module/module_type_query.h"

namespace vireo {

std::optional<int> queryModuleType(ModulePort& port, const ModuleTypeQuery& query) {
    const ModuleOperation operation(port);
    if (!operation.started()) return std::nullopt;
    if (query.showConnectingNotice) query.showConnectingNotice();
    connectModule(port, query.identity, query.developerMode, query.prompter, query.language,
                  query.view);
    if (!query.identity.connected) return std::nullopt;
    if (query.applyEditionOptions) query.applyEditionOptions();
    return showModuleInfo(query.identity, port, query.prompter, query.language, query.appTitle,
                          query.modelName);
}

}  // namespace vireo
