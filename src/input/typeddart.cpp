#include "input/typeddart.h"

#include <cctype>
#include <string>

namespace typeddart {

namespace {

// A number of one or two digits without a leading zero ("0" alone is zero); -1 otherwise.
int numberOf(std::string_view digits) {
  if (digits.empty() || digits.size() > 2) return -1;
  if (digits.size() == 2 && digits[0] == '0') return -1;
  int n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::optional<board::Bed> bed(int number, int multiplier) {
  return board::Bed{static_cast<int16_t>(number), static_cast<int16_t>(multiplier)};
}

}  // namespace

bool isCodeCharacter(char32_t ch) {
  if (ch >= U'0' && ch <= U'9') return true;
  if (ch == U'*' || ch == U'/') return true;
  return (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z');
}

std::optional<board::Bed> bedOf(std::string_view code) {
  std::string upper(code);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string_view text(upper);
  if (text == "M" || text == "MISS") return bed(0, 1);
  if (text == "B" || text == "BULL") return bed(25, 2);
  if (text.empty()) return std::nullopt;

  int multiplier = 1;
  bool prefixed = true;
  switch (text.front()) {
    case 'T':
    case '*':
      multiplier = 3;
      break;
    case 'D':
    case '/':
      multiplier = 2;
      break;
    case 'S':
      break;
    default:
      prefixed = false;
  }
  const int n = numberOf(prefixed ? text.substr(1) : text);
  if (!prefixed) {
    if (n == 0) return bed(0, 1);
    if (n == 50) return bed(25, 2);
  }
  if (n >= 1 && n <= 20) return bed(n, multiplier);
  if (n == 25 && multiplier < 3) return bed(25, multiplier);
  return std::nullopt;
}

}  // namespace typeddart
