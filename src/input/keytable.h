#pragma once
// The keys of plain Cricket on the buttons: which button a typed character presses.

namespace keytable {

// The button 0..7 that a character presses, or -1 when it presses none.
// "+" or "=" next player, "0" 20, "9" 19 ... "5" 15, "-" or "." the bull.
int targetForKey(char32_t ch);

}  // namespace keytable
