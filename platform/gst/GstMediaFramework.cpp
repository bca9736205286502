#include "platform/gst/GstMediaFramework.h"

#include <gst/gst.h>

namespace platform {

HRESULT GstMediaFramework::Initialize() {
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        if (error != nullptr) g_error_free(error);
        return E_FAIL;
    }
    return S_OK;
}

// GStreamer stays initialised for the life of the process: gst_deinit may
// be called only once and nothing may use GStreamer after it.
void GstMediaFramework::Uninitialize() {}

HRESULT GstMediaFramework::CreateGraph(std::unique_ptr<IGraphBuilder>* graph) {
    if (graph == nullptr) return E_POINTER;
    *graph = MakePlaybackGraph();
    return *graph ? S_OK : E_FAIL;
}

HRESULT GstMediaFramework::CreateMeasuringGraph(std::unique_ptr<IGraphBuilder>* graph) {
    if (graph == nullptr) return E_POINTER;
    *graph = MakeMeasuringGraph();
    return *graph ? S_OK : E_FAIL;
}

}  // namespace platform
