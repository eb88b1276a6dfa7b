// Typed dart codes: what a player types for each bed, and what names none.

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "input/typeddart.h"

namespace {

struct Row {
  std::string_view code;
  std::optional<board::Bed> bed;
};

constexpr board::Bed bed(int number, int multiplier) {
  return {static_cast<int16_t>(number), static_cast<int16_t>(multiplier)};
}

}  // namespace

TEST(TypedDart, CodesNameTheirBeds) {
  const Row rows[] = {
      {"T20", bed(20, 3)},  {"t20", bed(20, 3)},  {"D16", bed(16, 2)}, {"d1", bed(1, 2)},
      {"S5", bed(5, 1)},    {"5", bed(5, 1)},     {"20", bed(20, 1)},  {"1", bed(1, 1)},
      {"*20", bed(20, 3)},  {"/16", bed(16, 2)},  {"*1", bed(1, 3)},   {"25", bed(25, 1)},
      {"S25", bed(25, 1)},  {"/25", bed(25, 2)},  {"D25", bed(25, 2)}, {"BULL", bed(25, 2)},
      {"bull", bed(25, 2)}, {"Bull", bed(25, 2)}, {"B", bed(25, 2)},   {"b", bed(25, 2)},
      {"50", bed(25, 2)},   {"M", bed(0, 1)},     {"m", bed(0, 1)},    {"Miss", bed(0, 1)},
      {"0", bed(0, 1)},     {"T19", bed(19, 3)},  {"s20", bed(20, 1)},
  };
  for (const Row& row : rows) EXPECT_EQ(typeddart::bedOf(row.code), row.bed) << row.code;
}

// Among them: three digits, leading zeros or not, and letters that are no prefix.
TEST(TypedDart, CodesThatNameNoBedEnterNothing) {
  for (const std::string_view code :
       {"",    "T21", "D0",  "T0",    "S0",  "X99", "21",  "26",   "49",   "51",
        "T25", "*25", "*50", "D50",   "05",  "T05", "00",  "T",    "D",    "S",
        "*",   "/",   "BU",  "BULLS", "MM",  "T2O", "20T", "**20", "T 20", " 5",
        "100", "-5",  "020", "T020",  "001", "C",   "A",   "TC"}) {
    EXPECT_EQ(typeddart::bedOf(code), std::nullopt) << '"' << code << '"';
  }
}

// Digits, the two number-pad signs and the letters a to z in either case; not the
// characters on either side of the letters.
TEST(TypedDart, OnlyCodeCharactersGoIntoTheCode) {
  for (const char32_t ch : std::u32string_view(U"0123456789*/TtDdSsBbUuLlMmXxAaZz"))
    EXPECT_TRUE(typeddart::isCodeCharacter(ch)) << static_cast<int>(ch);
  for (const char32_t ch : std::u32string_view(U" +-=.@[`{\n\r\t\x1b\u00e9"))
    EXPECT_FALSE(typeddart::isCodeCharacter(ch)) << static_cast<int>(ch);
}
