#include "game/clsplayer.h"

#include "game/int16.h"

std::size_t clsPlayer::slot(int n) {
  // Callers pass only target numbers; anything else falls on the unused slot 0.
  return (n >= 1 && n <= 25) ? static_cast<std::size_t>(n) : 0;
}

bool clsPlayer::Closed(int C) const { return closed[slot(C)]; }

int16_t clsPlayer::TimesHit(int Num) const { return times_hit[slot(Num)]; }

void clsPlayer::Hit(int HitNum) {
  const std::size_t i = slot(HitNum);
  times_hit[i] = clamp16(long{times_hit[i]} + 1);
  if (times_hit[i] == 3) closed[i] = true;
  pushHistory(static_cast<int16_t>(HitNum));
}

void clsPlayer::pushHistory(int16_t n) {
  last_hit[2] = last_hit[1];
  last_hit[1] = last_hit[0];
  last_hit[0] = n;
}

void clsPlayer::Undo_Hit(bool scored) {
  const int n = last_hit[0];
  const std::size_t i = slot(n);
  if (i == 0) return;  // no mark to take back
  times_hit[i] = clamp16(long{times_hit[i]} - 1);
  if (times_hit[i] < 3) {
    closed[i] = false;
  } else if (scored) {
    score = clamp16(long{score} - n);  // the mark beyond the third had scored its face value
  }
}

void clsPlayer::Reset() {
  closed.fill(false);
  times_hit.fill(0);
  score = 0;
  is_in = false;
}
