#pragma once
// Test helpers: a recorder of the private server's null sink, and the search for the
// clips in that recording by cross-correlation.

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sound/clipdata.h"

// Records what the null sink plays, 22050 Hz mono like the clips, in 10 ms pieces.
class MonitorRecorder {
 public:
  bool start() {
    const char* sink = std::getenv("PULSE_SINK");
    if (sink == nullptr) return false;
    const std::string monitor = std::string(sink) + ".monitor";
    const pa_sample_spec spec{PA_SAMPLE_S16NE, 22050, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.fragsize = 441;
    int error = 0;
    pa_ = pa_simple_new(nullptr, "brindlemark-test", PA_STREAM_RECORD, monitor.c_str(),
                        "monitor", &spec, nullptr, &attr, &error);
    if (pa_ == nullptr) return false;
    thread_ = std::thread([this] {
      std::vector<int16_t> piece(220);
      while (!stop_) {
        int error = 0;
        if (pa_simple_read(pa_, piece.data(), piece.size() * sizeof(int16_t), &error) < 0) break;
        samples_.insert(samples_.end(), piece.begin(), piece.end());

      }
    });
    return true;
  }
  std::vector<int16_t> stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (pa_ != nullptr) pa_simple_free(pa_);
    pa_ = nullptr;
    return samples_;
  }
  ~MonitorRecorder() { stop(); }

 private:
  pa_simple* pa_ = nullptr;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::vector<int16_t> samples_;
};

namespace soundcheck {

using cplx = std::complex<double>;

inline void fft(std::vector<cplx>& a, bool inverse) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const double angle = 2 * M_PI / double(len) * (inverse ? 1 : -1);
    const cplx wlen(std::cos(angle), std::sin(angle));
    for (std::size_t i = 0; i < n; i += len) {
      cplx w(1);
      for (std::size_t k = 0; k < len / 2; ++k) {
        const cplx u = a[i + k];
        const cplx v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        w *= wlen;
      }
    }
  }
  if (inverse)
    for (auto& x : a) x /= double(n);
}

// corr[lag] = sum over i of rec[lag + i] * clip[i], for every lag the clip fits at.
inline std::vector<double> crossCorrelate(const std::vector<int16_t>& rec,
                                          const std::vector<int16_t>& clip) {
  if (clip.size() > rec.size()) return {};
  std::size_t n = 1;
  while (n < rec.size() + clip.size()) n <<= 1;
  std::vector<cplx> a(n), b(n);
  std::copy(rec.begin(), rec.end(), a.begin());
  for (std::size_t i = 0; i < clip.size(); ++i) b[i] = double(clip[i]);
  fft(a, false);
  fft(b, false);
  for (std::size_t i = 0; i < n; ++i) a[i] *= std::conj(b[i]);
  fft(a, true);
  std::vector<double> corr(rec.size() - clip.size() + 1);
  for (std::size_t lag = 0; lag < corr.size(); ++lag) corr[lag] = a[lag].real();
  return corr;
}

struct Found {
  std::size_t start = 0;    // first sample of the clip in the recording
  double mismatch = 1.0;    // energy of (recording - clip) over that span / energy of the clip
  std::size_t lastOff = 0;  // one past the last sample that differs by more than 2
};

// The first place at or after `from` where the recording holds the clip: the first
// lag whose correlation reaches half the clip's energy, refined to the best lag within
// one clip length after it. (The same clip played twice correlates equally well at
// both places, so the overall best would skip the earlier one.)
inline std::optional<Found> locate(const std::vector<int16_t>& rec, const ClipSamples& clip,
                                   std::size_t from) {
  const auto corr = crossCorrelate(rec, clip.samples);
  double energy = 0;
  for (int16_t c : clip.samples) energy += double(c) * c;
  std::size_t lag = from;
  while (lag < corr.size() && corr[lag] < 0.5 * energy) ++lag;
  if (lag >= corr.size()) return std::nullopt;
  const auto end = corr.begin() + std::ptrdiff_t(std::min(corr.size(), lag + clip.samples.size()));
  Found f;
  f.start = std::size_t(std::max_element(corr.begin() + std::ptrdiff_t(lag), end) - corr.begin());
  double diff = 0;
  for (std::size_t i = 0; i < clip.samples.size(); ++i) {
    const double d = rec[f.start + i] - double(clip.samples[i]);
    diff += d * d;
    if (std::abs(d) > 2) f.lastOff = i + 1;
  }
  f.mismatch = diff / energy;
  return f;
}

}  // namespace soundcheck
