// Saving the main screen as a PNG picture (the "print" command): where the
// user keeps pictures, and a file name there that replaces nothing.
#pragma once

#include "platform/FrameBuffer.h"

#include <string>

// $XDG_PICTURES_DIR, else what `xdg-user-dir PICTURES` names, else $HOME,
// else the working folder; only an existing folder counts.
std::string PicturesFolder();

// Writes image into folder as quorvanel-<date>-<time>.png, with -2, -3, ...
// added when that name is taken, and puts the file's path into *path. On
// failure returns false with a one-line reason in *error.
bool SaveScreenPicture(const CFrameBuffer& image, const std::string& folder, std::string* path,
                       std::string* error);
