// What the module does when the host loads and unloads it: register with the
// host's framework as an extension module, and leave it again. The platform
// files call these from their load and unload hooks.
#pragma once

namespace aiconv {

// Runs first on load and again last on unload: on load it takes over the
// framework state handed to this module; on unload it does nothing.
void LoadHook(bool attaching) noexcept;

// Registers the module and links its library record. Returns false when the
// framework refuses, which fails the load where the platform allows it.
bool AttachModule(void* instance) noexcept;

// Unregisters the module; the framework drops its library record.
void DetachModule() noexcept;

}  // namespace aiconv
