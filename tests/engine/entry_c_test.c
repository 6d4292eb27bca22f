/* The engine library's entry, called from plain C through the run-time
 * loader as the desktop program does: only request code 6 runs. */
#include <dlfcn.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tarne/tarne_engine.h"

static int failures = 0;

static void check(int ok, const char* what) {
    if (!ok) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

int main(int argc, char** argv) {
    if (argc != 3) {
        printf("usage: entry_c_test LIBRARY SCRATCH_FOLDER\n");
        return 2;
    }
    void* lib = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        printf("FAILED: cannot load %s: %s\n", argv[1], dlerror());
        return 1;
    }
    TarneEntry entry = (TarneEntry)dlsym(lib, "_ITARNE");
    TarneEntry plain = (TarneEntry)dlsym(lib, "ITARNE");
    check(entry != NULL && plain == entry, "both names lead to one function");
    check(dlsym(lib, "run_analysis") == NULL, "nothing else is exported");

    /* A folder holding a run-control file: codes other than 6 must not read it. */
    mkdir(argv[2], 0700);
    check(chdir(argv[2]) == 0, "enter the scratch folder");
    remove("out.tq7o");
    remove("out.tq7p");
    FILE* names = fopen("names.dat", "wb");
    fprintf(names, "2015.7.6\r\n\r\n\r\n0\r\nin.tq7d\r\nout.tq7o\r\nout.tq7p\r\nin.cpt\r\n");
    fclose(names);

    if (entry) {
        check(entry(0) == 1, "request 0 returns 1");
        check(entry(7) == 1, "request 7 returns 1");
        check(access("out.tq7o", F_OK) != 0, "no report for a request other than 6");
        check(entry(TARNE_REQUEST_RUN) == 1, "a run without its data file stops with status 1");
        check(access("out.tq7o", F_OK) == 0, "the report says why");
    }
    dlclose(lib);
    printf("%d passed, %d failed\n", failures ? 0 : 1, failures ? 1 : 0);
    return failures ? 1 : 0;
}
