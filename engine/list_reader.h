// Free-format (list-directed) reading of the engine's input files.
//
// Every read starts on a new line, takes as many values as it needs,
// continues onto the following lines when a line holds too few, and ignores
// the rest of its last line. Values are separated by blanks or tabs; the
// decimal point is always "." whatever the process locale. Anything else
// (a missing value, a word that is not a number, a value that is not finite)
// throws EngineError naming the file, line and item.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarne {

class ListReader {
public:
    // Reads the whole file; throws EngineError when it cannot be opened.
    static ListReader open(const std::string& path);
    // Reads text already in memory; `name` is used in error messages.
    ListReader(std::string name, std::string content);

    // The next line as text: its first `max_chars` characters, without the
    // line end. Throws at the end of the file.
    std::string read_text(std::size_t max_chars, const char* what);

    // Starts a new read statement at the next line.
    void begin_record();
    // The next value of the current read statement.
    double read_real(const char* what);
    int read_int(const char* what);

    // Refuses the value just read: throws EngineError at its line and item.
    [[noreturn]] void reject(const std::string& message) const;

    bool at_end() const { return next_line_ >= lines_.size(); }
    const std::string& name() const { return name_; }

private:
    std::string_view next_word(const char* what, int& item);
    // The next line; throws "the file ends where <what> was expected" at the end.
    std::string_view advance_line(const char* what);
    [[noreturn]] void fail(const std::string& message, int item) const;

    std::string name_;
    std::string content_;
    std::vector<std::string_view> lines_;
    std::size_t next_line_ = 0;      // index of the next line to start on
    std::size_t current_line_ = 0;   // 1-based line of the last word read, 0 if none
    std::string_view rest_;          // unread part of the current line
    int item_in_line_ = 0;
    bool in_record_ = false;
};

// Parsers used by the reader, exposed for tests: a whole word, "." decimal
// point, finite values only. Return false when the word is not such a number.
bool parse_real(std::string_view word, double& value);
bool parse_int(std::string_view word, int& value);

}  // namespace tarne
