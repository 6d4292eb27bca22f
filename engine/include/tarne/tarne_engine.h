/* The engine library's C entry. One call runs one complete analysis whose
 * files are named in "names.dat" in the current directory.
 * Plain C: this header is included by C and C++ callers alike. */
#ifndef TARNE_ENGINE_H
#define TARNE_ENGINE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Request code that runs an analysis. */
#define TARNE_REQUEST_RUN 6

/* Runs one analysis when `request` is 6 and returns 0 when the run reached
 * its end, 1 when it stopped (the report says why). Any other request code
 * returns 1 at once and touches no file. `_ITARNE` is the same function. */
int32_t ITARNE(int32_t request);
int32_t _ITARNE(int32_t request);

typedef int32_t (*TarneEntry)(int32_t request);

#ifdef __cplusplus
}
#endif

#endif
