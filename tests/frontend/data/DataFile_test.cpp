#include "DataFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sstream>

#include "numtext.h"
#include "project_builder.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Loads `path`; returns the loader's message, empty when it loaded.
std::string Load(TProgramData& p, const std::string& path, int format) {
    try {
        p.LoadFromFile(path, format);
    } catch (const EInOutError& e) {
        return e.what();
    }
    return {};
}

std::vector<fs::path> Examples() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(TARNE_EXAMPLES_DIR))
        if (entry.path().extension() == ".tq7d") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Every example loads and saves back to the same lines and words; only the
// text of a number may change (the writer gives "0" for a stored 0.0), not
// its value. The CPT file comes back byte for byte, and a second round is
// byte for byte the first.
TEST(DataFile, ExamplesRoundTrip) {
    ASSERT_FALSE(Examples().empty());
    for (const fs::path& example : Examples()) {
        SCOPED_TRACE(example.filename().string());
        test::TempFolder folder;
        TProjectTables tables;
        TProgramData p(tables);
        ASSERT_EQ(Load(p, example.string(), kCurrentFormat), "");
        p.FileName = folder.File("saved.tq7d");
        p.SaveToFile();

        const std::string original = test::ReadBytes(example.string());
        const std::string saved = test::ReadBytes(p.FileName);
        const auto before = Lines(original);
        const auto after = Lines(saved);
        ASSERT_EQ(before.size(), after.size()) << saved;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (i < 3) {
                EXPECT_EQ(before[i], after[i]);
                continue;
            }
            const auto a = Words(before[i]);
            const auto b = Words(after[i]);
            ASSERT_EQ(a.size(), b.size()) << "line " << i + 1;
            EXPECT_EQ(before[i].ends_with(' '), after[i].ends_with(' ')) << "line " << i + 1;
            for (std::size_t k = 0; k < a.size(); ++k) {
                if (a[k] != b[k]) {
                    EXPECT_EQ(ParseDecimal(a[k]), ParseDecimal(b[k])) << "line " << i + 1 << " item " << k + 1;
                }
            }
        }
        const fs::path cpt = fs::path(example).replace_extension(".cpt");
        if (fs::exists(cpt)) {
            EXPECT_EQ(test::ReadBytes(p.CptFileName), test::ReadBytes(cpt.string()));
        }

        TProjectTables again;
        TProgramData q(again);
        ASSERT_EQ(Load(q, p.FileName, kCurrentFormat), "");
        q.FileName = folder.File("again.tq7d");
        q.SaveToFile();
        EXPECT_EQ(test::ReadBytes(q.FileName), saved);
        EXPECT_EQ(test::ReadBytes(q.CptFileName), test::ReadBytes(p.CptFileName));
    }
}

