// The media framework on GStreamer.
#pragma once
#include <memory>

#include "platform/MediaGraph.h"

namespace platform {

class GstMediaFramework final : public MediaFramework {
public:
    HRESULT Initialize() override;
    void Uninitialize() override;
    HRESULT CreateGraph(std::unique_ptr<IGraphBuilder>* graph) override;
    HRESULT CreateMeasuringGraph(std::unique_ptr<IGraphBuilder>* graph) override;
};

// The graphs behind CreateGraph (a playbin) and CreateMeasuringGraph (a
// discoverer run).
std::unique_ptr<IGraphBuilder> MakePlaybackGraph();
std::unique_ptr<IGraphBuilder> MakeMeasuringGraph();

}  // namespace platform
