// Where the desktop keeps a user's files, as the system names them. Defined
// for each system: xdg/ (Linux, and the page's own file system), win32/.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The folders a picture may be saved in, best first; PicturesFolder
// (PictureFiles.h) takes the first that exists and can be written.
std::vector<std::string> PicturesFolderCandidates();

// The folder the game's settings file is kept in (SettingsFile.h); none when
// the system does not say where that is.
std::optional<std::string> SettingsFolder();