TEST(DataFile, PreviousFormat) {
    TProjectTables t;
    TProgramData p(t);
    ASSERT_EQ(Load(p, TARNE_FIXTURES_DIR "/previous.tq6d", kPreviousFormat), "");
    EXPECT_EQ(p.FileName, TARNE_FIXTURES_DIR "/previous.tq6d");
    EXPECT_EQ(p.Title, "Project of the previous version");
    EXPECT_TRUE(p.ClosedEnd);
    EXPECT_EQ(p.StickupLength, 3.0L);
    EXPECT_EQ(p.FactoredTransfer, 1);
    EXPECT_EQ(p.MethodSwitch, (std::array<int, 10>{0, 1, 1, 0, 1, 0, 0, 1, 0, 0}));
    ASSERT_EQ(t.D.RowCount(), 3);
    EXPECT_EQ(t.D.Cell(LayerColumn::Depth, 2).AsFloat(), 90.0L);
    EXPECT_EQ(t.D.Cell(LayerColumn::SideFactor, 0).AsFloat(), 0.85L);
    EXPECT_EQ(t.D.Cell(LayerColumn::EndFactor, 1).AsFloat(), 0.8L);
    TGridTable& clay = *t.D.Cell(LayerColumn::Properties, 1).AsTable();
    EXPECT_EQ(clay.Caption, "Clay");
    EXPECT_EQ(clay.Cell(ClayColumn::YieldStressRatio, 1).AsFloat(), 1.4L);
    EXPECT_EQ(clay.Cell(ClayColumn::PlasticIndex, 1).AsFloat(), 35.0L);
    EXPECT_EQ(clay.Cell(ClayColumn::AdhesionMethod, 0).AsInteger(), 0);
    TGridTable& silt = *t.D.Cell(LayerColumn::Properties, 2).AsTable();
    EXPECT_EQ(silt.Cell(SiltColumn::ShearStrength, 1).AsFloat(), 350.0L);
    EXPECT_EQ(silt.Cell(SiltColumn::BlowCount, 1).AsInteger(), 9);
    EXPECT_EQ(t.TblTZDepth.RowCount(), 2);
    EXPECT_EQ(t.TblTZDepth.Cell(0, 1).AsFloat(), 60.0L);
    EXPECT_EQ(p.AreaOption, 2);
    EXPECT_EQ(t.Sectionaldata.Cell(1, 1).AsFloat(), 20.0L);
    EXPECT_EQ(p.CriticalDepthOption, 1);
    EXPECT_FALSE(t.Modified());
}

