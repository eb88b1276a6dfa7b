#include "game/computercalibration.h"

#include <random>

#include "game/checkout.h"
#include "game/computer.h"

LegFigures playLegs(double sigma, int legs, uint32_t seed) {
  std::mt19937 engine(seed);
  Game game;
  game.soundOn = false;
  game.options = {.gameType = k501, .playerCount = 1, .inOutRule = 0};
  long darts = 0;
  long atFinish = 0;
  long finishes = 0;
  for (int leg = 0; leg < legs; ++leg) {
    game.startGame();
    while (game.state().inPlay) {
      const GameState& state = game.state();
      const int remaining = game.player(1).score() - state.turnTotal;
      const ComputerAim aim = computer::aimFor(game.options, state);
      // The darts after a turn has reached 0 are thrown off the board and not counted.
      const bool counted = remaining > 0;
      // One dart can finish it.
      const CheckoutSituation oneDart{.remaining = remaining, .dartsLeft = 1, .playerIn = true};
      const bool finishable = remaining > 0 && !CheckoutRoute::find(oneDart).empty();
      const BoardPoint at = computer::landing(computer::aimPoint(aim), sigma, engine);
      game.throwDart(at.x, at.y);
      if (!counted) continue;
      ++darts;
      if (finishable) {
        ++atFinish;
        const bool finished =
            game.state().inPlay ? game.player(1).score() - game.state().turnTotal == 0 : true;
        if (finished) ++finishes;
      }
    }
  }
  LegFigures f;
  f.average = darts == 0 ? 0 : 501.0 * legs / static_cast<double>(darts) * 3;
  f.dartsPerLeg = static_cast<double>(darts) / legs;
  f.checkoutShare =
      atFinish == 0 ? 0 : static_cast<double>(finishes) / static_cast<double>(atFinish);
  return f;
}
