#include "ui/fontwarmup.h"

#include <dlfcn.h>

namespace {

using FcInitFunction = int (*)();

}  // namespace

FontConfigurationWarmUp::FontConfigurationWarmUp() {
  // Qt's text support brings fontconfig with it; its initialisation is looked up by name
  // among the libraries already loaded, so that the program needs nothing more to build.
  auto* init = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
  if (!init) return;
  reader_ = std::thread([init] { init(); });
  started_ = true;
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() { wait(); }

void FontConfigurationWarmUp::wait() {
  if (reader_.joinable()) reader_.join();
}
