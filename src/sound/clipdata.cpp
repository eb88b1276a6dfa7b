#include "sound/clipdata.h"

#include <sndfile.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cstring>

#include "sound/openedlibrary.h"

namespace {

// libsndfile reads the clip straight from memory through these callbacks.
struct MemoryFile {
  const char* data = nullptr;
  sf_count_t size = 0;
  sf_count_t pos = 0;
};

sf_count_t memLength(void* user) { return static_cast<MemoryFile*>(user)->size; }

sf_count_t memSeek(sf_count_t offset, int whence, void* user) {
  auto* f = static_cast<MemoryFile*>(user);
  sf_count_t base = 0;
  if (whence == SEEK_CUR) base = f->pos;
  if (whence == SEEK_END) base = f->size;
  f->pos = std::clamp<sf_count_t>(base + offset, 0, f->size);
  return f->pos;
}

sf_count_t memRead(void* ptr, sf_count_t count, void* user) {
  auto* f = static_cast<MemoryFile*>(user);
  const sf_count_t n = std::clamp<sf_count_t>(count, 0, f->size - f->pos);
  if (n > 0) std::memcpy(ptr, f->data + f->pos, static_cast<std::size_t>(n));
  f->pos += n;
  return n;
}

sf_count_t memWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t memTell(void* user) { return static_cast<MemoryFile*>(user)->pos; }

// libsndfile is opened when the first clip is decoded, not linked: with the codec
// libraries it brings along it would otherwise be loaded, at some cost, at every start.
struct Sndfile {
  decltype(&sf_open_virtual) openVirtual = nullptr;
  decltype(&sf_readf_short) readShorts = nullptr;
  decltype(&sf_close) close = nullptr;
};

// Null when libsndfile cannot be opened: then no clip is heard, and nothing else changes.
const Sndfile* sndfile() {
  static Sndfile lib;
  static const Sndfile* const kOpened =
      sound::openLibrary("libsndfile.so.1", lib, [](const auto& bind) {
        bind("sf_open_virtual", lib.openVirtual);
        bind("sf_readf_short", lib.readShorts);
        bind("sf_close", lib.close);
      });
  return kOpened;
}

}  // namespace

std::optional<ClipSamples> decodeClip(std::string_view name) {
  // A clip's name is one upper-case word; anything else would be a path.
  if (name.empty() ||
      !std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
    return std::nullopt;
  QFile file(QStringLiteral(":/clips/%1.flac")
                 .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  const Sndfile* sf = sndfile();
  if (sf == nullptr) return std::nullopt;

  MemoryFile mem{bytes.constData(), bytes.size(), 0};
  SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
  SF_INFO info{};
  SNDFILE* sound = sf->openVirtual(&io, SFM_READ, &info, &mem);
  if (sound == nullptr) return std::nullopt;

  ClipSamples clip;
  if (info.frames > 0 && info.channels >= 1 && info.channels <= 8 && info.samplerate >= 1000 &&
      info.samplerate <= 192000) {
    clip.rate = info.samplerate;
    clip.channels = info.channels;
    clip.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t got = sf->readShorts(sound, clip.samples.data(), info.frames);
    clip.samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(got, 0) * info.channels));
  }
  sf->close(sound);
  if (clip.samples.empty()) return std::nullopt;
  return clip;
}
