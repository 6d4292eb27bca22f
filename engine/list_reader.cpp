#include "list_reader.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "errors.h"

namespace tarne {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// from_chars takes no leading "+"; a data file may carry one.
std::string_view strip_plus(std::string_view w) {
    if (w.size() > 1 && w.front() == '+' && w[1] != '+' && w[1] != '-') w.remove_prefix(1);
    return w;
}

// Input files are small (a data file of 40 layers is a few kilobytes); a
// larger file is not one of ours and is refused before it is read.
constexpr std::uintmax_t kMaxInputBytes = 8u << 20;

std::string quoted(std::string_view word) {
    constexpr std::size_t kShown = 24;
    std::string s = "\"";
    for (char c : word.substr(0, kShown))
        s += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
    if (word.size() > kShown) s += "...";
    return s + "\"";
}

}  // namespace

bool parse_real(std::string_view word, double& value) {
    word = strip_plus(word);
    if (word.empty()) return false;
    // from_chars also takes "inf" and "nan": neither is a value a data file may hold.
    const char* first = word.data();
    const char* last = word.data() + word.size();
    double v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parse_int(std::string_view word, int& value) {
    word = strip_plus(word);
    if (word.empty()) return false;
    int v = 0;
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || ptr != word.data() + word.size()) return false;
    value = v;
    return true;
}

ListReader ListReader::open(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw EngineError("cannot open the file \"" + path + "\"", path);
    if (std::filesystem::file_size(path, ec) > kMaxInputBytes)
        throw EngineError("the file \"" + path + "\" is too large to be an input file", path);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EngineError("cannot open the file \"" + path + "\"", path);
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw EngineError("cannot read the file \"" + path + "\"", path);
    return ListReader(path, std::move(content).str());
}

ListReader::ListReader(std::string name, std::string content)
    : name_(std::move(name)), content_(std::move(content)) {
    std::string_view all = content_;
    while (!all.empty()) {
        const auto end = all.find('\n');
        std::string_view line = all.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back(line);
        if (end == std::string_view::npos) break;
        all.remove_prefix(end + 1);
    }
}

void ListReader::fail(const std::string& message, int item) const {
    throw EngineError(message, name_, static_cast<int>(current_line_), item);
}

void ListReader::reject(const std::string& message) const { fail(message, item_in_line_); }

std::string_view ListReader::advance_line(const char* what) {
    if (at_end()) {
        current_line_ = lines_.size() + 1;
        fail(std::string("the file ends where ") + what + " was expected", 0);
    }
    current_line_ = next_line_ + 1;
    return lines_[next_line_++];
}

std::string ListReader::read_text(std::size_t max_chars, const char* what) {
    in_record_ = false;
    return std::string(advance_line(what).substr(0, max_chars));
}

void ListReader::begin_record() { in_record_ = false; }

std::string_view ListReader::next_word(const char* what, int& item) {
    if (!in_record_) {
        in_record_ = true;
        item_in_line_ = 0;
        rest_ = advance_line(what);
    }
    for (;;) {
        while (!rest_.empty() && is_blank(rest_.front())) rest_.remove_prefix(1);
        if (!rest_.empty()) break;
        // The line is used up: the read goes on with the next one.
        rest_ = advance_line(what);
        item_in_line_ = 0;
    }
    std::size_t n = 0;
    while (n < rest_.size() && !is_blank(rest_[n])) ++n;
    std::string_view word = rest_.substr(0, n);
    rest_.remove_prefix(n);
    item = ++item_in_line_;
    return word;
}

double ListReader::read_real(const char* what) {
    int item = 0;
    const auto word = next_word(what, item);
    double v = 0;
    if (!parse_real(word, v))
        fail(std::string("a number was expected for ") + what + " but " + quoted(word) + " was found", item);
    return v;
}

int ListReader::read_int(const char* what) {
    int item = 0;
    const auto word = next_word(what, item);
    int v = 0;
    if (!parse_int(word, v))
        fail(std::string("an integer was expected for ") + what + " but " + quoted(word) + " was found", item);
    return v;
}

}  // namespace tarne
