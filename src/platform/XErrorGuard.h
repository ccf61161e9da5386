// Keeps one harmless X protocol error from ending the program. SDL wakes its
// own event wait by sending a message to one of its windows over a second X
// connection; when that window is destroyed just then (a popup page that has
// closed), the server answers BadWindow to that message, and Xlib's default
// error handler ends the process on any error. Only that error (BadWindow on
// SendEvent) is passed over; every other goes to the handler installed before.
// For the x11 video driver only.
#pragma once

// Installs the guard in front of the handler in place. Call it whenever SDL's
// video starts: SDL puts back the handler it found when it quits. Installing
// it over itself changes nothing.
void InstallXErrorGuard();
