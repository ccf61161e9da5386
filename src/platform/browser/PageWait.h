// Waiting for the web page: the program tells the page it is idle (everything
// painted, the last script line carried out) and sleeps until the page has
// queued input or a script line. The sleep suspends the program and returns
// to the browser (ASYNCIFY), so the page stays live meanwhile.
#pragma once

void WaitForPage();
// Ends a WaitForPage in progress (or makes the next one return at once).
void WakeFromPage();
