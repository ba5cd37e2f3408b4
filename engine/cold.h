// Marks the rare roads: kept small and out of the hot code. Internal to the
// engine.
#pragma once

#if defined(__GNUC__)
#  define AICONV_COLD __attribute__((cold, noinline))
#else
#  define AICONV_COLD
#endif
