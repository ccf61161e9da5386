// CGameForScripts: the running game as scripts see it (the state line, the
// generator to re-seed).
#pragma once

#include "automation/ScriptedGame.h"

class CQuorvanelView;

class CGameForScripts final : public CScriptedGame {
public:
    explicit CGameForScripts(CQuorvanelView& view) : view_(view) {}

    std::string StateLine() override;
    void Reseed(std::uint64_t seed) override;

private:
    CQuorvanelView& view_;
};
