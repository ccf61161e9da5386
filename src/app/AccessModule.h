// Starting the desktop's accessibility bus (an AccessBusStart for the SDL
// backend, platform/AccessBus.h): only when there is a session bus
// (DBUS_SESSION_BUS_ADDRESS; the bus's bridge would launch one otherwise),
// it loads the accessibility module (atspi/AtspiModule.cpp) from beside the
// program, as in the build, or else from the library folder it is installed
// in (found from the program's folder, so that the installed game may be
// moved to another prefix), and starts it. Nothing when there is no bus or no module: the game
// plays on without.
#pragma once

#include "platform/AccessBus.h"

std::unique_ptr<CAccessBus> StartAccessModule(std::function<void()> wake);
