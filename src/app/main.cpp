// Quorvanel: entry point. Opens the game in an SDL window; without a usable
// display it says why and ends.
#include "app/QuorvanelApp.h"
#include "game/Random.h"
#include "platform/Platform.h"

#include <cstdio>
#include <string>

int main() {
    std::string error;
    const std::unique_ptr<CPlatform> platform = CPlatform::CreateSdl(&error);
    if (!platform) {
        std::fprintf(stderr, "quorvanel: %s\n", error.c_str());
        return 1;
    }
    CQuorvanelApp app(*platform);
    app.InitInstance(ClockSeed());
    return app.Run();
}
