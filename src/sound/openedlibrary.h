#pragma once
// A system library that the program opens when it first needs it, rather than linking it,
// and keeps open to the end.

#include <dlfcn.h>

namespace sound {

inline void* openLibrary(const char* soname) { return dlopen(soname, RTLD_NOW | RTLD_LOCAL); }

// Points function at the library's symbol of that name, or counts the symbol as missing.
template <typename Function>
void bindSymbol(void* library, const char* name, Function& function, int& missing) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr) ++missing;
}

}  // namespace sound
