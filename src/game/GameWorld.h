// CGameWorld: the state a fight reads and changes besides the hero. The app
// passes the program-wide objects (ProgramWorld()); tests pass fresh ones.
#pragma once

class CRoster;
class CDefeatTally;
class CRandom;
class CItemSerials;

struct CGameWorld {
    const CRoster& roster;
    CDefeatTally& tally;
    CRandom& random;
    CItemSerials& serials;
};
