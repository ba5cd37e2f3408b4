// Load and unload on ELF systems: a constructor and a destructor of the
// shared object. The constructor runs before any other initialiser of the
// module (priority 101, the earliest that is not reserved).
//
// A constructor cannot make dlopen() fail. When the framework refuses the
// module, it stays loaded but unregistered: the framework lists neither it
// nor a library record, and conversions still work.
#include <dlfcn.h>

#include "lifecycle.h"

namespace {

void* InstanceHandle() noexcept {
    Dl_info info{};
    return dladdr(reinterpret_cast<void*>(&InstanceHandle), &info) != 0 ? info.dli_fbase : nullptr;
}

__attribute__((constructor(101))) void OnLoad() {
    aiconv::LoadHook(true);
    aiconv::AttachModule(InstanceHandle());
}

__attribute__((destructor(101))) void OnUnload() {
    aiconv::DetachModule();
    aiconv::LoadHook(false);
}

}  // namespace
