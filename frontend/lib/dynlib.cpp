#include "dynlib.h"

#include <dlfcn.h>

#include <filesystem>
#include <string_view>

namespace tarne {
namespace {

constexpr const char* kInitFailed = "Library failed to properly initialize";
constexpr const char* kNotFound = "Library could not be located";
constexpr const char* kNotOpen = "Library is not open";

// The loader's message starts with the name of the object that failed:
// "NAME: cannot open shared object file: ..." or "PATH: invalid ELF header".
bool ConcernsFile(std::string_view message, const std::filesystem::path& file) {
    const auto colon = message.find(": ");
    if (colon == std::string_view::npos) return false;
    const std::filesystem::path failed(std::string(message.substr(0, colon)));
    return failed == file || failed.filename() == file.filename();
}

}  // namespace

TDynamicLibrary::~TDynamicLibrary() { Close(); }

void TDynamicLibrary::SetLibraryName(const std::string& name) {
    Close();
    Name_ = name;
}

void TDynamicLibrary::Open() {
    if (IsOpen()) return;
    // An empty name would make the system hand out the program itself.
    if (Name_.empty()) throw EFileNotFoundError(kNotFound);
    dlerror();
    Handle_ = dlopen(Name_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (Handle_) return;

    const char* error = dlerror();
    const std::string_view message = error ? error : "";
    const std::filesystem::path file(Name_);
    // A name with a folder is looked for there only; a bare name is searched
    // for by the loader, which then names it in its message.
    const bool hasFolder = Name_.find('/') != std::string::npos;
    std::error_code ec;
    const bool found = hasFolder ? std::filesystem::exists(file, ec)
                                 : !(ConcernsFile(message, file) &&
                                     message.find("No such file or directory") != std::string_view::npos);
    if (!found) throw EFileNotFoundError(kNotFound);
    if (ConcernsFile(message, file)) throw EInitError(kInitFailed);
    // Another object failed (a dependency): no exception, not loaded.
}

void* TDynamicLibrary::GetProcAddress(const std::string& name) const {
    if (!IsOpen()) throw EDLLNotOpenError(kNotOpen);
    return dlsym(Handle_, name.c_str());
}

bool TDynamicLibrary::Close() {
    if (IsOpen()) {
        dlclose(Handle_);
        Handle_ = nullptr;
    }
    return false;
}

}  // namespace tarne
