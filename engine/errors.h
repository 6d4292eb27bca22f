// The engine's one error kind. Malformed input, a table bound about to be
// exceeded or a file that cannot be opened all end up here; the run control
// turns it into report lines and status 1.
#pragma once

#include <stdexcept>
#include <string>

namespace tarne {

class EngineError : public std::runtime_error {
public:
    // `file` is the file's name (empty when no file is involved); `line` and
    // `item` are 1-based positions in it, 0 when not known.
    EngineError(std::string message, std::string file = {}, int line = 0, int item = 0)
        : std::runtime_error(std::move(message)), file_(std::move(file)), line_(line), item_(item) {}

    const std::string& file() const noexcept { return file_; }
    int line() const noexcept { return line_; }
    int item() const noexcept { return item_; }

private:
    std::string file_;
    int line_;
    int item_;
};

}  // namespace tarne
