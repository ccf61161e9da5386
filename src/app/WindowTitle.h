// The main window's title: the document name first, then the application
// title, as a document window of a desktop is titled. The document is always
// "Quorvanel"; the application title is what a title bar or a dock shows for
// the game itself. Plain ASCII, so that window tools match it in any locale.
#pragma once

#include <string>

inline constexpr const char* kDocumentName = "Quorvanel";
inline constexpr const char* kApplicationTitle = "Training Grounds";

// "Quorvanel - Training Grounds".
inline std::string MainWindowTitle() { return std::string(kDocumentName) + " - " + kApplicationTitle; }
