/* Test hooks of the framework stand-in: read-only views of what it holds,
 * and switches that make it refuse or fail. For this project's tests only;
 * not installed. The header compiles as C and as C++. */
#ifndef HOSTFRAMEWORK_TESTING_H
#define HOSTFRAMEWORK_TESTING_H

#include "hostframework.h"

#ifdef __cplusplus
extern "C" {
#endif

/* For tests: what the framework holds now. */
FW_API int FwRegisteredModuleCount(void);
FW_API const FwExtensionModule* FwRegisteredModule(int index);
FW_API int FwLibraryCount(void);
FW_API const FwExtensionModule* FwLibraryModule(int index);

/* For tests: make the next FwInitExtensionModule refuse (1) or accept (0),
 * and make FwAllocate fail (1) or succeed (0). */
FW_API void FwSetRefuseInit(int refuse);
FW_API void FwSetFailAllocation(int fail);

#ifdef __cplusplus
}
#endif

#endif /* HOSTFRAMEWORK_TESTING_H */
