#include "platform/gst/GstPlaybackGraph.h"

#include <gst/pbutils/pbutils.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/gst/GstMediaFramework.h"

namespace platform {
namespace {

// Preroll of a local file takes well under a second; past this the file is
// taken as unplayable rather than hanging the program.
constexpr auto kRenderTimeout = std::chrono::seconds(10);
// A seek or state change that has not prerolled by then is left to finish
// on its own.
constexpr GstClockTime kPrerollWait = 2 * GST_SECOND;
// How long a video sink may wait for its window before it goes on without.
constexpr auto kWindowWait = std::chrono::seconds(5);

// The duration of a file as a discoverer run finds it, or -1. Raw
// elementary streams (AC3) give no duration while merely prerolled: their
// parser estimates it only after some frames have streamed, which the
// discoverer lets happen on its own pipeline.
gint64 DiscoverDuration(const gchar* uri) {
    gint64 duration = -1;
    GstDiscoverer* discoverer = gst_discoverer_new(5 * GST_SECOND, nullptr);
    if (discoverer == nullptr) return duration;
    GstDiscovererInfo* info = gst_discoverer_discover_uri(discoverer, uri, nullptr);
    if (info != nullptr) {
        if (gst_discoverer_info_get_result(info) == GST_DISCOVERER_OK) {
            const GstClockTime d = gst_discoverer_info_get_duration(info);
            if (GST_CLOCK_TIME_IS_VALID(d)) duration = static_cast<gint64>(d);
        }
        g_object_unref(info);
    }
    g_object_unref(discoverer);
    return duration;
}

}  // namespace

std::unique_ptr<IGraphBuilder> MakePlaybackGraph() { return std::make_unique<GstPlaybackGraph>(); }

GstPlaybackGraph::GstPlaybackGraph() {
    playbin_ = gst_element_factory_make("playbin", nullptr);
    if (playbin_ == nullptr) return;
    gst_object_ref_sink(playbin_);
    bus_ = gst_element_get_bus(playbin_);
    gst_bus_set_sync_handler(bus_, &GstPlaybackGraph::OnBusMessage, this, nullptr);
}

GstPlaybackGraph::~GstPlaybackGraph() {
    ReleaseWindowWait();
    {
        std::lock_guard lock(mutex_);
        notifyWindow_ = nullptr;
        owner_ = nullptr;
    }
    if (playbin_ != nullptr) {
        // Stops and joins the streaming threads.
        gst_element_set_state(playbin_, GST_STATE_NULL);
        gst_bus_set_sync_handler(bus_, nullptr, nullptr, nullptr);
        gst_object_unref(bus_);
        gst_object_unref(playbin_);
    }
    if (overlay_ != nullptr) gst_object_unref(overlay_);
    for (const auto& e : events_) FreeEventParams(e.code, e.param1, e.param2);
}

// --- The bus ---

GstBusSyncReply GstPlaybackGraph::OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
    auto* self = static_cast<GstPlaybackGraph*>(data);
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ELEMENT:
        if (gst_is_video_overlay_prepare_window_handle_message(message))
            self->OnPrepareWindowHandle(GST_VIDEO_OVERLAY(GST_MESSAGE_SRC(message)));
        break;
    case GST_MESSAGE_ASYNC_DONE: {
        std::lock_guard lock(self->mutex_);
        self->asyncDone_ = true;
        self->changed_.notify_all();
        break;
    }
    case GST_MESSAGE_ERROR: {
        GError* error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        std::string text = error != nullptr && error->message != nullptr ? error->message : "unknown error";
        if (error != nullptr) g_error_free(error);
        std::lock_guard lock(self->mutex_);
        if (self->firstError_.empty()) self->firstError_ = text;
        self->changed_.notify_all();
        if (self->rendered_)
            self->QueueEvent({EC_ERRORABORT, E_FAIL, reinterpret_cast<std::intptr_t>(g_strdup(text.c_str()))});
        break;
    }
    case GST_MESSAGE_EOS: {
        std::lock_guard lock(self->mutex_);
        if (self->rendered_) self->QueueEvent({EC_COMPLETE, 0, 0});
        break;
    }
    default:
        break;
    }
    // Nobody pops the bus: everything is handled here.
    return GST_BUS_DROP;
}

