// A shared library loaded at run time: the desktop program loads the engine
// library with it afresh for every analysis and looks up its entry by name.
#pragma once

#include <stdexcept>
#include <string>

namespace tarne {

// Base of the loader's errors.
class EDLLError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// The library file was found, but loading it failed (not a library for this
// machine, or its own symbols or initialisation failed).
class EInitError : public EDLLError {
public:
    using EDLLError::EDLLError;
};
// The system loader did not find the library file itself.
class EFileNotFoundError : public EDLLError {
public:
    using EDLLError::EDLLError;
};
// A function was looked up while no library is loaded.
class EDLLNotOpenError : public EDLLError {
public:
    using EDLLError::EDLLError;
};

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Frees a loaded library first, then remembers the file name or path.
    void SetLibraryName(const std::string& name);
    const std::string& LibraryName() const { return Name_; }

    // Loads the library unless it is loaded. Throws EFileNotFoundError when
    // the file is not found, EInitError when it is found but fails to load.
    // Any other failure (a library it depends on is missing) throws nothing
    // and leaves it not loaded: check IsOpen, or let GetProcAddress throw.
    void Open();
    bool IsOpen() const { return Handle_ != nullptr; }

    // The address of an exported name, or null when the library has no such
    // export. Throws EDLLNotOpenError when no library is loaded.
    void* GetProcAddress(const std::string& name) const;

    // Frees the library when it is loaded. Returns false.
    bool Close();

private:
    std::string Name_;
    void* Handle_ = nullptr;
};

}  // namespace tarne
