#include "ui/fontwarmup.h"

#include <dlfcn.h>
#include <QFontDatabase>
#include <QStringList>

namespace {

using FcInitFunction = int (*)();

}  // namespace

FontWarmUp::FontWarmUp() {
  // Qt's text support brings fontconfig with it; its initialisation is looked up by name
  // among the libraries already loaded, so that the program needs nothing more to build.
  auto* init = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
  reader_ = std::thread([init, fill = fill_.get_future()]() mutable {
    if (init) init();
    // Qt's font database may be used from any thread once the application is made.
    if (fill.get()) QFontDatabase::families();
  });
}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::tell(bool fill) {
  if (told_) return;
  told_ = true;
  fill_.set_value(fill);
}

void FontWarmUp::wait() {
  tell(false);
  if (reader_.joinable()) reader_.join();
}
