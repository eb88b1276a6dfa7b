#pragma once
// One seat's record: marks and closed numbers (Cricket), the score, the "in" flag
// (countdown games) and the history of the latest marks.

#include <array>
#include <cstdint>

class PlayerRecord {
 public:
  // Numbers are the board numbers themselves: 1..20 and 25 for the bull.
  bool isClosed(int number) const;
  int16_t marks(int number) const;
  void addMark(int number);
  // Takes back one mark on the latest number; scored tells whether that mark had scored.
  void takeBackMark(bool scored);
  // The number of the latest mark, 0 before the first.
  int16_t latestMark() const { return latestMark_; }

  bool isIn() const { return in_; }
  void setIn(bool in) { in_ = in; }
  int16_t score() const { return score_; }
  void setScore(int16_t score) { score_ = score; }
  void reset();

  bool operator==(const PlayerRecord&) const = default;

 private:
  static std::size_t slot(int number);

  std::array<bool, 26> closed_{};
  std::array<int16_t, 26> marks_{};
  int16_t score_ = 0;
  int16_t latestMark_ = 0;
  bool in_ = false;
};
