#pragma once

#include <Velgauge/velgauge_export.h>

// The drawing internals are visible to the project's own tests and hidden from everyone else.
#ifdef VELGAUGE_BUILD_TESTING
#define VELGAUGE_AUTOTEST_EXPORT VELGAUGE_EXPORT
#else
#define VELGAUGE_AUTOTEST_EXPORT VELGAUGE_NO_EXPORT
#endif
