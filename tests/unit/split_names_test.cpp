// Names of the split jobs' outputs and the output pickers' rules.
#include <gtest/gtest.h>

#include "split/PartNames.h"
#include "split_fixture.h"

namespace {

TEST(PartNames, PatternHasAsManyDigitsAsTheCountOfParts) {
    struct Case {
        int count;
        const char* pattern;
    } cases[] = {
        {1, "%s_%01d.ac3"},    {2, "%s_%01d.ac3"},   {9, "%s_%01d.ac3"},     {10, "%s_%02d.ac3"},
        {99, "%s_%02d.ac3"},   {100, "%s_%03d.ac3"}, {10000, "%s_%05d.ac3"}, {2147483647, "%s_%010d.ac3"},
    };
    splittest::DialogRun run;
    CMainDialog dialog(run.services, nullptr);
    for (const auto& c : cases) {
        std::string pattern = "old";
        EXPECT_EQ(dialog.BuildPartNamePattern(c.count, pattern), 1);
        EXPECT_EQ(pattern, c.pattern) << c.count;
    }
}

TEST(PartNames, ExtractFileNameTakesTheTextAfterTheLastSeparator) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"/music/film.ac3", "film.ac3"},
        {"film.ac3", "film.ac3"},
        {"/music/", ""},
        {"", ""},
        {"D:\\music\\film.ac3", "film.ac3"},
        {"/a\\b/c\\film.ac3", "film.ac3"},
    };
    for (const auto& c : cases) {
        std::string name = "old";
        ExtractFileName(c.path, name);
        EXPECT_EQ(name, c.name) << c.path;
    }
}

TEST(PartNames, PartNamesAreTheSourceNameNumbered) {
    struct Case {
        const char* source;
        const char* pattern;
        int part;
        const char* name;
    } cases[] = {
        {"/music/film.ac3", "%s_%01d.ac3", 0, "film_0.ac3"},
        {"/music/film.ac3", "%s_%02d.ac3", 7, "film_07.ac3"},
        {"/music/film.ac3", "%s_%03d.ac3", 99, "film_099.ac3"},
        {"film.ac3", "%s_%01d.ac3", 2, "film_2.ac3"},
        {"/music/film.x.ac3", "%s_%01d.ac3", 1, "film.x_1.ac3"},
        // The extension is cut within the file name only.
        {"/take.two/film", "%s_%01d.ac3", 0, "film_0.ac3"},
        {"/music/.ac3", "%s_%01d.ac3", 0, "_0.ac3"},
        {"/music/100%.ac3", "%s_%01d.ac3", 0, "100%_0.ac3"},  // a "%" in the name is text
    };
    for (const auto& c : cases) EXPECT_EQ(split::PartFileName(c.pattern, c.source, c.part), c.name) << c.source;
}

TEST(PartNames, RecognisesTheNamesOfTheFirstPartsOnly) {
    const std::string source = "/music/film.ac3";
    struct Case {
        const char* name;
        int count;
        bool part;
    } cases[] = {
        {"film_0.ac3", 3, true},   {"film_2.ac3", 3, true},   {"film_3.ac3", 3, false},
        {"film_07.ac3", 10, true}, {"film_7.ac3", 10, false}, {"film_0.ac3", 0, false},
        {"film.ac3", 3, false},    {"flim_0.ac3", 3, false},  {"film_x.ac3", 3, false},
        {"film_0.ac4", 3, false},  {"film_0.ac3x", 3, false},
    };
    for (const auto& c : cases) {
        const int count = c.count;
        std::string pattern = "%s_%01d.ac3";
        if (count >= 10) pattern = "%s_%02d.ac3";
        EXPECT_EQ(split::IsPartFileName(c.name, pattern, source, count), c.part) << c.name << " of " << count;
    }
}

TEST(PartNames, OutputFolderGetsASeparatorBeforeThePartName) {
    EXPECT_EQ(split::PathInFolder("/out/", "film_0.ac3"), "/out/film_0.ac3");
    EXPECT_EQ(split::PathInFolder("/out", "film_0.ac3"), "/out/film_0.ac3");
    EXPECT_EQ(split::PathInFolder("/", "film_0.ac3"), "/film_0.ac3");
    EXPECT_EQ(split::PathInFolder("", "film_0.ac3"), "film_0.ac3");  // the current folder
}

TEST(OutputPickers, SavedNamesEndInAc3) {
    struct Case {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"/Out/cut1", "/Out/cut1.ac3"},
        {"/Out/cut1.mp2", "/Out/cut1.ac3"},
        {"/Out/cut.1.ac3", "/Out/cut.1.ac3"},
        {"/Out/cut1.AC3", "/Out/cut1.ac3"},
        {"/my.files/cut", "/my.files/cut.ac3"},  // not cut inside the folder name
        {"cut1", "cut1.ac3"},
    };
    for (const auto& c : cases) EXPECT_EQ(split::WithAc3Extension(c.chosen), c.saved) << c.chosen;
}

TEST(OutputPickers, SaveDialogOpensInTheOutputFilesFolder) {
    struct Case {
        const char* outputFile;
        const char* initialDir;
    } cases[] = {
        {"/home/u/Music/clip1.ac3", "/home/u/Music"},
        {"/clip1.ac3", "/"},
        {"clip1.ac3", "."},
        {"", "."},
    };
    for (const auto& c : cases) {
        const auto spec = split::OutputFileDialogSpec(c.outputFile);
        EXPECT_EQ(spec.initialDir, c.initialDir) << c.outputFile;
        EXPECT_EQ(spec.title, "Select Output");
        EXPECT_EQ(spec.filterName, "AC3 file(*.ac3)");
        EXPECT_EQ(spec.filterPattern, "*.ac3");
    }
}

TEST(OutputPickers, ChosenFolderEndsInASeparator) {
    EXPECT_EQ(split::FolderWithSeparator("/home/u/Out"), "/home/u/Out/");
    EXPECT_EQ(split::FolderWithSeparator("/home/u/Out/"), "/home/u/Out/");
    EXPECT_EQ(split::FolderWithSeparator("/"), "/");
}

}  // namespace