// With mutex_ held.
void GstPlaybackGraph::QueueEvent(Event event) {
    events_.push_back(event);
    changed_.notify_all();
    if (notifyWindow_ != nullptr) notifyWindow_->PostGraphNotify();
}

// On the video sink's streaming thread, while it sets up for the first
// frame. The window the video belongs in is handed to the graph only after
// RenderFile; rather than let the sink open a window of its own meanwhile,
// its thread waits here until put_Owner names the window (RenderFile
// returns as soon as the sink waits).
void GstPlaybackGraph::OnPrepareWindowHandle(GstVideoOverlay* overlay) {
    std::uintptr_t handle = 0;
    {
        std::unique_lock lock(mutex_);
        if (overlay_ != overlay) {
            if (overlay_ != nullptr) gst_object_unref(overlay_);
            overlay_ = GST_VIDEO_OVERLAY(gst_object_ref(overlay));
        }
        if (owner_ == nullptr && !windowReleased_) {
            awaitingWindow_ = true;
            changed_.notify_all();
            changed_.wait_for(lock, kWindowWait, [this] { return owner_ != nullptr || windowReleased_; });
            awaitingWindow_ = false;
        }
        handle = ownerHandle_;
    }
    // Without a window to draw into the sink opens its own, as it would.
    if (handle == 0) return;
    // The sink keeps its own watch on the window (handle-events, on by
    // default): it draws the picture again whenever the display server
    // uncovers the window, after the server cleared it. The owner window
    // gets its mouse and keys all the same; the server hands every watcher
    // a copy.
    gst_video_overlay_set_window_handle(overlay, static_cast<guintptr>(handle));
    ApplyRenderRectangle();
}

void GstPlaybackGraph::ReleaseWindowWait() {
    std::lock_guard lock(mutex_);
    windowReleased_ = true;
    changed_.notify_all();
}

GstVideoOverlay* GstPlaybackGraph::RunningOverlay() {
    std::lock_guard lock(mutex_);
    if (overlay_ == nullptr || awaitingWindow_) return nullptr;
    return GST_VIDEO_OVERLAY(gst_object_ref(overlay_));
}

// Calls into the sink are made without mutex_ held: the sink may post a
// message (and so enter OnBusMessage) while it holds its own locks.
void GstPlaybackGraph::ApplyRenderRectangle() {
    GstVideoOverlay* overlay = nullptr;
    int left = 0, top = 0, width = 0, height = 0;
    {
        std::lock_guard lock(mutex_);
        if (overlay_ == nullptr || !videoRectSet_) return;
        overlay = GST_VIDEO_OVERLAY(gst_object_ref(overlay_));
        left = videoLeft_;
        top = videoTop_;
        width = videoRectWidth_;
        height = videoRectHeight_;
    }
    // Sinks that cannot place the picture (ximagesink) draw it centred.
    gst_video_overlay_set_render_rectangle(overlay, left, top, width, height);
    gst_video_overlay_expose(overlay);
    gst_object_unref(overlay);
}

// --- IGraphBuilder ---

