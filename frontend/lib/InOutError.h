// The one error kind of the desktop program's file reading: a file that
// cannot be opened or read, or whose content is not what the reader expects.
// Readers throw it; the command that started the reading catches it and
// tells the user.
#pragma once

#include <stdexcept>

namespace tarne {

class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tarne
