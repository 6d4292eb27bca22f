// Reading a text file word by word: the desktop program reads its data
// files, CPT files and plot-data files with it.
//
// The whole file is read at construction and every line is split into words
// at blanks and tabs. Words are then handed out one at a time as integers or
// reals ("." is the decimal point whatever the process locale), moving on to
// the next line that holds words when the current one is used up; whole
// lines can be taken as they were read. Every failure, opening the file
// included, throws EInOutError; messages about a word name its line and item.
// After an error the reader's position is undefined: callers stop reading.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "InOutError.h"

namespace tarne {

// One line of the file: its words in order and its text as read.
struct TWordContainer {
    std::vector<std::string> Words;
    std::string RawText;
};

class TWordReader {
public:
    // Reads the file. Lines end at CR LF, LF or CR; an empty file is one
    // empty line.
    explicit TWordReader(const std::filesystem::path& path);
    // Reads text already in memory, as if it were a file's content.
    static TWordReader FromText(std::string_view content);

    // The next word as a 32-bit integer; 12, 12.0 and 1.2E1 all read as 12.
    int ReadInteger();
    // The next word as a real, such as -3.5 or 0.1234E+02.
    long double ReadFloat();
    // The text of the current line as read, then moves to the next line.
    // Right after the last word of a line it returns that line.
    std::string ReadLine();

    // Number of words of the current line (0 at the end).
    std::size_t WordCount() const;
    // True when every line has been passed.
    bool AtEnd() const { return LineIndex_ == Lines_.size(); }

    std::size_t LineIndex() const { return LineIndex_; }  // 0-based current line
    std::size_t ItemIndex() const { return ItemIndex_; }  // words of it already handed out
    std::size_t LineCount() const { return Lines_.size(); }

private:
    TWordReader() = default;
    void Split(std::string_view content);
    const std::string& NextWord();
    [[noreturn]] void WordError(std::string_view expected) const;

    std::vector<TWordContainer> Lines_;
    std::size_t LineIndex_ = 0;
    std::size_t ItemIndex_ = 0;
};

}  // namespace tarne
