#pragma once
// Test helpers: the window started in a private config folder, a recording of what the
// private server's null sink played, and the search for the clips in that recording by
// cross-correlation.

#include <pulse/simple.h>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "../ui/windowsetup.h"
#include "game/clip.h"
#include "sound/clipdata.h"

namespace soundcheck {

// The window as the program starts it (without the splash), with its settings and game
// journal in a folder of its own.
struct StartedWindow {
  PrivateHome home;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
  StartedWindow() {
    window->showSplash = nullptr;
    window->start();
  }
};

// What the null sink played while `action` ran, 22050 Hz mono like the clips, or nothing
// when its monitor cannot be recorded.
inline std::vector<int16_t> recordWhile(const std::function<void()>& action) {
  const QByteArray sink = qgetenv("PULSE_SINK");
  if (sink.isEmpty()) return {};
  const pa_sample_spec format{PA_SAMPLE_S16NE, 22050, 1};
  // Read in pieces of 10 ms.
  const pa_buffer_attr attr{uint32_t(-1), uint32_t(-1), uint32_t(-1), uint32_t(-1), 441};
  pa_simple* pa =
      pa_simple_new(nullptr, "brindlemark-test", PA_STREAM_RECORD, (sink + ".monitor").constData(),
                    "monitor", &format, nullptr, &attr, nullptr);
  if (pa == nullptr) return {};
  std::vector<int16_t> samples;
  std::atomic<bool> stop{false};
  std::thread recorder([&] {
    std::vector<int16_t> piece(220);
    while (!stop && pa_simple_read(pa, piece.data(), piece.size() * sizeof(int16_t), nullptr) >= 0)
      samples.insert(samples.end(), piece.begin(), piece.end());
  });
  QTest::qWait(150);
  action();
  QTest::qWait(300);
  stop = true;
  recorder.join();
  pa_simple_free(pa);
  return samples;
}

// The discrete Fourier transform, in place; the size is a power of two.
inline void fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    if (i < (j ^= bit)) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> wlen = std::polar(1.0, -2 * M_PI / double(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> w(1);
      for (std::size_t k = 0; k < len / 2; ++k, w *= wlen) {
        const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
      }
    }
  }
}

// The first place at or after `at` where the recording holds the clip: the first lag
// whose cross-correlation reaches half the clip's energy, refined to the best lag within
// one clip length after it. (The same clip played twice correlates equally well at both
// places, so the overall best would skip the earlier one.)
inline std::optional<std::size_t> locate(const std::vector<int16_t>& rec,
                                         const std::vector<int16_t>& clip, std::size_t at) {
  if (clip.size() > rec.size()) return std::nullopt;
  std::size_t n = 1;
  while (n < rec.size() + clip.size()) n <<= 1;
  std::vector<std::complex<double>> a(n), b(n);
  std::copy(rec.begin(), rec.end(), a.begin());
  std::copy(clip.begin(), clip.end(), b.begin());
  fft(a);
  fft(b);
  // The transform of the conjugate is the inverse transform, conjugated and n times over:
  // the real part of a[lag] becomes n times the sum over i of rec[lag + i] * clip[i].
  for (std::size_t i = 0; i < n; ++i) a[i] = std::conj(a[i]) * b[i];
  fft(a);
  double energy = 0;
  for (int16_t c : clip) energy += double(c) * c;
  const std::size_t lags = rec.size() - clip.size() + 1;
  std::size_t lag = at;
  while (lag < lags && a[lag].real() < 0.5 * energy * double(n)) ++lag;
  if (lag >= lags) return std::nullopt;
  for (const std::size_t end = std::min(lags, lag + clip.size()); lag < end; ++lag)
    if (a[lag].real() > a[at].real()) at = lag;
  return at;
}

// The clips found one after another in a recording: where each starts (in samples), and
// the loudest sample left once every clip found is taken out of the recording. Nothing
// may be left when each was heard once, whole, and mixed with no other. A clip not found
// ends the list early. The search starts at sample `from`, and only what follows counts.
struct Heard {
  std::vector<std::size_t> starts;
  std::vector<std::size_t> ends;
  int32_t leftover = 0;

  // The silence between the end of clip i and the start of clip i + 1, in milliseconds.
  double gapMs(std::size_t i) const { return double(starts[i + 1] - ends[i]) * 1000.0 / 22050; }
};

inline Heard takeOut(const std::vector<int16_t>& rec, const std::vector<Clip>& clips,
                     std::size_t from = 0) {
  Heard heard;
  std::vector<int32_t> rest(rec.begin() + std::ptrdiff_t(std::min(from, rec.size())), rec.end());
  rest.insert(rest.begin(), std::min(from, rec.size()), 0);
  for (Clip c : clips) {
    const ClipSamples clip = decodeClip(clipName(c)).value();
    const auto start = locate(rec, clip.samples, from);
    if (!start) break;
    for (std::size_t i = 0; i < clip.samples.size(); ++i) rest[*start + i] -= clip.samples[i];
    heard.starts.push_back(*start);
    from = *start + clip.frames();
    heard.ends.push_back(from);
  }
  for (int32_t r : rest) heard.leftover = std::max(heard.leftover, std::abs(r));
  return heard;
}

}  // namespace soundcheck
