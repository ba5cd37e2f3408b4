#include "hostframework.h"

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

FwModuleState moduleState;
FwExtensionModule* modules[kMaxModules];
int moduleCount = 0;
LibraryRecord* libraries = nullptr;
bool refuseInit = false;
bool failAllocation = false;

}  // namespace

extern "C" {

FwModuleState* FwGetModuleState(void) { return &moduleState; }

int FwInitExtensionModule(FwExtensionModule* module, void* instance) {
    if (module == nullptr || refuseInit || moduleCount == kMaxModules) return 0;
    if (!module->initialized) {
        module->initialized = 1;
        module->instance = instance;
        module->resources = instance;
        modules[moduleCount++] = module;
    }
    return 1;
}

void FwTermExtensionModule(FwExtensionModule* module, int /*flags*/) {
    if (module == nullptr) return;
    for (LibraryRecord** link = &libraries; *link != nullptr;) {
        LibraryRecord* record = *link;
        if (record->module == module) {
            *link = record->next;
            record->~LibraryRecord();
            std::free(record);
        } else {
            link = &record->next;
        }
    }
    for (int i = 0; i < moduleCount; ++i) {
        if (modules[i] == module) {
            modules[i] = modules[--moduleCount];
            break;
        }
    }
    module->initialized = 0;
}

void* FwAllocate(size_t size) { return failAllocation ? nullptr : std::malloc(size); }

void FwConstructLibrary(void* memory, FwExtensionModule* module, int flags) {
    auto* record = new (memory) LibraryRecord{libraries, module, flags};
    libraries = record;
}

int FwRegisteredModuleCount(void) { return moduleCount; }

const FwExtensionModule* FwRegisteredModule(int index) {
    return index >= 0 && index < moduleCount ? modules[index] : nullptr;
}

int FwLibraryCount(void) {
    int count = 0;
    for (const LibraryRecord* r = libraries; r != nullptr; r = r->next) ++count;
    return count;
}

const FwExtensionModule* FwLibraryModule(int index) {
    const LibraryRecord* r = libraries;
    for (; r != nullptr && index > 0; r = r->next) --index;
    return (r != nullptr && index == 0) ? r->module : nullptr;
}

void FwSetRefuseInit(int refuse) { refuseInit = refuse != 0; }
void FwSetFailAllocation(int fail) { failAllocation = fail != 0; }

}  // extern "C"
