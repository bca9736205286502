// The stored output locations: the settings file, the defaults and where
// they come from on each kind of platform, and the path helpers.
#include <gtest/gtest.h>

#include <fstream>

#include "DialogHarness.h"
#include "res/ResourceIds.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PathParts, SplitAtTheLastSeparator) {
    struct Case {
        const char* path;
        const char* directory;
        const char* fileName;
    } cases[] = {
        {"/home/u/clip1.ac3", "/home/u/", "/clip1.ac3"},
        {"/home/u/", "/home/u/", "/"},
        {"clip1.ac3", "", ""},
        {"", "", ""},
        {"c:\\clip1.ac3", "c:\\", "\\clip1.ac3"},  // either separator is accepted
        {"/a.b/c\\d", "/a.b/c\\", "\\d"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetDirectoryPart(c.path), c.directory) << c.path;
        EXPECT_EQ(GetFileNamePart(c.path), c.fileName) << c.path;
    }
}

TEST(IniProfileStore, KeepsValuesBySectionAndKeyInTheMakersFolder) {
    test::TempFolder temp;
    platform::IniProfileStore store(temp.Path() + "/config", "Quorvane");
    store.SetRegistryKey("Pellimor");
    EXPECT_EQ(store.FilePath(), temp.Path() + "/config/Pellimor/Quorvane.ini");

    EXPECT_EQ(store.GetProfileString("Option", "output_folder", "dflt"), "dflt");
    EXPECT_EQ(store.GetProfileInt("Setup", "t_first_update", 7u), 7u);

    EXPECT_TRUE(store.WriteProfileString("Option", "output_folder", "/data/out dir/"));
    EXPECT_TRUE(store.WriteProfileString("Option", "output_cut_file", ""));
    EXPECT_TRUE(store.WriteProfileInt("Setup", "t_first_update", 4000000000u));
    EXPECT_TRUE(store.WriteProfileString("Option", "output_folder", "/x=y/"));  // replaced, not added

    platform::IniProfileStore reopened(temp.Path() + "/config", "Quorvane");
    reopened.SetRegistryKey("Pellimor");
    EXPECT_EQ(reopened.GetProfileString("Option", "output_folder", "dflt"), "/x=y/");
    // A stored empty string is returned as stored, not as the default.
    EXPECT_EQ(reopened.GetProfileString("Option", "output_cut_file", "dflt"), "");
    EXPECT_EQ(reopened.GetProfileInt("Setup", "t_first_update", 0), 4000000000u);
    EXPECT_EQ(reopened.GetProfileString("Setup", "output_folder", "dflt"), "dflt");  // other section

    EXPECT_EQ(ReadFile(store.FilePath()),
              "[Option]\noutput_folder=/x=y/\noutput_cut_file=\n[Setup]\nt_first_update=4000000000\n");
}

TEST(IniProfileStore, AWriteThatCannotBeStoredFailsAndKeepsTheFile) {
    test::TempFolder temp;
    // The config home is a regular file: the maker's folder cannot be made.
    std::ofstream(temp / "config") << "not a folder";
    platform::IniProfileStore store(temp / "config", "Quorvane");
    store.SetRegistryKey("Pellimor");
    EXPECT_FALSE(store.WriteProfileString("Option", "output_folder", "/x/"));
    EXPECT_EQ(store.GetProfileString("Option", "output_folder", "dflt"), "dflt");
    EXPECT_EQ(ReadFile(temp / "config"), "not a folder");
}

// What edits 1021 (output folder) and 1010 (output file) show at start.
struct StartLocations {
    std::string folder, file, transcript;
};

StartLocations Start(test::DialogHarness& h) {
    StartLocations seen;
    h.Run([&](CMainDialog& dialog) {
        seen.folder = dialog.m_strOutputDir;
        seen.file = dialog.m_strOutputFile;
        EXPECT_EQ(h.ui.GetControlText(res::IDC_OUTPUT_DIR), seen.folder);
        EXPECT_EQ(h.ui.GetControlText(res::IDC_OUTPUT_FILE), seen.file);
    });
    seen.transcript = h.Transcript();
    return seen;
}

TEST(StartLocations, DefaultsFollowThePlatformsFolders) {
    {
        SCOPED_TRACE("per-user folders: the music folder");
        test::DialogHarness h;
        h.system.music = h.system.home + "/Music";
        auto seen = Start(h);
        EXPECT_EQ(seen.folder, h.system.home + "/Music/");
        EXPECT_EQ(seen.file, h.system.home + "/Music/clip1.ac3");
        EXPECT_EQ(seen.transcript, "exit 2\n");
    }
    {
        SCOPED_TRACE("no per-user folders: the plain defaults, and the music folder is not asked for");
        test::DialogHarness h;
        h.system.majorVersion = 5;
        h.system.music = std::nullopt;  // would show a message if it were asked for
        auto seen = Start(h);
        EXPECT_EQ(seen.folder, h.system.home + "/");
        EXPECT_EQ(seen.file, h.system.home + "/clip1.ac3");
        EXPECT_EQ(seen.transcript, "exit 2\n");
    }
    {
        SCOPED_TRACE("the version cannot be told: per-user folders are assumed");
        test::DialogHarness h;
        h.system.versionKnown = false;
        h.system.music = "/srv/music";
        auto seen = Start(h);
        EXPECT_EQ(seen.folder, "/srv/music/");
        EXPECT_EQ(seen.file, "/srv/music/clip1.ac3");
        EXPECT_EQ(seen.transcript, "box dialog \"Error\" \"Can get Windows Version\" -> OK\nexit 2\n");
    }
    {
        SCOPED_TRACE("no music folder: one message per location, then the plain defaults");
        test::DialogHarness h;
        h.system.music = std::nullopt;
        auto seen = Start(h);
        EXPECT_EQ(seen.folder, h.system.home + "/");
        EXPECT_EQ(seen.file, h.system.home + "/clip1.ac3");
        EXPECT_EQ(seen.transcript,
                  "box dialog \"Error\" \"Can not get My Music directory!\" -> OK\n"
                  "box dialog \"Error\" \"Can not get My Music directory!\" -> OK\n"
                  "exit 2\n");
    }
}

TEST(StartLocations, StoredValuesWinOverDefaultsOnEveryPlatform) {
    for (std::uint32_t major : {5u, 6u}) {
        test::DialogHarness h;
        h.system.majorVersion = major;
        h.system.music = h.system.home + "/Music";
        h.profile.SetRegistryKey("Pellimor");
        h.profile.WriteProfileString("Option", "output_folder", "/data/out/");
        h.profile.WriteProfileString("Option", "output_cut_file", "");
        auto seen = Start(h);
        EXPECT_EQ(seen.folder, "/data/out/") << major;
        EXPECT_EQ(seen.file, "") << major;  // a stored empty value stays empty
    }
}

}  // namespace
