/* Stand-in for the host's application framework library: the part of it that
 * an extension module uses when it is loaded and unloaded. Real hosts ship
 * their own framework; this one exists so the module can be built, loaded
 * and tested here. Its test hooks are in hostframework_testing.h.
 * The header compiles as C and as C++. */
#ifndef HOSTFRAMEWORK_H
#define HOSTFRAMEWORK_H

#include <stddef.h>

#if defined(_WIN32)
#  if defined(HOSTFRAMEWORK_BUILDING)
#    define FW_API __declspec(dllexport)
#  else
#    define FW_API __declspec(dllimport)
#  endif
#else
#  define FW_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The record an extension module keeps for the framework: zero until the
 * module is initialised. Its fields belong to the framework. */
typedef struct FwExtensionModule {
    int initialized;
    void* instance;
    void* resources;
} FwExtensionModule;

/* Per-module state. Each pair holds the value in use and the one a module
 * load hands over: on load the module moves `pending` into `current` and
 * clears `pending`. */
typedef struct FwPointerPair {
    void* current;
    void* pending;
} FwPointerPair;

typedef struct FwModuleState {
    FwPointerPair resources;
    FwPointerPair classes;
} FwModuleState;

/* Size of the library record a module allocates and constructs. */
#define FW_LIBRARY_RECORD_SIZE 64

FW_API FwModuleState* FwGetModuleState(void);

/* Registers an extension module. Returns 1, or 0 when the framework refuses. */
FW_API int FwInitExtensionModule(FwExtensionModule* module, void* instance);

/* Unregisters the module and destroys the library records linked for it.
 * `flags` is 0 when the module is unloading. */
FW_API void FwTermExtensionModule(FwExtensionModule* module, int flags);

/* The framework's own allocation: a library record must come from here.
 * Returns null when out of memory. */
FW_API void* FwAllocate(size_t size);

/* Constructs a library record in memory from FwAllocate and links it into the
 * framework's list of extension libraries. */
FW_API void FwConstructLibrary(void* memory, FwExtensionModule* module, int flags);

#ifdef __cplusplus
}
#endif

#endif /* HOSTFRAMEWORK_H */
