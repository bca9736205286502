// The total time of a source, as the media framework reports it: the stop
// position of a graph built for the file only to be measured.
#include "ui/MainDialog.h"

bool QueryMediaStopTime(platform::MediaFramework& media, const std::string& path, std::int64_t* stop) {
    std::unique_ptr<platform::IGraphBuilder> graph;
    if (platform::Failed(media.CreateMeasuringGraph(&graph)) || !graph) return false;
    if (platform::Failed(graph->RenderFile(path))) return false;
    platform::IMediaSeeking* seeking = nullptr;
    if (platform::Failed(graph->QueryMediaSeeking(&seeking)) || seeking == nullptr) return false;
    return platform::Succeeded(seeking->GetStopPosition(stop));
}

bool CMainDialog::ReadTotalTime() {
    if (!QueryMediaStopTime(Services().media, m_szSourcePath, &m_llTotalTime)) return false;
    m_nTotalSeconds = static_cast<int>(m_llTotalTime / 10'000'000);
    return true;
}
