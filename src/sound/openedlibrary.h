#pragma once
// A system library that the program opens when it first needs it, rather than linking it,
// and keeps open to the end.

#include <dlfcn.h>

#include <type_traits>

namespace sound {

// Opens the library and fills table with its functions: bindAll(bind) calls
// bind("symbol", table.function) for each. Returns the table, or null when the library
// cannot be opened or lacks one of them.
template <typename Table, typename BindAll>
const Table* openLibrary(const char* soname, Table& table, BindAll bindAll) {
  void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  bool complete = true;
  bindAll([&](const char* name, auto& function) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
    complete = complete && function != nullptr;
  });
  return complete ? &table : nullptr;
}

}  // namespace sound
