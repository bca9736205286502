// The throw-away graph of the open command, which only has to tell a
// file's total time. A raw AC3 stream has no duration while its pipeline is
// merely cued (the parser estimates it only after frames have flowed), so
// the file is measured by a discoverer run instead of a cued playbin; it
// also takes a fraction of a second for hour-long files.
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include "platform/gst/GstMediaFramework.h"

namespace platform {
namespace {

// How long one discoverer run may take before the file counts as unreadable.
constexpr GstClockTime kDiscoverTimeout = 15 * GST_SECOND;

// True when an installed decoder takes `caps` (or they are raw already), so
// that a playing graph could render the stream.
bool CanDecode(GstCaps* caps) {
    if (caps == nullptr || gst_caps_is_empty(caps)) return false;
    const GstStructure* s = gst_caps_get_structure(caps, 0);
    if (g_str_has_prefix(gst_structure_get_name(s), "audio/x-raw")) return true;
    GList* decoders = gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_DECODER | GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO, GST_RANK_MARGINAL);
    GList* fitting = gst_element_factory_list_filter(decoders, caps, GST_PAD_SINK, FALSE);
    const bool found = fitting != nullptr;
    gst_plugin_feature_list_free(fitting);
    gst_plugin_feature_list_free(decoders);
    return found;
}

bool HasDecodableAudio(GstDiscovererInfo* info) {
    GList* streams = gst_discoverer_info_get_audio_streams(info);
    bool found = false;
    for (GList* it = streams; it != nullptr && !found; it = it->next) {
        GstCaps* caps = gst_discoverer_stream_info_get_caps(GST_DISCOVERER_STREAM_INFO(it->data));
        found = CanDecode(caps);
        if (caps != nullptr) gst_caps_unref(caps);
    }
    gst_discoverer_stream_info_list_free(streams);
    return found;
}

class MeasuringGraph final : public IGraphBuilder, public IMediaSeeking {
public:
    // --- IGraphBuilder ---
    HRESULT RenderFile(const std::string& path) override {
        duration_ = GST_CLOCK_TIME_NONE;
        rendered_ = false;
        if (path.empty()) return E_FAIL;
        GError* error = nullptr;
        gchar* uri = gst_filename_to_uri(path.c_str(), &error);
        if (uri == nullptr) {
            g_clear_error(&error);
            return E_FAIL;
        }
        GstDiscoverer* discoverer = gst_discoverer_new(kDiscoverTimeout, &error);
        if (discoverer == nullptr) {
            g_clear_error(&error);
            g_free(uri);
            return E_FAIL;
        }
        GstDiscovererInfo* info = gst_discoverer_discover_uri(discoverer, uri, &error);
        g_clear_error(&error);
        g_free(uri);
        HRESULT hr = E_FAIL;
        if (info != nullptr && gst_discoverer_info_get_result(info) == GST_DISCOVERER_OK) {
            if (HasDecodableAudio(info)) {
                duration_ = gst_discoverer_info_get_duration(info);
                rendered_ = true;
                hr = S_OK;
            } else {
                hr = VFW_E_CANNOT_RENDER;
            }
        }
        if (info != nullptr) gst_discoverer_info_unref(info);
        g_object_unref(discoverer);
        return hr;
    }

    HRESULT QueryMediaControl(IMediaControl** out) override { return NoInterface(out); }
    HRESULT QueryMediaEvent(IMediaEventEx** out) override { return NoInterface(out); }
    HRESULT QueryMediaSeeking(IMediaSeeking** out) override {
        if (out == nullptr) return E_POINTER;
        *out = this;
        return S_OK;
    }
    HRESULT QueryVideoWindow(IVideoWindow** out) override { return NoInterface(out); }
    HRESULT QueryBasicVideo(IBasicVideo** out) override { return NoInterface(out); }
    HRESULT QueryBasicAudio(IBasicAudio** out) override { return NoInterface(out); }

    // --- IMediaSeeking: the stop position and nothing to move ---
    HRESULT IsFormatSupported(TimeFormat format) override {
        return format == TimeFormat::MediaTime ? S_OK : S_FALSE;
    }
    HRESULT GetTimeFormat(TimeFormat* format) override {
        if (format == nullptr) return E_POINTER;
        *format = TimeFormat::MediaTime;
        return S_OK;
    }
    HRESULT SetTimeFormat(TimeFormat format) override {
        return format == TimeFormat::MediaTime ? S_OK : E_NOTIMPL;
    }
    // The duration, in 100-ns units; fails before a successful RenderFile
    // and when the file's duration is unknown.
    HRESULT GetStopPosition(std::int64_t* stop) override {
        if (stop == nullptr) return E_POINTER;
        if (!rendered_) return E_UNEXPECTED;
        if (!GST_CLOCK_TIME_IS_VALID(duration_)) return E_FAIL;
        *stop = static_cast<std::int64_t>(duration_ / 100);
        return S_OK;
    }
    HRESULT GetCurrentPosition(std::int64_t* current) override {
        if (current == nullptr) return E_POINTER;
        if (!rendered_) return E_UNEXPECTED;
        *current = 0;
        return S_OK;
    }
    HRESULT SetPositions(std::int64_t) override { return E_NOTIMPL; }
    HRESULT SetRate(double) override { return E_NOTIMPL; }

private:
    template <typename T>
    static HRESULT NoInterface(T** out) {
        if (out != nullptr) *out = nullptr;
        return E_NOINTERFACE;
    }

    GstClockTime duration_ = GST_CLOCK_TIME_NONE;
    bool rendered_ = false;
};

}  // namespace

std::unique_ptr<IGraphBuilder> MakeMeasuringGraph() { return std::make_unique<MeasuringGraph>(); }

}  // namespace platform
