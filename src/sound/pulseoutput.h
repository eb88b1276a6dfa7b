#pragma once
// The program's output on the sound server: one connection, kept from clip to clip and
// from one sequence to the next, and each sequence of clips played on one stream, the
// samples of each clip written right after those of the one before, so that nothing
// separates them but what the clips themselves hold.

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "sound/clipdata.h"
#include "sound/pulseconnection.h"

namespace pulse {

class Output {
 public:
  Output();
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // Plays the clips back to back on the default output and returns once the last has been
  // heard to its end (the server's latency included), or as soon as the server fails or
  // stops playing. A null entry plays nothing. starting(i) is called on this thread just
  // before clip i is heard, in order, for every clip reached. True when all played whole.
  bool play(const std::vector<const ClipSamples*>& clips,
            const std::function<void(std::size_t)>& starting);

  // The outputs (sinks) that can be heard; the dummy output a server makes on a machine
  // without sound hardware is none. 0 without a server.
  static int countOutputs(Clock::time_point deadline);

 private:
  bool connected();
  bool playRun(const std::vector<const ClipSamples*>& clips, std::size_t first, std::size_t last,
               const std::function<void(std::size_t)>& starting);

  std::unique_ptr<Connection> conn_;
};

}  // namespace pulse
