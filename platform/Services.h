// Everything the program's logic gets from the platform, handed to the
// application object at start-up.
#pragma once

#include "platform/MediaGraph.h"
#include "platform/PreviewWindow.h"
#include "platform/ProfileStore.h"
#include "platform/SystemInfo.h"
#include "platform/UiServices.h"

namespace platform {

struct Services {
    UiServices& ui;
    WindowServices& windows;
    ProfileStore& profile;
    SystemInfo& system;
    MediaFramework& media;
};

}  // namespace platform
