// Pictures in the browser build: encoded by the browser's own PNG encoder.
#pragma once

#include "gfx/FrameBuffer.h"

#include <string>

// Offers image to the player as a download named name. On failure returns
// false with the reason in *reason.
bool OfferPng(const CFrameBuffer& image, const std::string& name, std::string* reason);