HRESULT GstPlaybackGraph::RenderFile(const std::string& path) {
    if (playbin_ == nullptr) return E_FAIL;
    if (rendered_) return E_UNEXPECTED;
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    if (uri == nullptr) return VFW_E_CANNOT_RENDER;
    g_object_set(playbin_, "uri", uri, nullptr);

    HRESULT hr = S_OK;
    const GstStateChangeReturn change = gst_element_set_state(playbin_, GST_STATE_PAUSED);
    if (change == GST_STATE_CHANGE_FAILURE) {
        hr = VFW_E_CANNOT_RENDER;
    } else {
        std::unique_lock lock(mutex_);
        const bool settled = change != GST_STATE_CHANGE_ASYNC ||
                             changed_.wait_for(lock, kRenderTimeout, [this] {
                                 return asyncDone_ || awaitingWindow_ || !firstError_.empty();
                             });
        if (!settled || !firstError_.empty()) hr = VFW_E_CANNOT_RENDER;
    }

    if (Succeeded(hr)) {
        gint audio = 0, video = 0;
        g_object_get(playbin_, "n-audio", &audio, "n-video", &video, nullptr);
        if (audio + video == 0) hr = VFW_E_CANNOT_RENDER;
        hasVideo_ = video > 0;
    }
    if (Succeeded(hr)) {
        gint64 duration = -1;
        if (!gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration) || duration < 0)
            duration = DiscoverDuration(uri);
        durationNs_ = duration;
        if (hasVideo_) ReadVideoSize();
        std::lock_guard lock(mutex_);
        rendered_ = true;
    } else {
        ReleaseWindowWait();
        gst_element_set_state(playbin_, GST_STATE_NULL);
    }
    g_free(uri);
    return hr;
}

HRESULT GstPlaybackGraph::QueryMediaControl(IMediaControl** out) {
    if (out == nullptr) return E_POINTER;
    *out = this;
    return S_OK;
}
HRESULT GstPlaybackGraph::QueryMediaEvent(IMediaEventEx** out) {
    if (out == nullptr) return E_POINTER;
    *out = this;
    return S_OK;
}
HRESULT GstPlaybackGraph::QueryMediaSeeking(IMediaSeeking** out) {
    if (out == nullptr) return E_POINTER;
    *out = this;
    return S_OK;
}
// The video roles exist on every graph; for media without video their calls
// answer E_NOINTERFACE.
HRESULT GstPlaybackGraph::QueryVideoWindow(IVideoWindow** out) {
    if (out == nullptr) return E_POINTER;
    *out = this;
    return S_OK;
}
HRESULT GstPlaybackGraph::QueryBasicVideo(IBasicVideo** out) {
    if (out == nullptr) return E_POINTER;
    *out = this;
    return S_OK;
}
HRESULT GstPlaybackGraph::QueryBasicAudio(IBasicAudio** out) {
    if (out == nullptr) return E_POINTER;
    *out = this;
    return S_OK;
}

// --- IMediaControl ---

void GstPlaybackGraph::WaitForPreroll() { gst_element_get_state(playbin_, nullptr, nullptr, kPrerollWait); }

HRESULT GstPlaybackGraph::Run() {
    if (!rendered_) return E_UNEXPECTED;
    ReleaseWindowWait();
    return gst_element_set_state(playbin_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE ? E_FAIL : S_OK;
}

HRESULT GstPlaybackGraph::Pause() {
    if (!rendered_) return E_UNEXPECTED;
    ReleaseWindowWait();
    return gst_element_set_state(playbin_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE ? E_FAIL : S_OK;
}

HRESULT GstPlaybackGraph::Stop() {
    if (!rendered_) return E_UNEXPECTED;
    ReleaseWindowWait();
    if (gst_element_set_state(playbin_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) return E_FAIL;
    WaitForPreroll();
    return Seek(0, rate_);
}

// --- IMediaEventEx ---

HRESULT GstPlaybackGraph::SetNotifyWindow(PreviewWindow* window, long, std::intptr_t) {
    std::lock_guard lock(mutex_);
    notifyWindow_ = window;
    // Events queued before the window was named are announced now.
    if (notifyWindow_ != nullptr && !events_.empty()) notifyWindow_->PostGraphNotify();
    return S_OK;
}

HRESULT GstPlaybackGraph::GetEvent(long* code, std::intptr_t* param1, std::intptr_t* param2, long timeoutMs) {
    if (code == nullptr || param1 == nullptr || param2 == nullptr) return E_POINTER;
    std::unique_lock lock(mutex_);
    if (events_.empty() && timeoutMs > 0)
        changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !events_.empty(); });
    if (events_.empty()) return E_ABORT;
    const Event e = events_.front();
    events_.pop_front();
    *code = e.code;
    *param1 = e.param1;
    *param2 = e.param2;
    return S_OK;
}

HRESULT GstPlaybackGraph::FreeEventParams(long code, std::intptr_t, std::intptr_t param2) {
    if (code == EC_ERRORABORT && param2 != 0) g_free(reinterpret_cast<gchar*>(param2));
    return S_OK;
}

// --- IMediaSeeking ---

HRESULT GstPlaybackGraph::IsFormatSupported(TimeFormat format) {
    return format == TimeFormat::MediaTime ? S_OK : S_FALSE;
}

HRESULT GstPlaybackGraph::GetTimeFormat(TimeFormat* format) {
    if (format == nullptr) return E_POINTER;
    *format = TimeFormat::MediaTime;
    return S_OK;
}

HRESULT GstPlaybackGraph::SetTimeFormat(TimeFormat format) {
    return format == TimeFormat::MediaTime ? S_OK : E_NOTIMPL;
}

HRESULT GstPlaybackGraph::GetStopPosition(std::int64_t* stop) {
    if (stop == nullptr) return E_POINTER;
    if (!rendered_) return E_UNEXPECTED;
    gint64 duration = -1;
    if (gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration) && duration >= 0) durationNs_ = duration;
    if (durationNs_ < 0) return E_FAIL;
    *stop = durationNs_ / 100;
    return S_OK;
}

