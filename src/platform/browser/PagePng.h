// Pictures in the browser build: encoded by the browser's own PNG encoder.
#pragma once

#include "gfx/FrameBuffer.h"

#include <string>

// Offers image to the player as a download named name; fails with the reason
// in the game's language.
CErrorOr<void> OfferPng(const CFrameBuffer& image, const std::string& name);
