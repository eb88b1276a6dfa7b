#include "journal/playerhistory.h"

#include <algorithm>

#include "journal/historycsv.h"

namespace {

constexpr std::size_t kMovingWindow = 5;

void addPoint(std::vector<FormPoint>& series, std::vector<double>& values, int order,
              std::optional<double> value, std::string label) {
  if (!value) return;
  values.push_back(*value);
  const std::size_t from = values.size() > kMovingWindow ? values.size() - kMovingWindow : 0;
  double sum = 0;
  for (std::size_t i = from; i < values.size(); ++i) sum += values[i];
  series.push_back({.order = order,
                    .value = *value,
                    .movingAverage = sum / static_cast<double>(values.size() - from),
                    .label = std::move(label)});
}

std::string dateOf(const std::string& started) {
  std::string date = started.substr(0, 16);  // 2026-12-08T05:11
  std::replace(date.begin(), date.end(), 'T', ' ');
  return date;
}

}  // namespace

std::string resultFor(const PlayerGame& game) {
  if (game.won) return "won";
  switch (game.outcome) {
    case Outcome::Won:
      return "lost";
    case Outcome::Playing:
      return "in progress";
    case Outcome::Unfinished:
      return "unfinished";
  }
  return {};
}

PlayerForm playerForm(const std::vector<PlayerGame>& games) {
  PlayerForm form;
  std::vector<double> countdownValues;
  std::vector<double> cricketValues;
  int order = 0;
  for (const PlayerGame& g : games) {
    ++order;
    const int16_t type = g.gameType;
    std::string label = dateOf(g.started) + ", " + gameTypeName(type) + ", " + resultFor(g);
    if (rulesFor(type).scoring() == ScoringKind::Marks) {
      addPoint(form.cricket, cricketValues, order, g.figures.cricket.marksPerRound(),
               std::move(label));
    } else {
      addPoint(form.countdown, countdownValues, order, g.figures.countdown.average(),
               std::move(label));
    }
  }
  return form;
}
