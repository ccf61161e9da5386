// The game state as one line of JSON, read from the game objects and from
// the main screen's widgets, its texts in Chinese whatever the language
// (so that a recording replays to the same line in any language):
//   {"hero":{"name","level","exp","levelCap","maxSkills","stats":[a,d,hp],
//            "total":[a,d,hp],"skills":[ids],"books":[[id,count]],
//            "bag":[[serial,itemId]],"equipment":[[serial,itemId],[serial,itemId]]},
//    "tally":[[monsterIndex,count]],"task":{"stage"},"panel":"grid"|"tasks",
//    "levelText","expText","fights":[{"enabled","hint"}]}
// "stats" are the bare stats, "total" what battle uses; "tally" lists the
// roster monsters defeated at least once, in roster order; "fights" has one
// entry per fight button, in roster order.
#pragma once

#include <string>

class CQuorvanelView;

std::string StateJson(CQuorvanelView& view);
