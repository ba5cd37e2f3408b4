#include "hostframework.h"
#include "hostframework_testing.h"

#include <cstdlib>
#include <new>

namespace {

struct LibraryRecord {
    LibraryRecord* next;
    FwExtensionModule* module;
    int flags;
};
static_assert(sizeof(LibraryRecord) <= FW_LIBRARY_RECORD_SIZE, "records are 64 bytes");

constexpr int kMaxModules = 32;

// Mutable: what the framework holds.

FwModuleState State;
FwExtensionModule* Modules[kMaxModules];
int ModuleCount = 0;
LibraryRecord* Libraries = nullptr;
bool RefuseInit = false;
bool FailAllocation = false;

}  // namespace

extern "C" {

FwModuleState* FwGetModuleState(void) { return &State; }

int FwInitExtensionModule(FwExtensionModule* module, void* instance) {
    if (module == nullptr || RefuseInit || ModuleCount == kMaxModules) return 0;
    if (!module->initialized) {
        module->initialized = 1;
        module->instance = instance;
        module->resources = instance;
        Modules[ModuleCount++] = module;
    }
    return 1;
}

void FwTermExtensionModule(FwExtensionModule* module, int /*flags*/) {
    if (module == nullptr) return;
    for (LibraryRecord** link = &Libraries; *link != nullptr;) {
        LibraryRecord* record = *link;
        if (record->module == module) {
            *link = record->next;
            record->~LibraryRecord();
            std::free(record);
        } else {
            link = &record->next;
        }
    }
    for (int i = 0; i < ModuleCount; ++i) {
        if (Modules[i] == module) {
            Modules[i] = Modules[--ModuleCount];
            break;
        }
    }
    module->initialized = 0;
}

void* FwAllocate(size_t size) { return FailAllocation ? nullptr : std::malloc(size); }

void FwConstructLibrary(void* memory, FwExtensionModule* module, int flags) {
    auto* record = new (memory) LibraryRecord{Libraries, module, flags};
    Libraries = record;
}

int FwRegisteredModuleCount(void) { return ModuleCount; }

const FwExtensionModule* FwRegisteredModule(int index) {
    return index >= 0 && index < ModuleCount ? Modules[index] : nullptr;
}

int FwLibraryCount(void) {
    int count = 0;
    for (const LibraryRecord* r = Libraries; r != nullptr; r = r->next) ++count;
    return count;
}

const FwExtensionModule* FwLibraryModule(int index) {
    const LibraryRecord* r = Libraries;
    for (; r != nullptr && index > 0; r = r->next) --index;
    return (r != nullptr && index == 0) ? r->module : nullptr;
}

void FwSetRefuseInit(int refuse) { RefuseInit = refuse != 0; }
void FwSetFailAllocation(int fail) { FailAllocation = fail != 0; }

}  // extern "C"
