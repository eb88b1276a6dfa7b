#include "input/keytable.h"

namespace keytable {

int targetForKey(char32_t ch) {
  switch (ch) {
    case U'+':
    case U'=':
      return 0;
    case U'0':
      return 1;
    case U'9':
      return 2;
    case U'8':
      return 3;
    case U'7':
      return 4;
    case U'6':
      return 5;
    case U'5':
      return 6;
    case U'-':
    case U'.':
      return 7;
    default:
      return -1;
  }
}

}  // namespace keytable
