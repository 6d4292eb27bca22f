// Line-by-line text output to the report, the plot file or the console.
// The engine's files end their lines in CR LF like every file of a project;
// the console gets plain new lines.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <string_view>

#include "fixed_format.h"

namespace tarne {

class TextOut {
public:
    TextOut() = default;
    explicit TextOut(std::ostream* console) : console_(console) {}
    ~TextOut() { close(); }
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    // Creates or replaces the file; false when it cannot be opened.
    bool open_file(const std::string& path);
    void close();
    bool is_open() const { return file_ != nullptr || console_ != nullptr; }

    void line(std::string_view text);
    void line(const FixedLine& l) { line(l.view()); }
    void empty(int count = 1);
    void page_mark() { line("1"); }

private:
    std::FILE* file_ = nullptr;
    std::ostream* console_ = nullptr;
};

}  // namespace tarne
