// The desktop's pictures: the folder they go to and the names they get.
#pragma once

#include "gfx/FrameBuffer.h"
#include "platform/Platform.h"

#include <ctime>
#include <string>
#include <string_view>

// The first of the system's folders for pictures (UserFolders.h: on Linux
// $XDG_PICTURES_DIR, `xdg-user-dir PICTURES`, $HOME; on Windows the Pictures
// folder) that exists and can be written, else the current folder. Always
// an absolute path.
std::string PicturesFolder();

// suggestedName stamped with the local time when, and numbered from copy 2
// on: "quorvanel.png" gives "quorvanel-20261208-001132.png", then
// "quorvanel-20261208-001132-2.png". Only the name's last path component is
// used; the picture is a PNG whatever the extension suggested.
std::string PictureFileName(std::string_view suggestedName, std::time_t when, int copy);

// Saves image in folder as a new file named by PictureFileName, replacing
// nothing and leaving nothing behind on failure.
SavedPicture SavePictureInFolder(const CFrameBuffer& image, std::string_view suggestedName,
                                 const std::string& folder, std::time_t when);
