// The key table of plain Cricket on the buttons.

#include <gtest/gtest.h>

#include <string_view>

#include "input/keytable.h"

TEST(KeyTable, MapsLastDigitsAndSignsToButtons) {
  const std::u32string_view keys = U"+=098765-.1234*/aB \n";
  const int buttons[] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 7, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  for (std::size_t i = 0; i < keys.size(); ++i)
    EXPECT_EQ(keytable::targetForKey(keys[i]), buttons[i]) << i;
}
