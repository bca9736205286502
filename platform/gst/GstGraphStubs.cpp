// Graphs not built yet.
#include "platform/gst/GstMediaFramework.h"

namespace platform {
std::unique_ptr<IGraphBuilder> MakePlaybackGraph() { return nullptr; }
std::unique_ptr<IGraphBuilder> MakeMeasuringGraph() { return nullptr; }
}  // namespace platform
