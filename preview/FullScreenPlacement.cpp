#include "preview/FullScreenPlacement.h"

VideoPlacement PlaceFullScreenVideo(int cx, int cy, int videoWidth, int videoHeight) {
    const int w = 10 * videoWidth;
    const int h = 10 * videoHeight;
    if (w <= cx && h <= cy) return {(cx - w) / 2, (cy - h) / 2, w, h};
    // A video without an extent in one direction has no shape to keep.
    if (w <= 0 || h <= 0) return {0, 0, cx, cy};

    const float aspect = static_cast<float>(w) / static_cast<float>(h);
    bool fullWidth;
    if (w > cx && h <= cy)
        fullWidth = true;
    else if (h > cy && w <= cx)
        fullWidth = false;
    else
        fullWidth = static_cast<float>(cx) / static_cast<float>(w) < static_cast<float>(cy) / static_cast<float>(h);

    if (fullWidth) {
        const int h2 = static_cast<int>(static_cast<float>(cx) / aspect);
        const int top = (cy - h2) / 2;
        return {0, top, cx, cy - 2 * top};
    }
    const int w2 = static_cast<int>(static_cast<float>(cy) * aspect);
    const int left = (cx - w2) / 2;
    return {left, 0, cx - 2 * left, cy};
}
