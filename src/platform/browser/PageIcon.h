// The page's favicon and theme colour from the game's icon (gfx/AppIcon.h),
// drawn by the program at start so that the page and the desktop show the
// same icon.
#pragma once

void ShowPageIcon();
