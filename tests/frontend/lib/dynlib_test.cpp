#include "dynlib.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace tarne {
namespace {

using Entry = std::int32_t (*)(std::int32_t);

// Whether the system still holds the library in the process.
bool Loaded(const char* path) {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

TEST(DynamicLibrary, LoadsTheEngineAndCallsItsEntry) {
    TDynamicLibrary library;
    library.SetLibraryName(TARNE_ENGINE_LIBRARY);
    EXPECT_FALSE(library.IsOpen());
    library.Open();
    ASSERT_TRUE(library.IsOpen());
    EXPECT_EQ(library.GetProcAddress("no_such_export"), nullptr);
    auto entry = reinterpret_cast<Entry>(library.GetProcAddress("_ITARNE"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(reinterpret_cast<Entry>(library.GetProcAddress("ITARNE")), entry);

    // A request other than 6 returns 1 and touches no file.
    const std::filesystem::path scratch = TARNE_SCRATCH_DIR;
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(scratch);
    std::ofstream("names.dat") << "2015.7.6\r\n\r\n\r\n0\r\nin.tq7d\r\nout.tq7o\r\nout.tq7p\r\nin.cpt\r\n";
    const std::int32_t status = entry(0);
    std::filesystem::current_path(home);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch), {}), 1) << "only names.dat";

    EXPECT_FALSE(library.Close());
    EXPECT_FALSE(library.IsOpen());
    EXPECT_FALSE(Loaded(TARNE_ENGINE_LIBRARY)) << "the next run must get a fresh library";
    EXPECT_FALSE(library.Close());  // closing again does nothing
}

TEST(DynamicLibrary, OpensOnceAndFreesOnRename) {
    TDynamicLibrary library;
    library.SetLibraryName(TARNE_ENGINE_LIBRARY);
    library.Open();
    library.Open();
    library.Close();
    EXPECT_FALSE(Loaded(TARNE_ENGINE_LIBRARY)) << "a second Open must not load it twice";

    library.Open();
    ASSERT_TRUE(Loaded(TARNE_ENGINE_LIBRARY));
    library.SetLibraryName("other.so");
    EXPECT_FALSE(library.IsOpen());
    EXPECT_FALSE(Loaded(TARNE_ENGINE_LIBRARY));
    EXPECT_EQ(library.LibraryName(), "other.so");

    {
        TDynamicLibrary scoped;
        scoped.SetLibraryName(TARNE_ENGINE_LIBRARY);
        scoped.Open();
    }
    EXPECT_FALSE(Loaded(TARNE_ENGINE_LIBRARY)) << "destruction frees the library";
}

TEST(DynamicLibrary, Errors) {
    TDynamicLibrary library;
    try {
        library.GetProcAddress("_ITARNE");
        ADD_FAILURE() << "no exception";
    } catch (const EDLLNotOpenError& e) {
        EXPECT_STREQ(e.what(), "Library is not open");
    }

    for (const char* missing : {"/nonexistent/TARNE2015_DLL.so", "libtarne_no_such_library.so", ""}) {
        library.SetLibraryName(missing);
        try {
            library.Open();
            ADD_FAILURE() << missing << ": no exception";
        } catch (const EFileNotFoundError& e) {
            EXPECT_STREQ(e.what(), "Library could not be located") << missing;
        }
        EXPECT_FALSE(library.IsOpen());
    }

    // A file that is there but is no library.
    const auto notALibrary = std::filesystem::temp_directory_path() / "tarne_not_a_library.so";
    std::ofstream(notALibrary) << "not a library\n";
    library.SetLibraryName(notALibrary.string());
    try {
        library.Open();
        ADD_FAILURE() << "no exception";
    } catch (const EInitError& e) {
        EXPECT_STREQ(e.what(), "Library failed to properly initialize");
    }
    std::filesystem::remove(notALibrary);
    EXPECT_FALSE(library.IsOpen());
    EXPECT_THROW(library.GetProcAddress("_ITARNE"), EDLLError);
}

}  // namespace
}  // namespace tarne
