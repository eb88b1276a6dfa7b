// Writes the settings file for the tests that kill a writer, run two writers at once or
// write where the disk refuses. Exit code 0 means the mode's check passed.
//   loop PATH               rewrites three keys together, alternating two long values,
//                           until killed
//   count PATH KEY N        writes 1..N under KEY, one write each
//   limited PATH KEY VALUE  with files limited to 64 bytes (a full disk), the write must
//                           fail and VALUE still read back from memory
//   readonly PATH KEY VALUE the same in a folder that cannot be written (as root the
//                           program first becomes "nobody")

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "store/settingsstore.h"

namespace {

int refusedButRemembered(SettingsStore& store, const std::string& key, const std::string& value) {
  if (store.write(key, value)) return 1;
  return store.read(key) == value ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) return 2;
  const std::string mode = argv[1];
  SettingsStore store(QString::fromLocal8Bit(argv[2]));

  if (mode == "loop") {
    for (int round = 0;; ++round) {
      const std::string value(4000, round % 2 ? 'B' : 'A');
      store.writeMany({{"Name1", value}, {"Name2", value}, {"Rounds1", value}});
    }
  }
  if (mode == "count" && argc == 5) {
    const int n = std::atoi(argv[4]);
    for (int i = 1; i <= n; ++i)
      if (!store.write(argv[3], std::to_string(i))) return 3;
    return 0;
  }
  if (mode == "limited" && argc == 5) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    return refusedButRemembered(store, argv[3], argv[4]);
  }
  if (mode == "readonly" && argc == 5) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
    return refusedButRemembered(store, argv[3], argv[4]);
  }
  return 2;
}
