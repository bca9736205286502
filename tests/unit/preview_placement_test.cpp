// Where full screen puts the video: ten times its size, centred, when that
// fits; otherwise the full width or height of the screen, keeping the
// shape, with the single-precision arithmetic the player has always used.
#include <gtest/gtest.h>

#include "preview/FullScreenPlacement.h"

namespace {

TEST(FullScreenPlacement, PlacesVideoOfEachSize) {
    struct Case {
        int cx, cy, w, h;
        VideoPlacement expected;
        const char* why;
    } cases[] = {
        {1280, 1024, 100, 80, {140, 112, 1000, 800}, "fits ten times: centred"},
        {1366, 768, 33, 21, {518, 279, 330, 210}, "odd margins halve toward zero"},
        {1280, 1024, 128, 102, {0, 2, 1280, 1020}, "exactly the screen's width still fits"},
        {1280, 1024, 0, 0, {640, 512, 0, 0}, "no extent: nothing to show, centred"},
        {1920, 1080, 200, 50, {0, 300, 1920, 480}, "only the width exceeds: full width"},
        {1280, 1024, 100, 200, {384, 0, 512, 1024}, "only the height exceeds: full height"},
        {1920, 1080, 60, 200, {798, 0, 324, 1080}, "0.3 as a float: 324.00002 truncates to 324"},
        // 1280 / 1.3333334f is 959.99994: the bars take 32 pixels each and
        // the video gets the 960 rows between them.
        {1280, 1024, 160, 120, {0, 32, 1280, 960}, "both exceed, width the tighter: full width"},
        {1366, 768, 400, 300, {171, 0, 1024, 768}, "both exceed, height the tighter: full height"},
        {1280, 1024, 720, 576, {0, 0, 1280, 1024}, "equal ratios: full height"},
        {1920, 1080, 1920, 1080, {0, 0, 1920, 1080}, "the screen's own shape fills it"},
    };
    for (const auto& c : cases) {
        const VideoPlacement p = PlaceFullScreenVideo(c.cx, c.cy, c.w, c.h);
        EXPECT_EQ(p, c.expected) << c.why << ": got " << p.left << ',' << p.top << ',' << p.width << ','
                                 << p.height;
    }
}

}  // namespace
