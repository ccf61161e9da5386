// Every character the game draws: printable ASCII and each other character
// of the program's texts, in code-point order, as UTF-8. The list lives in
// data/game-characters.txt (built into the program from there), so that
// whatever cuts a font down to what the game needs (the browser build)
// reads the same list; a test keeps it in step with the texts in src/.
#pragma once

#include <string_view>

std::string_view GameCharacters();
