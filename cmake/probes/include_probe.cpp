// Compiled with one layer's include path only: CXC_PROBE_HEADER names a header of another layer.
#ifdef CXC_PROBE_FIRST
#include CXC_PROBE_FIRST
#endif
#include CXC_PROBE_HEADER

int cxcIncludeProbe() { return 0; }
