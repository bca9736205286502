// The media graph the preview player and the open command use, in the
// roles the program relies on: building a graph for a file, running it,
// its events, seeking, the video window and the volume. One graph object
// plays every role; the player holds a pointer per role, as it would hold
// one interface per role of a filter graph.
//
// Positions are 64-bit counts of 100-ns units.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Result.h"

namespace platform {

class PreviewWindow;

inline constexpr long EC_COMPLETE = 0x01;    // end of stream
inline constexpr long EC_USERABORT = 0x02;
inline constexpr long EC_ERRORABORT = 0x03;  // the graph stopped on an error: param1 is its
                                            // HRESULT, param2 a const char* describing it,
                                            // valid until FreeEventParams

enum class TimeFormat { MediaTime, Frame, Byte };

// Window messages a graph takes from its owner window.
inline constexpr unsigned WM_PAINT = 0x000F;

class IMediaControl {
public:
    virtual ~IMediaControl() = default;
    virtual HRESULT Run() = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Stop() = 0;
};

class IMediaEventEx {
public:
    virtual ~IMediaEventEx() = default;
    // From now on, whenever events are waiting, the graph posts
    // `message` to `window` (PreviewWindow::PostGraphNotify). Null stops it.
    virtual HRESULT SetNotifyWindow(PreviewWindow* window, long message, std::intptr_t instance) = 0;
    // Takes the next waiting event; fails when there is none.
    virtual HRESULT GetEvent(long* code, std::intptr_t* param1, std::intptr_t* param2, long timeoutMs) = 0;
    virtual HRESULT FreeEventParams(long code, std::intptr_t param1, std::intptr_t param2) = 0;
};

class IMediaSeeking {
public:
    virtual ~IMediaSeeking() = default;
    virtual HRESULT IsFormatSupported(TimeFormat format) = 0;
    virtual HRESULT GetTimeFormat(TimeFormat* format) = 0;
    virtual HRESULT SetTimeFormat(TimeFormat format) = 0;
    virtual HRESULT GetStopPosition(std::int64_t* stop) = 0;
    virtual HRESULT GetCurrentPosition(std::int64_t* current) = 0;
    // Moves the current position (exactly, not to a key unit); the stop is
    // never moved by the program.
    virtual HRESULT SetPositions(std::int64_t current) = 0;
    virtual HRESULT SetRate(double rate) = 0;
};

class IVideoWindow {
public:
    virtual ~IVideoWindow() = default;
    // E_NOINTERFACE for media without video.
    virtual HRESULT get_Visible(bool* visible) = 0;
    virtual HRESULT put_Visible(bool visible) = 0;
    // The window the video is drawn into (its native handle); null detaches.
    virtual HRESULT put_Owner(PreviewWindow* owner) = 0;
    // Mouse and key messages over the video go to this window.
    virtual HRESULT put_MessageDrain(PreviewWindow* drain) = 0;
    // The video's rectangle inside the owner window, in pixels.
    virtual HRESULT SetWindowPosition(int left, int top, int width, int height) = 0;
    virtual HRESULT GetWindowPosition(int* left, int* top, int* width, int* height) = 0;
    // Hands a message of the owner window on to the video: WM_PAINT draws
    // the current picture again, as the owner was uncovered or resized.
    virtual HRESULT NotifyOwnerMessage(PreviewWindow* owner, unsigned message) = 0;
};

class IBasicVideo {
public:
    virtual ~IBasicVideo() = default;
    // The native size of the video; E_NOINTERFACE for media without video.
    virtual HRESULT GetVideoSize(int* width, int* height) = 0;
};

class IBasicAudio {
public:
    virtual ~IBasicAudio() = default;
    // Volume in hundredths of a decibel, 0 (full) down to -10000 (silence).
    virtual HRESULT put_Volume(long volume) = 0;
    virtual HRESULT get_Volume(long* volume) = 0;
};

class IGraphBuilder {
public:
    virtual ~IGraphBuilder() = default;
    // Builds the graph for the file and cues it (paused at the start).
    // Fails when the file cannot be read or holds no stream that can be
    // decoded.
    virtual HRESULT RenderFile(const std::string& path) = 0;

    // The graph's other roles; E_NOINTERFACE where the graph has none. The
    // pointers stay owned by the graph and live as long as it does.
    virtual HRESULT QueryMediaControl(IMediaControl** out) = 0;
    virtual HRESULT QueryMediaEvent(IMediaEventEx** out) = 0;
    virtual HRESULT QueryMediaSeeking(IMediaSeeking** out) = 0;
    virtual HRESULT QueryVideoWindow(IVideoWindow** out) = 0;
    virtual HRESULT QueryBasicVideo(IBasicVideo** out) = 0;
    virtual HRESULT QueryBasicAudio(IBasicAudio** out) = 0;
};

class MediaFramework {
public:
    virtual ~MediaFramework() = default;
    // Initialises the framework for this thread; every graph is made between
    // Initialize and Uninitialize.
    virtual HRESULT Initialize() = 0;
    virtual void Uninitialize() = 0;
    // A new, empty graph.
    virtual HRESULT CreateGraph(std::unique_ptr<IGraphBuilder>* graph) = 0;
    // A graph built only to be measured: RenderFile and the stop position
    // are all it needs to answer. It may be a lighter graph than the one
    // for playing.
    virtual HRESULT CreateMeasuringGraph(std::unique_ptr<IGraphBuilder>* graph) = 0;
};

}  // namespace platform
