// Descriptions of the preview player for the scenario driver.
#pragma once
#include <string>

// "preview state=S window=visible|hidden title="T" current=N stop=N", or
// "preview none" when there is no player.
std::string DescribePreview();

// The video inside the preview window:
// "video L,T,W,H native=WxH fullscreen=0|1", or "video none" when there is
// no player or its media has no video.
std::string DescribePreviewVideo();
