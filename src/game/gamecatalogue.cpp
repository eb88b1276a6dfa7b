#include "game/gamecatalogue.h"

#include <array>

#include "game/aroundtheclockrules.h"
#include "game/countdownrules.h"
#include "game/countuprules.h"
#include "game/cricketrules.h"
#include "game/game.h"
#include "game/shanghairules.h"

namespace {

const CricketRules kCricketRules(CricketRules::Variant::Classic);
const CricketRules kRandomCricketRules(CricketRules::Variant::Random);
const CountdownRules k301Rules(301);
const CountdownRules k501Rules(501);
const CountdownRules kRandomCountdownRules(0);  // a start drawn for each game
const CountdownRules k701Rules(701);
const CricketRules kCutThroatRules(CricketRules::Variant::CutThroat);
const AroundTheClockRules kAroundTheClockRules;
const ShanghaiRules kShanghaiRules;
const CountUpRules kCountUpRules;

const std::array<GameKind, kGameKinds> kGames = {{
    {kCricket, "Cricket", kCricketRules},
    {kRandomCricket, "Random Cricket", kRandomCricketRules},
    {k301, "301", k301Rules},
    {k501, "501", k501Rules},
    {kRandomCountdown, "Random Countdown", kRandomCountdownRules},
    {k701, "701", k701Rules},
    {kCutThroatCricket, "Cut-Throat Cricket", kCutThroatRules},
    {kAroundTheClock, "Around the Clock", kAroundTheClockRules},
    {kShanghai, "Shanghai", kShanghaiRules},
    {kCountUp, "Count-Up", kCountUpRules},
}};

// The row of a game type: the types are numbered as the rows are listed.
const GameKind* kindOf(int16_t gameType) {
  const auto row = static_cast<std::size_t>(gameType);
  return gameType >= 0 && row < kGames.size() && kGames[row].type == gameType ? &kGames[row]
                                                                              : nullptr;
}

}  // namespace

std::span<const GameKind, kGameKinds> gameKinds() { return kGames; }

const GameRules& rulesFor(int16_t gameType) {
  if (const GameKind* kind = kindOf(gameType)) return kind->rules;
  return gameType < 0 ? kGames.front().rules : k501Rules;
}

std::string_view gameCaption(int16_t gameType) {
  const GameKind* kind = kindOf(gameType);
  return kind ? kind->caption : std::string_view();
}
