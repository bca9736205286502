// The playback graph on GStreamer: one `playbin` playing every role of a
// filter graph the preview player needs.
//
// No GLib main loop is needed: a bus sync handler, run on whichever thread
// posts a message, keeps what the graph must know (preroll done, the first
// error), queues end of stream and errors as graph events and tells the
// notify window through PreviewWindow::PostGraphNotify, which is safe from
// any thread. Every bus message is handled there and dropped, so the bus
// never fills up.
#pragma once
#include <gst/gst.h>
#include <gst/video/videooverlay.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

#include "platform/MediaGraph.h"
#include "platform/PreviewWindow.h"

namespace platform {

class GstPlaybackGraph final : public IGraphBuilder,
                               public IMediaControl,
                               public IMediaEventEx,
                               public IMediaSeeking,
                               public IVideoWindow,
                               public IBasicVideo,
                               public IBasicAudio {
public:
    GstPlaybackGraph();
    ~GstPlaybackGraph() override;
    GstPlaybackGraph(const GstPlaybackGraph&) = delete;
    GstPlaybackGraph& operator=(const GstPlaybackGraph&) = delete;

    // --- IGraphBuilder ---
    // Sets the file's URI and prerolls to PAUSED. Fails (VFW_E_CANNOT_RENDER)
    // on the first error the pipeline reports, when no audio or video
    // stream can be played, or when prerolling takes longer than 10 s.
    HRESULT RenderFile(const std::string& path) override;
    HRESULT QueryMediaControl(IMediaControl** out) override;
    HRESULT QueryMediaEvent(IMediaEventEx** out) override;
    HRESULT QueryMediaSeeking(IMediaSeeking** out) override;
    HRESULT QueryVideoWindow(IVideoWindow** out) override;
    HRESULT QueryBasicVideo(IBasicVideo** out) override;
    HRESULT QueryBasicAudio(IBasicAudio** out) override;

    // --- IMediaControl ---
    // PLAYING, PAUSED; Stop is PAUSED plus a flushing seek to 0, the first
    // frame cued.
    HRESULT Run() override;
    HRESULT Pause() override;
    HRESULT Stop() override;

    // --- IMediaEventEx ---
    HRESULT SetNotifyWindow(PreviewWindow* window, long message, std::intptr_t instance) override;
    HRESULT GetEvent(long* code, std::intptr_t* param1, std::intptr_t* param2, long timeoutMs) override;
    HRESULT FreeEventParams(long code, std::intptr_t param1, std::intptr_t param2) override;

    // --- IMediaSeeking (100-ns units) ---
    HRESULT IsFormatSupported(TimeFormat format) override;
    HRESULT GetTimeFormat(TimeFormat* format) override;
    HRESULT SetTimeFormat(TimeFormat format) override;
    HRESULT GetStopPosition(std::int64_t* stop) override;
    HRESULT GetCurrentPosition(std::int64_t* current) override;
    HRESULT SetPositions(std::int64_t current) override;
    HRESULT SetRate(double rate) override;

    // --- IVideoWindow ---
    HRESULT get_Visible(bool* visible) override;
    HRESULT put_Visible(bool visible) override;
    HRESULT put_Owner(PreviewWindow* owner) override;
    HRESULT put_MessageDrain(PreviewWindow* drain) override;
    HRESULT SetWindowPosition(int left, int top, int width, int height) override;
    HRESULT GetWindowPosition(int* left, int* top, int* width, int* height) override;
    HRESULT NotifyOwnerMessage(PreviewWindow* owner, unsigned message) override;

    // --- IBasicVideo ---
    HRESULT GetVideoSize(int* width, int* height) override;

    // --- IBasicAudio ---
    HRESULT put_Volume(long volume) override;
    HRESULT get_Volume(long* volume) override;

    // The playbin, for tests that post messages on its bus.
    GstElement* Pipeline() const { return playbin_; }

private:
    struct Event {
        long code;
        std::intptr_t param1;
        std::intptr_t param2;
    };

    static GstBusSyncReply OnBusMessage(GstBus* bus, GstMessage* message, gpointer self);
    void OnPrepareWindowHandle(GstVideoOverlay* overlay);
    void QueueEvent(Event event);
    // Lets a video sink that waits for its window go on without one; every
    // state change and seek calls it first, so that none can wait on a
    // streaming thread held here.
    void ReleaseWindowWait();
    // Waits until a state change or flushing seek has prerolled.
    void WaitForPreroll();
    HRESULT Seek(gint64 positionNs, double rate);
    bool ReadVideoSize();
    void ApplyRenderRectangle();
    // The video sink's overlay, referenced, when it has its window; null
    // before the sink asked for one and while it waits.
    GstVideoOverlay* RunningOverlay();

    GstElement* playbin_ = nullptr;
    GstBus* bus_ = nullptr;

    std::mutex mutex_;
    std::condition_variable changed_;
    // Preroll and errors, as the bus reported them.
    bool asyncDone_ = false;
    std::string firstError_;
    bool rendered_ = false;
    // The video sink's overlay once it asked for a window, and whether it
    // is waiting for one.
    GstVideoOverlay* overlay_ = nullptr;
    bool awaitingWindow_ = false;
    bool windowReleased_ = false;
    PreviewWindow* owner_ = nullptr;
    std::uintptr_t ownerHandle_ = 0;  // its native handle, taken on the UI thread
    // Events waiting for GetEvent, and where to say so.
    std::deque<Event> events_;
    PreviewWindow* notifyWindow_ = nullptr;

    // Kept on the user-interface thread only.
    bool hasVideo_ = false;
    int videoWidth_ = 0;
    int videoHeight_ = 0;
    bool visible_ = true;
    bool videoRectSet_ = false;
    int videoLeft_ = 0, videoTop_ = 0, videoRectWidth_ = 0, videoRectHeight_ = 0;
    // The duration found while rendering, in ns, until the pipeline reports
    // its own; -1 when unknown.
    gint64 durationNs_ = -1;
    gint64 lastPositionNs_ = 0;
    double rate_ = 1.0;
};

}  // namespace platform
