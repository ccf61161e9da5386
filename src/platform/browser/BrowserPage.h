// What the program in a web page exchanges with the page beyond windows and
// input: the script lines the page sends (quorvanel.command), the lines the
// program prints in answer, the session's recording (quorvanel.recording),
// and the end of the game.
#pragma once

#include <optional>
#include <string>

namespace BrowserPage {

// Whether the page has sent a script line not yet taken.
bool LineWaiting();
// The next script line, waiting (idle, the page live) until one comes.
std::string NextLine();
// An answer to the script line being carried out.
void Print(const std::string& line);
// A line of the session's recording.
void Record(const std::string& line);
// The game's windows are gone: the page shows that the game is over.
void GameOver();
// The program has ended with code (0, or 1 or 2 with error); a failure
// shows its reason in the page.
void Finished(int code, const std::string& error);

}  // namespace BrowserPage