HRESULT GstPlaybackGraph::GetCurrentPosition(std::int64_t* current) {
    if (current == nullptr) return E_POINTER;
    if (!rendered_) return E_UNEXPECTED;
    gint64 position = -1;
    // While a seek prerolls the pipeline may not answer: the last position
    // known stands.
    if (gst_element_query_position(playbin_, GST_FORMAT_TIME, &position) && position >= 0)
        lastPositionNs_ = position;
    *current = lastPositionNs_ / 100;
    return S_OK;
}

HRESULT GstPlaybackGraph::Seek(gint64 positionNs, double rate) {
    ReleaseWindowWait();
    // ACCURATE: the playback starts at the asked time, not at a key unit.
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    if (!gst_element_seek(playbin_, rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, positionNs,
                          GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE))
        return E_FAIL;
    WaitForPreroll();
    lastPositionNs_ = positionNs;
    rate_ = rate;
    return S_OK;
}

HRESULT GstPlaybackGraph::SetPositions(std::int64_t current) {
    if (!rendered_) return E_UNEXPECTED;
    return Seek(std::max<std::int64_t>(current, 0) * 100, rate_);
}

HRESULT GstPlaybackGraph::SetRate(double rate) {
    if (!rendered_) return E_UNEXPECTED;
    if (rate <= 0) return E_FAIL;
    if (rate == rate_) return S_OK;
    gint64 position = 0;
    if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &position)) position = lastPositionNs_;
    return Seek(position, rate);
}

// --- IVideoWindow ---

HRESULT GstPlaybackGraph::get_Visible(bool* visible) {
    if (visible == nullptr) return E_POINTER;
    if (!hasVideo_) return E_NOINTERFACE;
    *visible = visible_;
    return S_OK;
}

HRESULT GstPlaybackGraph::put_Visible(bool visible) {
    if (!hasVideo_) return E_NOINTERFACE;
    visible_ = visible;
    return S_OK;
}

HRESULT GstPlaybackGraph::put_Owner(PreviewWindow* owner) {
    if (!hasVideo_) return E_NOINTERFACE;
    // Asked here, on the user-interface thread: a toolkit's window is not
    // to be touched from a streaming thread.
    const std::uintptr_t handle = owner != nullptr ? owner->NativeHandle() : 0;
    GstVideoOverlay* running = RunningOverlay();
    {
        // A sink waiting for its window takes this one and goes on.
        std::lock_guard lock(mutex_);
        owner_ = owner;
        ownerHandle_ = handle;
        windowReleased_ = true;
        changed_.notify_all();
    }
    if (running != nullptr) {
        // The sink already runs: move it to the new window, or away from a
        // window about to be destroyed.
        gst_video_overlay_set_window_handle(running, handle);
        gst_object_unref(running);
        if (owner != nullptr) ApplyRenderRectangle();
    }
    return S_OK;
}

