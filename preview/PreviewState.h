// A one-line description of the preview player, for the scenario driver:
// "preview state=S window=visible|hidden title="T" current=N stop=N", or
// "preview none" when there is no player.
#pragma once
#include <string>

std::string DescribePreview();