TEST(DataFile, OldestFormat) {
    for (int format : {kOldestFormat, 0, 9}) {  // any other code reads as the oldest
        TProjectTables t;
        TProgramData p(t);
        ASSERT_EQ(Load(p, TARNE_FIXTURES_DIR "/oldest.tqd", format), "");
        EXPECT_FALSE(p.ClosedEnd);  // line 4 holds three values
        EXPECT_EQ(p.TotalLength, 40.0L);
        EXPECT_EQ(p.StickupLength, 0.0L);
        EXPECT_EQ(p.OffshoreEnabled, 1);
        EXPECT_EQ(p.FactoredTransfer, 0);
        // Every method, and the user-specified one as the transfer method is 5.
        EXPECT_EQ(p.MethodSwitch, (std::array<int, 10>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(p.ProfileBottom, 60.0L);
        ASSERT_EQ(t.D.RowCount(), 3);
        TGridTable& sand = *t.D.Cell(LayerColumn::Properties, 0).AsTable();
        EXPECT_EQ(sand.Cell(SandColumn::UserSkin, 1).AsFloat(), 1.6L);
        EXPECT_EQ(sand.Cell(SandColumn::UserBearing, 0).AsFloat(), 40.0L);
        EXPECT_EQ(sand.Cell(SandColumn::BlowCount, 1).AsInteger(), 16);
        // No reduction factors for sand and clay: they keep 1; silt has them.
        EXPECT_EQ(t.D.Cell(LayerColumn::SideFactor, 0).AsFloat(), 1.0L);
        EXPECT_EQ(t.D.Cell(LayerColumn::EndFactor, 1).AsFloat(), 1.0L);
        EXPECT_EQ(t.D.Cell(LayerColumn::EndFactor, 2).AsFloat(), 0.9L);
        EXPECT_EQ(p.AreaOption, 2);  // T6 holds one value and there are two rows
        EXPECT_EQ(t.Sectionaldata.Cell(1, 0).AsFloat(), 26.5L);
        EXPECT_EQ(p.CriticalDepthOption, 0);
        // Saved in the current format, the user values stay (transfer method 5).
        test::TempFolder folder;
        p.FileName = folder.File("oldest.tq7d");
        p.SaveToFile();
        const auto lines = Lines(test::ReadBytes(p.FileName));
        ASSERT_EQ(lines.size(), 28u);
        EXPECT_EQ(lines[3], "1 1 6 0 ");
        EXPECT_EQ(lines[7], "1 1 1 1 1 1 1 1 1 ");
        EXPECT_EQ(lines[10], "1700 100000 0.0 12 0.0 0.0 0 1.5 40 1 1 0 ");
        EXPECT_EQ(lines[14], "0 0 1000 500 1 20 0 0.8 30 1 1 0 ");
        EXPECT_EQ(lines[27], "0 0 ");
    }
}

// Variants of the current format: a line 4 of three values and a T6 of one.
TEST(DataFile, ShortHeaderAndAreaLines) {
    struct Case {
        const char* line4;
        const char* t6;
        const char* rows;  // the area rows after T6
        const char* sectionArea;
        bool closedEnd;
        int areaOption;
    };
    const Case cases[] = {
        {"1 1 2", "2", "0 0\r\n10 0\r\n", "0", false, 2},
        {"1 1 2 1", "0", "", "26.5", true, 1},
        {"1 1 2 0", "1", "0 3\r\n", "0", false, 0},
        {"1 1 2 1", "3 1", "0 1\r\n5 1\r\n9 1\r\n", "0", true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line4 + std::string(" / ") + c.t6);
        test::TempFolder folder;
        const std::string text = std::string("T\r\nD\r\nJ\r\n") + c.line4 + "\r\n0 0 18 17 29000000 40 0\r\n0 0\r\n" +
                                 "0 1 1 0 4 1 0\r\n0 0 0 1 0 0 0 0 0\r\n80 " + c.sectionArea + "\r\n" +
                                 "0.0 1 0.8 115 30 20\r\n1700 100000 0.0 12 0.0 0.0 0.0 0.0 0.0 1 1 0\r\n" +
                                 "80 1 0.8 115 30 20\r\n1700 100000 0.0 12 0.0 0.0 0.0 0.0 0.0 1 1 0\r\n" +
                                 "0\r\n0 1\r\n0 0\r\n" + c.t6 + "\r\n" + c.rows + "0 0\r\n";
        test::WriteBytes(folder.File("v.tq7d"), text);
        TProjectTables t;
        TProgramData p(t);
        ASSERT_EQ(Load(p, folder.File("v.tq7d"), kCurrentFormat), "");
        EXPECT_EQ(p.ClosedEnd, c.closedEnd);
        EXPECT_EQ(p.AreaOption, c.areaOption);
        EXPECT_GE(t.Sectionaldata.RowCount(), 2);  // raised to its fewest rows
    }
}

// A value that is not the expected number: the message names its line and
// item, what was read before it stays, the rest keeps its defaults and every
// table has at least its fewest rows.
TEST(DataFile, MalformedFilesKeepWhatWasRead) {
    struct Case {
        int line;          // 1-based line to replace
        const char* text;  // its new text
        const char* message;
    };
    const Case cases[] = {
        {5, "0 0 18 x17 29000000 40 2 ", "Error on Line 5 Item 4\rA floating point number was expected but not found."},
        {4, "1 5 6.5 0 ", "Error on Line 4 Item 3\rAn integer was expected but not found."},
        {14, "10 4 0.8 57.6 32 20 ", "Error on Line 14 Item 2\rThe soil type must be 1 (sand), 2 (clay) or 3 (silt)."},
        {19, "0 0 1000 500 1 20 0.0 0.0 0.0 1 1 1.5", "Error on Line 19 Item 12\rAn integer was expected but not found."},
    };
    const std::string example = test::ReadBytes(TARNE_EXAMPLES_DIR "/pipe_pile_english.tq7d");
    ASSERT_FALSE(example.empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto lines = Lines(example);
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        test::TempFolder folder;
        test::WriteBytes(folder.File("bad.tq7d"), text);
        TProjectTables t;
        TProgramData p(t);
        t.SetModified(true);
        EXPECT_EQ(Load(p, folder.File("bad.tq7d"), kCurrentFormat), c.message);
        EXPECT_EQ(p.Title, "Steel pipe pile in sand over clay, Pier 4 foundation");
        EXPECT_EQ(p.FileName, folder.File("bad.tq7d"));
        EXPECT_FALSE(t.Modified());
        EXPECT_GE(t.D.RowCount(), 1);
        EXPECT_GE(t.Sectionaldata.RowCount(), 2);
        if (c.line == 5) {
            EXPECT_EQ(p.OutsideDiameter, 18.0L);
            EXPECT_EQ(p.InsideDiameter, 0.0L);
            EXPECT_EQ(p.TotalLength, 0.0L);
            EXPECT_EQ(p.TransferMethod, 4);
        }
        if (c.line == 14) {  // the first layer was read, the second started
            EXPECT_EQ(t.D.RowCount(), 3);
            EXPECT_EQ(t.D.Cell(LayerColumn::Depth, 0).AsFloat(), 10.0L);
            EXPECT_EQ(t.D.Cell(LayerColumn::Depth, 1).AsFloat(), 0.0L);
        }
    }
    TProjectTables t;
    TProgramData p(t);
    EXPECT_EQ(Load(p, "/nonexistent/folder/p.tq7d", kCurrentFormat).rfind("Cannot open file", 0), 0u);
    EXPECT_EQ(t.D.RowCount(), 1);
}

// Truncated and random files never take the program down: they load or give
// the reader's error, and what loads saves and loads again.
TEST(DataFile, TruncatedAndRandomFiles) {
    const std::string example = test::ReadBytes(TARNE_EXAMPLES_DIR "/concrete_pile_si.tq7d");
    std::vector<std::string> inputs;
    for (std::size_t n = 0; n < example.size(); n += 7) inputs.push_back(example.substr(0, n));
    std::mt19937 random(2015);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 60; ++i) {
        std::string bytes(static_cast<std::size_t>(byte(random)) * 4, '\0');
        for (char& ch : bytes) ch = static_cast<char>(byte(random));
        inputs.push_back(bytes);
        std::string mutated = example;  // a few bytes of a valid file changed
        for (int k = 0; k < 4; ++k)
            mutated[static_cast<std::size_t>(random() % mutated.size())] = "9-.E x\r\n0"[random() % 9];
        inputs.push_back(mutated);
    }
    inputs.push_back("T\r\nD\r\nJ\r\n1 1 2000000000 0\r\n");  // a count far beyond the file
    test::TempFolder folder;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        for (int format : {kCurrentFormat, kPreviousFormat, kOldestFormat}) {
            test::WriteBytes(folder.File("in.tq7d"), inputs[i]);
            TProjectTables t;
            TProgramData p(t);
            Load(p, folder.File("in.tq7d"), format);
            ASSERT_GE(t.D.RowCount(), 1) << i;
            ASSERT_GE(t.TblTZDepth.RowCount(), 1) << i;
            ASSERT_GE(t.Sectionaldata.RowCount(), 2) << i;
            p.FileName = folder.File("out.tq7d");
            p.SaveToFile();
            TProjectTables again;
            TProgramData q(again);
            EXPECT_EQ(Load(q, p.FileName, kCurrentFormat), "") << "input " << i << " format " << format;
        }
    }
}

