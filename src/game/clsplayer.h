#pragma once
// One seat's record: marks and closed numbers (Cricket), the score, the "in" flag
// (countdown games) and the history of the latest marks.

#include <array>
#include <cstdint>
#include <string>

class clsPlayer {
 public:
  // Numbers are the board numbers themselves: 1..20 and 25 for the bull.
  bool Closed(int C) const;
  void Hit(int HitNum);
  void IsIn(bool value) { is_in = value; }
  bool IsIn() const { return is_in; }
  int16_t LHit() const { return last_hit[0]; }
  void Name(const std::string& value) { name = value; }
  const std::string& Name() const { return name; }
  void Reset();
  int16_t Score() const { return score; }
  void Score(int16_t value) { score = value; }
  int16_t TimesHit(int Num) const;
  // Takes back one mark on the latest number; scored tells whether that mark had scored.
  void Undo_Hit(bool scored);

  bool operator==(const clsPlayer&) const = default;

 private:
  static std::size_t slot(int n);
  void pushHistory(int16_t n);

  std::array<bool, 26> closed{};
  std::array<int16_t, 26> times_hit{};
  int16_t score = 0;
  std::array<int16_t, 3> last_hit{};
  std::string name;
  bool is_in = false;
};