HRESULT GstPlaybackGraph::put_MessageDrain(PreviewWindow*) {
    // The video is drawn into the owner window itself, so mouse and keys
    // over it reach the owner window as they are.
    return hasVideo_ ? S_OK : E_NOINTERFACE;
}

HRESULT GstPlaybackGraph::SetWindowPosition(int left, int top, int width, int height) {
    if (!hasVideo_) return E_NOINTERFACE;
    {
        std::lock_guard lock(mutex_);
        videoRectSet_ = true;
        videoLeft_ = left;
        videoTop_ = top;
        videoRectWidth_ = width;
        videoRectHeight_ = height;
    }
    if (GstVideoOverlay* running = RunningOverlay()) {
        gst_object_unref(running);
        ApplyRenderRectangle();
    }
    return S_OK;
}

HRESULT GstPlaybackGraph::GetWindowPosition(int* left, int* top, int* width, int* height) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    if (!hasVideo_) return E_NOINTERFACE;
    std::lock_guard lock(mutex_);
    *left = videoRectSet_ ? videoLeft_ : 0;
    *top = videoRectSet_ ? videoTop_ : 0;
    *width = videoRectSet_ ? videoRectWidth_ : videoWidth_;
    *height = videoRectSet_ ? videoRectHeight_ : videoHeight_;
    return S_OK;
}

HRESULT GstPlaybackGraph::NotifyOwnerMessage(PreviewWindow*, unsigned message) {
    if (!hasVideo_) return E_NOINTERFACE;
    if (message != WM_PAINT) return S_OK;
    if (GstVideoOverlay* running = RunningOverlay()) {
        gst_video_overlay_expose(running);
        gst_object_unref(running);
    }
    return S_OK;
}

// --- IBasicVideo ---

bool GstPlaybackGraph::ReadVideoSize() {
    GstPad* pad = nullptr;
    g_signal_emit_by_name(playbin_, "get-video-pad", 0, &pad);
    if (pad == nullptr) return false;
    bool found = false;
    if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
        const GstStructure* s = gst_caps_get_structure(caps, 0);
        int w = 0, h = 0;
        if (s != nullptr && gst_structure_get_int(s, "width", &w) && gst_structure_get_int(s, "height", &h)) {
            videoWidth_ = w;
            videoHeight_ = h;
            found = true;
        }
        gst_caps_unref(caps);
    }
    gst_object_unref(pad);
    return found;
}

HRESULT GstPlaybackGraph::GetVideoSize(int* width, int* height) {
    if (width == nullptr || height == nullptr) return E_POINTER;
    if (!hasVideo_) return E_NOINTERFACE;
    if (videoWidth_ == 0 && !ReadVideoSize()) {
        // Caps not there yet: let the preroll finish and look again.
        WaitForPreroll();
        if (!ReadVideoSize()) return E_FAIL;
    }
    *width = videoWidth_;
    *height = videoHeight_;
    return S_OK;
}

// --- IBasicAudio ---
// DirectShow volumes are hundredths of a decibel; playbin's is linear.

HRESULT GstPlaybackGraph::put_Volume(long volume) {
    if (playbin_ == nullptr) return E_FAIL;
    if (volume > 0 || volume < -10000) return E_FAIL;
    const double linear = volume == -10000 ? 0.0 : std::pow(10.0, volume / 2000.0);
    g_object_set(playbin_, "volume", linear, nullptr);
    return S_OK;
}

HRESULT GstPlaybackGraph::get_Volume(long* volume) {
    if (volume == nullptr) return E_POINTER;
    if (playbin_ == nullptr) return E_FAIL;
    double linear = 1.0;
    g_object_get(playbin_, "volume", &linear, nullptr);
    if (linear <= 0.0) {
        *volume = -10000;
        return S_OK;
    }
    const double hundredths = std::round(2000.0 * std::log10(linear));
    *volume = static_cast<long>(std::clamp(hundredths, -10000.0, 0.0));
    return S_OK;
}

}  // namespace platform
