#include "WordRead.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <string>

namespace tarne {
namespace {

const std::string kIncomplete = "This file either invalid or incomplete.";

std::string MessageOf(auto&& read) {
    try {
        read();
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(WordReader, SplitsLinesIntoWords) {
    auto r = TWordReader::FromText("  12\t 3.5  \r\nTitle with  blanks\r\n\r\n   \t \n-4 0.1234E+02 1.2E1\nlast");
    EXPECT_EQ(r.LineCount(), 6u);
    EXPECT_EQ(r.WordCount(), 2u);
    EXPECT_EQ(r.ReadInteger(), 12);
    EXPECT_EQ(r.ReadFloat(), 3.5L);
    // Right after a line's last word, ReadLine still returns that line.
    EXPECT_EQ(r.ReadLine(), "  12\t 3.5  ");
    EXPECT_EQ(r.WordCount(), 3u);
    EXPECT_EQ(r.ReadLine(), "Title with  blanks");
    // Lines without words are passed over when a word is asked for.
    EXPECT_EQ(r.ReadInteger(), -4);
    EXPECT_EQ(r.LineIndex(), 4u);
    EXPECT_EQ(r.ReadFloat(), 12.34L);
    EXPECT_EQ(r.ReadInteger(), 12);
    EXPECT_EQ(r.ReadLine(), "-4 0.1234E+02 1.2E1");
    EXPECT_FALSE(r.AtEnd());
    EXPECT_EQ(r.ReadLine(), "last");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.WordCount(), 0u);
    EXPECT_EQ(MessageOf([&] { r.ReadLine(); }), kIncomplete);
}

TEST(WordReader, LineEnds) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 1}, {"\n", 1}, {"a", 1}, {"a\n", 1}, {"a\r\n", 1}, {"a\r", 1}, {"a\n\n", 2}, {"a\rb\nc\r\nd", 4},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(TWordReader::FromText(text).LineCount(), lines) << text;
}

TEST(WordReader, IntegersAndReals) {
    const std::pair<const char*, int> integers[] = {
        {"12", 12}, {"12.0", 12}, {"1.2E1", 12}, {"-7", -7}, {"+3", 3}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [word, value] : integers) EXPECT_EQ(TWordReader::FromText(word).ReadInteger(), value) << word;
    const std::pair<const char*, long double> reals[] = {
        {"0.1234E+02", 12.34L}, {"-3.5", -3.5L}, {".5", 0.5L}, {"7", 7.0L}, {"1e-3", 0.001L}, {"9999999.0", 9999999.0L},
    };
    for (const auto& [word, value] : reals) EXPECT_EQ(TWordReader::FromText(word).ReadFloat(), value) << word;
}

TEST(WordReader, MessagesNameLineAndItem) {
    const std::string integer = "\rAn integer was expected but not found.";
    const std::string real = "\rA floating point number was expected but not found.";
    struct Case {
        const char* text;
        int reals;  // words read as reals before the failing read
        bool asInteger;
        std::string message;
    };
    const Case cases[] = {
        {"1.5", 0, true, "Error on Line 1 Item 1" + integer},
        {"1 2\n3 2147483648", 3, true, "Error on Line 2 Item 2" + integer},
        {"1 2\n3 abc", 3, true, "Error on Line 2 Item 2" + integer},
        {"1\n2\n4 1,5", 3, false, "Error on Line 3 Item 2" + real},
        {"1\n2\n4 x", 3, false, "Error on Line 3 Item 2" + real},
        {"nan", 0, false, "Error on Line 1 Item 1" + real},
        {"1e5000", 0, false, "Error on Line 1 Item 1" + real},
        {"1 2", 2, false, kIncomplete},
        {"1 2\n\n  \n", 2, false, kIncomplete},
        {"", 0, true, kIncomplete},
    };
    for (const auto& c : cases) {
        auto r = TWordReader::FromText(c.text);
        for (int i = 0; i < c.reals; ++i) r.ReadFloat();
        EXPECT_EQ(MessageOf([&] { c.asInteger ? r.ReadInteger() : r.ReadFloat(); }), c.message) << c.text;
    }
}

TEST(WordReader, ReadsFilesWithDotsUnderACommaLocale) {
    const auto path = std::filesystem::temp_directory_path() / "tarne_word_reader_test.txt";
    std::ofstream(path, std::ios::binary) << "TARNE data\r\n2 1.5E-2 -0.25\r\n";
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        << "no comma-decimal locale installed (scripts/setup installs locales-all)";
    TWordReader r(path);
    const std::string title = r.ReadLine();
    const int count = r.ReadInteger();
    const long double a = r.ReadFloat();
    const long double b = r.ReadFloat();
    std::setlocale(LC_ALL, saved.c_str());
    std::filesystem::remove(path);
    EXPECT_EQ(title, "TARNE data");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(a, 0.015L);
    EXPECT_EQ(b, -0.25L);
}

TEST(WordReader, MissingFileIsAnInOutError) {
    EXPECT_THROW(TWordReader("/nonexistent/folder/file.tq7p"), EInOutError);
}

}  // namespace
}  // namespace tarne