TEST(DataFile, TitleLongerThan72CharactersComesBackWhole) {
    test::TempFolder folder;
    TProjectTables t;
    TProgramData p(t);
    p.Title = std::string(90, 'T') + " end";
    p.Designer = "  two leading blanks";
    p.FileName = folder.File("long.tq7d");
    p.SaveToFile();
    TProjectTables again;
    TProgramData q(again);
    ASSERT_EQ(Load(q, p.FileName, kCurrentFormat), "");
    EXPECT_EQ(q.Title, p.Title);
    EXPECT_EQ(q.Designer, p.Designer);
}

// Opening a project reads back its CPT points.
TEST(DataFile, CptPointsComeBackWithTheProject) {
    test::TempFolder folder;
    TProjectTables t;
    TProgramData p(t);
    test::BuildProject(p, 2, 1);
    p.FileName = folder.File("cpt.tq7d");
    p.SaveToFile();
    const std::string cpt = test::ReadBytes(p.CptFileName);
    EXPECT_EQ(Lines(cpt)[0], " 2 17");
    EXPECT_EQ(Lines(cpt)[2], "  1.52E+00  2.15E+03");

    TProjectTables again;
    TProgramData q(again);
    ASSERT_EQ(Load(q, p.FileName, kCurrentFormat), "");
    EXPECT_EQ(q.CptCount, 17);
    ASSERT_EQ(again.CptPoints.size(), 17u);
    EXPECT_EQ(again.CptPoints[1].Depth, 1.52L);
    q.SaveToFile();
    EXPECT_EQ(test::ReadBytes(q.CptFileName), cpt);

    // Points given in the other unit system are converted (kPa to ksf).
    test::WriteBytes(q.CptFileName, " 2 1\r\n  3.05E+00  4.79E+03\r\n");
    TProjectTables english;
    TProgramData e(english);
    test::WriteBytes(folder.File("e.tq7d"), test::ReadBytes(TARNE_EXAMPLES_DIR "/pipe_pile_english.tq7d"));
    test::WriteBytes(folder.File("e.cpt"), " 2 1\r\n  3.05E+00  4.79E+03\r\n");
    ASSERT_EQ(Load(e, folder.File("e.tq7d"), kCurrentFormat), "");
    ASSERT_EQ(english.CptPoints.size(), 1u);
    EXPECT_NEAR(static_cast<double>(english.CptPoints[0].Depth), 10.0, 0.01);
    EXPECT_NEAR(static_cast<double>(english.CptPoints[0].Qc), 100.0, 0.1);

    // A broken CPT file is reported; the points read before it stay.
    test::WriteBytes(folder.File("e.cpt"), " 1 3\r\n  1.00E+00  5.00E+01\r\n  2.00E+00  bad\r\n");
    TProjectTables broken;
    TProgramData b(broken);
    EXPECT_EQ(Load(b, folder.File("e.tq7d"), kCurrentFormat),
              "Error reading the CPT file \"" + folder.File("e.cpt") +
                  "\":\rError on Line 3 Item 2\rA floating point number was expected but not found.");
    EXPECT_EQ(b.CptCount, 1);
    EXPECT_EQ(b.TotalLength, 60.0L);  // the data file itself was read whole
}

