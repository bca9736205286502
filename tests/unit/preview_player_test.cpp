// The preview player on the scripted desktop with the real playback graph:
// failures of the open, an error while playing, the media file picker, the
// idle cursor of full screen, and the dialog's position display.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "DialogHarness.h"
#include "platform/gst/GstPlaybackGraph.h"
#include "preview/PreviewPlayer.h"
#include "res/ResourceIds.h"

using namespace platform;

namespace {

std::string MediaPath(const std::string& name) { return std::string(QUORVANE_TEST_MEDIA_DIR) + "/" + name; }

class PreviewPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("DISPLAY");
        ASSERT_EQ(h_.media.Initialize(), S_OK);
    }

    // A player for `path` (empty: the player asks), opened.
    std::unique_ptr<CPreviewPlayer> Open(const std::string& path, int* opened = nullptr) {
        auto player = std::make_unique<CPreviewPlayer>(&h_.services, &h_.ui);
        player->szFileName = path;
        const int result = player->OpenMedia();
        if (opened != nullptr) *opened = result;
        return player;
    }

    // Runs the event loop until `done` or `ms` have passed.
    template <typename Done>
    void RunUntil(Done done, int ms) {
        for (int waited = 0; waited < ms && !done(); waited += 20) h_.loop.RunFor(20);
    }

    test::DialogHarness h_;
};

TEST_F(PreviewPlayerTest, AFileItCannotPlayLeavesAClosedPlayer) {
    test::TempFolder temp;
    std::ofstream(temp / "notes.txt") << "not a media file\n";
    int opened = -1;
    auto player = Open(temp / "notes.txt", &opened);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(player->nState, CPreviewPlayer::Closed);
    EXPECT_EQ(player->m_hWnd, nullptr) << "the window is destroyed";
    EXPECT_EQ(player->pGB, nullptr) << "the graph is released";
    EXPECT_EQ(player->pMS, nullptr);
    EXPECT_TRUE(player->szFileName.empty());
    EXPECT_EQ(h_.Transcript(),
              "box ownerless \"Error\" \"Cannot play the file.  The file is either corrupt or\\n"
              "the player does not support the format you are trying to play.\\n"
              "If you want more decoders, please visit our website.\" -> OK\n");
}

TEST_F(PreviewPlayerTest, AnErrorWhilePlayingStopsThePlayerCleanly) {
    auto player = Open(MediaPath("tone48.ac3"));
    ASSERT_EQ(player->nState, CPreviewPlayer::Stopped);
    auto* graph = dynamic_cast<GstPlaybackGraph*>(player->pGB.get());
    ASSERT_NE(graph, nullptr);
    auto postError = [graph] {
        GError* error = g_error_new_literal(GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_READ, "the disk went away");
        gst_element_post_message(graph->Pipeline(),
                                 gst_message_new_error(GST_OBJECT(graph->Pipeline()), error, nullptr));
        g_error_free(error);
    };

    player->Play();
    ASSERT_EQ(player->nState, CPreviewPlayer::Running);
    h_.loop.RunFor(300);
    postError();
    RunUntil([&] { return player->nState != CPreviewPlayer::Running; }, 3000);
    EXPECT_EQ(player->nState, CPreviewPlayer::Stopped);
    EXPECT_EQ(player->m_hWnd->GetTitle(), "tone48.ac3  ");
    std::int64_t current = -1;
    ASSERT_EQ(player->pMS->GetCurrentPosition(&current), S_OK);
    EXPECT_EQ(current, 0) << "cued at the start";
    EXPECT_EQ(h_.Transcript(),
              "box ownerless \"Message\" \"Failed(80004005) while playing the file: the disk went away\\n\" -> OK\n");

    // Stopped already: a further error has nothing to stop and says nothing.
    h_.transcript.str("");
    postError();
    h_.loop.RunFor(300);
    EXPECT_EQ(player->nState, CPreviewPlayer::Stopped);
    EXPECT_EQ(h_.Transcript(), "");

    // The player plays on afterwards.
    player->Play();
    EXPECT_EQ(player->nState, CPreviewPlayer::Running);
    player->Close();
    EXPECT_EQ(player->nState, CPreviewPlayer::Closed);
}

