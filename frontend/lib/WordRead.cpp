#include "WordRead.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "numtext.h"

namespace tarne {
namespace {

constexpr const char* kIncomplete = "This file either invalid or incomplete.";

// Blanks and control characters, which trimming removes.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
    return s;
}

TWordContainer SplitLine(std::string_view raw) {
    TWordContainer line;
    line.RawText = std::string(raw);
    std::string_view rest = Trim(raw);
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of(" \t");
        line.Words.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : TrimLeft(rest.substr(end));
    }
    return line;
}

}  // namespace

TWordReader::TWordReader(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EInOutError("Cannot open file \"" + path.string() + "\": " + std::strerror(errno));
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) throw EInOutError("Cannot read file \"" + path.string() + "\"");
    Split(content.str());
}

TWordReader TWordReader::FromText(std::string_view content) {
    TWordReader reader;
    reader.Split(content);
    return reader;
}

void TWordReader::Split(std::string_view content) {
    std::size_t start = 0;
    do {
        const std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            Lines_.push_back(SplitLine(content.substr(start)));
            break;
        }
        Lines_.push_back(SplitLine(content.substr(start, end - start)));
        start = end + (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n' ? 2 : 1);
    } while (start < content.size());
}

std::size_t TWordReader::WordCount() const { return AtEnd() ? 0 : Lines_[LineIndex_].Words.size(); }

const std::string& TWordReader::NextWord() {
    // A used-up line moves the reader on, past any lines without words.
    while (!AtEnd() && ItemIndex_ == Lines_[LineIndex_].Words.size()) {
        ++LineIndex_;
        ItemIndex_ = 0;
    }
    if (AtEnd()) throw EInOutError(kIncomplete);
    return Lines_[LineIndex_].Words[ItemIndex_++];
}

void TWordReader::WordError(std::string_view expected) const {
    throw EInOutError("Error on Line " + std::to_string(LineIndex_ + 1) + " Item " + std::to_string(ItemIndex_) +
                      "\r" + std::string(expected));
}

long double TWordReader::ReadFloat() {
    const auto value = ParseDecimal(NextWord());
    if (!value) WordError("A floating point number was expected but not found.");
    return *value;
}

int TWordReader::ReadInteger() {
    const auto value = ParseDecimal(NextWord());
    if (!value || *value != std::trunc(*value) || *value < -2147483648.0L || *value > 2147483647.0L)
        WordError("An integer was expected but not found.");
    return static_cast<int>(*value);
}

std::string TWordReader::ReadLine() {
    if (AtEnd()) throw EInOutError(kIncomplete);
    ItemIndex_ = 0;
    return Lines_[LineIndex_++].RawText;
}

}  // namespace tarne
