// The real machine facts, under the real program's name, with a calendar
// clock the scenario can set.
#pragma once
#include <optional>

#include "platform/posix/XdgSystemInfo.h"

namespace platform::scripted {

class ScriptedSystemInfo final : public XdgSystemInfo {
public:
    ScriptedSystemInfo() : XdgSystemInfo("Quorvane") {}

    // From now on the clock reads `seconds` since 1970.
    void SetClock(std::int64_t seconds) { clock_ = seconds; }
    std::int64_t Now() const override { return clock_ ? *clock_ : XdgSystemInfo::Now(); }

private:
    std::optional<std::int64_t> clock_;
};

}  // namespace platform::scripted
