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

#include <string>

#include "store/settingsstore.h"

int main(int argc, char* argv[]) {
  if (argc < 3) return 2;
  const std::string mode = argv[1];
  SettingsStore store(QString::fromLocal8Bit(argv[2]));
  for (int round = 0; mode == "loop"; ++round) {
    const std::string value(4000, round % 2 ? 'B' : 'A');
    store.writeMany({{"Name1", value}, {"Name2", value}, {"Rounds1", value}});
  }
  if (argc != 5) return 2;
  if (mode == "count") {
    for (int i = 1; i <= std::stoi(argv[4]); ++i)
      if (!store.write(argv[3], std::to_string(i))) return 3;
    return 0;
  }
  const rlimit limit{64, 64};
  const bool ready = mode == "limited"
                         ? signal(SIGXFSZ, SIG_IGN) != SIG_ERR && !setrlimit(RLIMIT_FSIZE, &limit)
                         : mode == "readonly" && (geteuid() || (!setgid(65534) && !setuid(65534)));
  if (!ready) return 2;
  return !store.write(argv[3], argv[4]) && store.read(argv[3]) == argv[4] ? 0 : 1;
}
