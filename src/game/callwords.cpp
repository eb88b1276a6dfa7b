#include "game/callwords.h"

#include <array>

namespace callwords {

namespace {

constexpr std::array<const char*, 20> kUnits = {
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 10> kTens = {"",      "",      "twenty",  "thirty", "forty",
                                               "fifty", "sixty", "seventy", "eighty", "ninety"};

std::string belowHundred(int n) {
  if (n < 20) return kUnits[static_cast<std::size_t>(n)];
  std::string words = kTens[static_cast<std::size_t>(n / 10)];
  if (n % 10 != 0) words += std::string("-") + kUnits[static_cast<std::size_t>(n % 10)];
  return words;
}

}  // namespace

std::string number(int n) {
  if (n < 0 || n > 999) return std::to_string(n);
  if (n < 100) return belowHundred(n);
  std::string words = belowHundred(n / 100) + " hundred";
  if (n % 100 != 0) words += " and " + belowHundred(n % 100);
  return words;
}

std::string turnScore(int points) { return points == 0 ? "no score" : number(points); }

std::string youRequire(int points) { return "you require " + number(points); }

std::string gameShot(bool andTheMatch) {
  return andTheMatch ? "game shot, and the match" : "game shot";
}

std::string marks(int count) { return number(count) + " marks"; }

}  // namespace callwords