// The CPT file never announces more points than the project holds.
TEST(DataFile, CptCountBeyondThePointsHeld) {
    TProjectTables t;
    TProgramData p(t);
    t.CptPoints = {{0.0L, 50.0L}, {1.0L, 60.0L}};
    p.CptCount = 5;
    EXPECT_EQ(CptFileText(p), " 1 2\r\n  0.00E+00  5.00E+01\r\n  1.00E+00  6.00E+01\r\n");
    p.CptCount = 1;
    EXPECT_EQ(CptFileText(p), " 1 1\r\n  0.00E+00  5.00E+01\r\n");
}

// A save that fails while writing (here: the file size limit, as a full
// disk would) leaves the project's files as they were, and no temporary
// file behind.
TEST(DataFile, FailedSaveLeavesTheOldFiles) {
    test::TempFolder folder;
    TProjectTables t;
    TProgramData p(t);
    p.FileName = folder.File("p.tq7d");
    p.SaveToFile();
    const std::string oldData = test::ReadBytes(p.FileName);
    const std::string oldCpt = test::ReadBytes(p.CptFileName);

    test::BuildProject(p, 1, 3);
    p.FileName = folder.File("p.tq7d");
    t.SetModified(true);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = oldData.size() + 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        p.SaveToFile();
    } catch (const EInOutError& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(message.rfind("Cannot write file \"" + p.FileName + "\"", 0), 0u) << message;
    EXPECT_EQ(test::ReadBytes(p.FileName), oldData);
    EXPECT_EQ(test::ReadBytes(p.CptFileName), oldCpt);
    EXPECT_TRUE(t.Modified());  // nothing was saved
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.File(""))) ++files;
    EXPECT_EQ(files, 2);

    p.SaveToFile();  // with room again, the save goes through
    EXPECT_NE(test::ReadBytes(p.FileName), oldData);
}

}  // namespace
}  // namespace tarne
