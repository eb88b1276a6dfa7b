#include "game/clip.h"

std::string_view clipName(Clip clip) {
  switch (clip) {
    case Clip::BREAK:
      return "BREAK";
    case Clip::CHALK:
      return "CHALK";
    case Clip::CHANGE:
      return "CHANGE";
    case Clip::FOUR:
      return "FOUR";
    case Clip::ONE:
      return "ONE";
    case Clip::ONLYONE:
      return "ONLYONE";
    case Clip::PLAYER:
      return "PLAYER";
    case Clip::SCORPION:
      return "SCORPION";
    case Clip::THREE:
      return "THREE";
    case Clip::TWO:
      return "TWO";
    case Clip::WAVHIT:
      return "WAVHIT";
    case Clip::WELLDONE:
      return "WELLDONE";
    case Clip::WINS:
      return "WINS";
    case Clip::CALL:
      return "CALL";
  }
  return "";
}
