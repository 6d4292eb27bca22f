// The library's exported entry. It is an exception firewall: nothing thrown
// inside the engine reaches the caller, which only sees the status.
#include <iostream>

#include "run.h"
#include "state.h"
#include "tarne/tarne_engine.h"

namespace {

// The library-wide analysis record. It starts from its initial values when
// the library is loaded and keeps what a run left; the desktop program loads
// the library afresh for every run.
tarne::AnalysisState library_state;

}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t ITARNE(int32_t request) {
    if (request != TARNE_REQUEST_RUN) return 1;
    try {
        tarne::Console console{&std::cout, &std::cin};
        return tarne::run_from_run_control(library_state, "names.dat", console).status;
    } catch (...) {
        return 1;
    }
}

extern "C" __attribute__((visibility("default"), alias("ITARNE"))) int32_t _ITARNE(int32_t request);
