#include "game/playerrecord.h"

#include "game/int16.h"

std::size_t PlayerRecord::slot(int number) {
  // Callers pass only target numbers; anything else falls on the unused slot 0.
  return (number >= 1 && number <= 25) ? static_cast<std::size_t>(number) : 0;
}

bool PlayerRecord::isClosed(int number) const { return closed_[slot(number)]; }

int16_t PlayerRecord::marks(int number) const { return marks_[slot(number)]; }

void PlayerRecord::addMark(int number) {
  const std::size_t i = slot(number);
  marks_[i] = clamp16(long{marks_[i]} + 1);
  if (marks_[i] == 3) closed_[i] = true;
  latestMark_ = static_cast<int16_t>(number);
}

void PlayerRecord::takeBackMark(bool scored) {
  const int number = latestMark_;
  const std::size_t i = slot(number);
  if (i == 0) return;  // no mark to take back
  marks_[i] = clamp16(long{marks_[i]} - 1);
  if (marks_[i] < 3) {
    closed_[i] = false;
  } else if (scored) {
    score_ = clamp16(long{score_} - number);  // the mark beyond the third had scored its number
  }
}

void PlayerRecord::reset() {
  closed_.fill(false);
  marks_.fill(0);
  latestMark_ = 0;  // no mark of the last game can be taken back in the next
  score_ = 0;
  in_ = false;
}
