// Keeps one harmless X protocol error from ending the program. SDL wakes its
// own event wait by sending a message to one of its windows over a second X
// connection; when that window is destroyed just then (a popup page that has
// closed), the server answers BadWindow to that message, and Xlib's default
// error handler ends the process on any error. Likewise SDL asks where a
// window is (TranslateCoordinates) when the window manager reports it moved,
// which it does as a fullscreen window closes, and the window may be gone by
// the time the question arrives. Only these errors (BadWindow on SendEvent or
// TranslateCoords) are passed over; every other goes to the handler
// installed before.
// Xlib calls it only for X connections, so it does nothing under other video
// drivers.
#pragma once

// Installs the guard in front of the handler in place. Call it before SDL's
// video starts: SDL chains its own handler to the one it finds, and puts that
// one back before it closes its connections, where the error may still wait
// to be read. Installing it over itself changes nothing.
void InstallXErrorGuard();