TEST_F(PreviewPlayerTest, WithoutAFileNameThePlayerAsksForOne) {
    // Cancelled: nothing happens.
    h_.ui.QueuePick(std::nullopt);
    int opened = -1;
    auto cancelled = Open("", &opened);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(cancelled->m_hWnd, nullptr);

    // A playlist is refused, whatever its letter case and wherever ".asx"
    // stands in the path.
    for (const char* path : {"/music/Party.ASX", "/music/old.Asx/track.ac3"}) {
        h_.ui.QueuePick(std::string(path));
        auto refused = Open("", &opened);
        EXPECT_EQ(opened, 0) << path;
        EXPECT_EQ(refused->m_hWnd, nullptr) << path;
    }

    // A picked path is opened as it is: letter case matters to file names.
    const std::string mixedCase = h_.temp / "Tone48.AC3";
    std::filesystem::copy_file(MediaPath("tone48.ac3"), mixedCase);
    h_.ui.QueuePick(mixedCase);
    auto player = Open("", &opened);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(player->szFileName, mixedCase);
    player->Close();

    const std::string asx = "box ownerless \"Message\" \"ASX Playlists are not supported by this application.\\n\\n"
                            "Please select a valid media file.\" -> OK\n";
    EXPECT_EQ(h_.Transcript(), "file open \"Open Media File...\" -> cancel\n"
                               "file open \"Open Media File...\" -> /music/Party.ASX\n" +
                                   asx + "file open \"Open Media File...\" -> /music/old.Asx/track.ac3\n" + asx +
                                   "file open \"Open Media File...\" -> " + mixedCase + "\n");
}

TEST_F(PreviewPlayerTest, TheCursorHidesOnlyAfterAnIdleSpellInFullScreen) {
    auto player = Open(MediaPath("clip.ogv"));
    ASSERT_EQ(player->bAudioOnly, 0);
    auto tick = [&] { PreviewWindowProc(player.get(), WM_TIMER, kIdleCursorTimer, 0); };

    // Outside full screen the cursor stays, however long it rests.
    h_.windows.AdvanceTicks(500000);
    tick();
    EXPECT_GE(h_.windows.CursorCount(), 0);

    player->OnMenuCommand(res::ID_PREVIEW_FULL_SCREEN);
    ASSERT_EQ(player->bFullScreen, 1);
    h_.windows.AdvanceTicks(100000);
    tick();
    EXPECT_GE(h_.windows.CursorCount(), 0) << "100,000 ms is not yet more than 100,000 ms";
    h_.windows.AdvanceTicks(1);
    tick();
    EXPECT_LT(h_.windows.CursorCount(), 0);
    tick();
    EXPECT_EQ(h_.windows.CursorCount(), -1) << "hidden once, not once per tick";

    // The mouse brings it back and starts the idle spell anew.
    PreviewWindowProc(player.get(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(h_.windows.CursorCount(), 0);
    h_.windows.AdvanceTicks(60000);
    tick();
    EXPECT_EQ(h_.windows.CursorCount(), 0);

    // Leaving full screen shows it as well.
    h_.windows.AdvanceTicks(60000);
    tick();
    ASSERT_LT(h_.windows.CursorCount(), 0);
    PreviewWindowProc(player.get(), WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_EQ(player->bFullScreen, 0);
    EXPECT_EQ(h_.windows.CursorCount(), 0);
    player->Close();
}

TEST_F(PreviewPlayerTest, ThePositionDisplayFollowsThePolledPosition) {
    h_.Run([&](CMainDialog& dialog) {
        // A player that was never opened, holding polled positions.
        g_pPreviewPlayer = new CPreviewPlayer(&h_.services, &h_.ui);
        struct Case {
            std::int64_t current, stop;
            const char* text;
            int slider;
        } cases[] = {
            {37'239'000'000, 72'000'000'000, "01:02:03", 310},  // 1 h 2 min 3.9 s of 2 h
            {3'600'000'000'000, 7'200'000'000'000, "100:00:00", 300},
            {50'000'000, 0, "00:00:05", 0},  // no poll yet: the end is not known
            {320'000'000, 320'000'000, "00:00:32", 600},
        };
        for (const auto& c : cases) {
            g_pPreviewPlayer->rtCurrent = c.current;
            g_pPreviewPlayer->rtStop = c.stop;
            dialog.RefreshPosition();
            EXPECT_EQ(h_.ui.GetControlText(res::IDC_POSITION), c.text);
            EXPECT_EQ(h_.ui.GetSliderPos(res::IDC_SEEK_SLIDER), c.slider) << c.text;
        }

        // While the slider is held, neither moves.
        AfxGetApp()->m_bSeekDragging = 1;
        g_pPreviewPlayer->rtCurrent = 0;
        dialog.RefreshPosition();
        EXPECT_EQ(h_.ui.GetControlText(res::IDC_POSITION), "00:00:32");
        AfxGetApp()->m_bSeekDragging = 0;

        // With the end unknown, letting go of the slider seeks nowhere.
        g_pPreviewPlayer->rtStop = 0;
        EXPECT_EQ(dialog.SeekToSlider(300), 0);

        dialog.DestroyPreview();
        EXPECT_EQ(g_pPreviewPlayer, nullptr);
        dialog.RefreshPosition();
        EXPECT_EQ(h_.ui.GetControlText(res::IDC_POSITION), "00:00:00");
    });
}

}  // namespace
