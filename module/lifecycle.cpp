#include "lifecycle.h"

#include "hostframework.h"

namespace aiconv {
namespace {

// Zero until load; its contents belong to the framework.
FwExtensionModule ModuleRecord;

void TakeOver(FwPointerPair& pair) noexcept {
    pair.current = pair.pending;
    pair.pending = nullptr;
}

}  // namespace

void LoadHook(bool attaching) noexcept {
    if (!attaching) return;
    FwModuleState* state = FwGetModuleState();
    TakeOver(state->resources);
    TakeOver(state->classes);
}

bool AttachModule(void* instance) noexcept {
    if (!FwInitExtensionModule(&ModuleRecord, instance)) return false;
    // Without memory the module still loads, just without its record.
    if (void* memory = FwAllocate(FW_LIBRARY_RECORD_SIZE)) {
        FwConstructLibrary(memory, &ModuleRecord, 0);
    }
    return true;
}

void DetachModule() noexcept { FwTermExtensionModule(&ModuleRecord, 0); }

}  // namespace aiconv
