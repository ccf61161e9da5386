// The primary monitor's density (see MonitorDensity.h).
#include "platform/win32/MonitorDensity.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellscalingapi.h>

std::optional<unsigned> PrimaryMonitorDpi() {
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT x = 0;
    UINT y = 0;
    if (FAILED(GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &x, &y)) || x == 0) return std::nullopt;
    return x;
}
