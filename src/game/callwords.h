#pragma once
// What the caller says, in words, as a caller at a match says it: "one hundred and eighty",
// "no score", "bust", "you require thirty-two", "game shot", "seven marks".

#include <string>

namespace callwords {

// A number 0..999 in words: "eleven", "forty-one", "one hundred", "one hundred and one".
std::string number(int n);
// A settled countdown turn's score: "no score" for 0, else its number.
std::string turnScore(int points);
inline constexpr const char* kBust = "bust";
// What the next thrower needs to finish: "you require thirty-two".
std::string youRequire(int points);
// A leg won, and a leg that won the match.
std::string gameShot(bool andTheMatch);
// A Cricket turn's marks: "seven marks".
std::string marks(int count);

}  // namespace callwords
