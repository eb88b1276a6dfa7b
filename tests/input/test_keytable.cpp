// The key table of plain Cricket on the buttons.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "input/keytable.h"

TEST(KeyTable, MapsLastDigitsAndSignsToButtons) {
  const std::u32string keys = U"+=0987655-.";
  const int buttons[] = {0, 0, 1, 2, 3, 4, 5, 6, 6, 7, 7};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keytable::buttonForChar(keys[i]), buttons[i]) << "key " << i;
  }
  for (char32_t ch : std::u32string_view(U"1234*/aB \n")) EXPECT_EQ(keytable::buttonForChar(ch), -1);
}
