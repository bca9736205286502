// Where the video goes on a full screen: video that fits ten times over is
// shown at ten times its size, centred; larger video fills the screen in one
// direction, keeping its shape, with bars in the other.
#pragma once

struct VideoPlacement {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const VideoPlacement&) const = default;
};

// `cx` x `cy` is the screen, `videoWidth` x `videoHeight` the video's native
// size. The shape and the two ratios are compared in single precision, and
// every halving truncates, so the result matches what the player has always
// shown to the pixel.
VideoPlacement PlaceFullScreenVideo(int cx, int cy, int videoWidth, int videoHeight);
