#include "store/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
// A copy killed between creating the lock file and filling it in leaves a lock without
// an owner; after this long such a lock is taken over.
constexpr int kStaleLockMs = 5000;
constexpr int kLockWaitMs = 10000;

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool isQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// A value in double quotes keeps its blanks, and there "\n", "\r" and "\\" stand for a
// line feed, a carriage return and a backslash; the quotes are not part of the value.
// Any other backslash is itself, as a hand-edited file means it.
std::string valueOf(std::string_view text) {
  if (!isQuoted(text)) return std::string(text);
  const std::string_view inner = text.substr(1, text.size() - 2);
  std::string value;
  value.reserve(inner.size());
  for (size_t i = 0; i < inner.size(); ++i) {
    const char next = i + 1 < inner.size() ? inner[i + 1] : '\0';
    if (inner[i] == '\\' && (next == 'n' || next == 'r' || next == '\\')) {
      value += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
      ++i;
    } else {
      value += inner[i];
    }
  }
  return value;
}

// The value as the file holds it on one line: as it is where it can be read back so,
// otherwise in double quotes with its line breaks and backslashes escaped.
std::string quotedIfNeeded(const std::string& value) {
  const bool blankEdge = !value.empty() && (kBlanks.find(value.front()) != std::string_view::npos ||
                                            kBlanks.find(value.back()) != std::string_view::npos);
  const bool lineBreak = value.find_first_of("\r\n") != std::string::npos;
  if (!blankEdge && !lineBreak && !isQuoted(value)) return value;
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\r') {
      quoted += "\\r";
    } else {
      if (c == '\\') quoted += '\\';
      quoted += c;
    }
  }
  return quoted + '"';
}

// Where a key of the section stands in the text, and where a new key would go.
struct Place {
  bool found = false;
  size_t lineBegin = 0, lineEnd = 0;  // the key's last line, without its line end
  std::string_view value;             // as the file holds it
  bool sectionFound = false;
  size_t insertAt = 0;              // just after the last line of the section's last block
  bool insertAfterUnended = false;  // that line is the last of the file and has no line end
};

Place locate(std::string_view text, std::string_view group, std::string_view key) {
  Place place;
  bool inGroup = false;
  // Some editors start a UTF-8 file with a byte-order mark; it belongs to no line.
  size_t pos = text.starts_with("\xef\xbb\xbf") ? 3 : 0;
  while (pos < text.size()) {
    const size_t eol = text.find('\n', pos);
    const size_t end = eol == std::string_view::npos ? text.size() : eol;
    const size_t next = eol == std::string_view::npos ? text.size() : eol + 1;
    const std::string_view line = trimmed(text.substr(pos, end - pos));
    const size_t close = line.find(']');
    if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
      inGroup = sameName(trimmed(line.substr(1, close - 1)), group);
      if (inGroup) {
        place.sectionFound = true;
        place.insertAt = next;
        place.insertAfterUnended = eol == std::string_view::npos;
      }
    } else if (inGroup && !line.empty()) {
      place.insertAt = next;
      place.insertAfterUnended = eol == std::string_view::npos;
      const size_t equals = line.find('=');
      const bool comment = line.front() == ';' || line.front() == '#';
      if (!comment && equals != std::string_view::npos &&
          sameName(trimmed(line.substr(0, equals)), key)) {
        place.found = true;
        place.lineBegin = pos;
        place.lineEnd = end;
        place.value = trimmed(line.substr(equals + 1));
      }
    }
    pos = next;
  }
  return place;
}

// The text with `key` set to `value`: the key's line is replaced, or a line is added to
// the section, or the section is added at the end. Nothing else changes.
std::string assigned(const std::string& text, std::string_view group, const std::string& key,
                     const std::string& value) {
  const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  const std::string line = key + '=' + quotedIfNeeded(value);
  const Place place = locate(text, group, key);
  std::string result = text;
  if (place.found) {
    const bool keepCr = place.lineEnd > place.lineBegin && text[place.lineEnd - 1] == '\r';
    result.replace(place.lineBegin, place.lineEnd - place.lineBegin, keepCr ? line + '\r' : line);
  } else if (place.sectionFound) {
    result.insert(place.insertAt, place.insertAfterUnended ? eol + line + eol : line + eol);
  } else {
    if (!result.empty() && result.back() != '\n') result += eol;
    if (!result.empty()) result += eol;
    result += '[' + std::string(group) + ']' + eol + line + eol;
  }
  return result;
}

enum class FileRead { Absent, Read, Failed };

FileRead readWhole(const QString& path, std::string& text) {
  const QFileInfo info(path);
  if (!info.exists()) return FileRead::Absent;
  // A fifo would wait for a writer, a device might never end: only plain files are read.
  if (!info.isFile()) return FileRead::Failed;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return FileRead::Failed;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return FileRead::Failed;
  text.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  return FileRead::Read;
}

}  // namespace

SettingsStore::SettingsStore(QString path, std::string group)
    : path_(std::move(path)),
      group_(std::move(group)),
      writer_(QFile::encodeName(path_).toStdString(),
              [this](const std::string&) { return flush(); }) {}

QString SettingsStore::defaultPath() {
  QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (folder.isEmpty() || QDir::isRelativePath(folder)) folder = QDir::homePath() + "/.config";
  return folder + "/Vellander Software.conf";
}

std::optional<std::string> SettingsStore::read(const std::string& key) const {
  {
    std::lock_guard lock(pendingMutex_);
    if (auto it = pending_.find(key); it != pending_.end()) return it->second;
  }
  std::string text;
  const FileRead state = readWhole(path_, text);
  unreadable_ = state == FileRead::Failed;
  if (state != FileRead::Read) return std::nullopt;
  const Place place = locate(text, group_, key);
  if (!place.found) return std::nullopt;
  return valueOf(place.value);
}

bool SettingsStore::write(const std::string& key, const std::string& value) {
  return writeMany({{key, value}});
}

bool SettingsStore::writeMany(const std::vector<std::pair<std::string, std::string>>& values) {
  keepPending(values);
  return flush();
}

void SettingsStore::writeManySoon(const std::vector<std::pair<std::string, std::string>>& values) {
  keepPending(values);
  writer_.request();
}

void SettingsStore::keepPending(const std::vector<std::pair<std::string, std::string>>& values) {
  std::lock_guard lock(pendingMutex_);
  for (const auto& [key, value] : values) pending_[key] = value;
}

void SettingsStore::waitUntilWritten() { writer_.waitUntilFlushed(); }

bool SettingsStore::flush() {
  std::lock_guard writing(writingMutex_);
  std::map<std::string, std::string> values;
  {
    std::lock_guard lock(pendingMutex_);
    values = pending_;
  }
  if (values.empty()) return true;
  if (!writeToFile(values)) return false;
  // A value given again while the file was written waits for the next write.
  std::lock_guard lock(pendingMutex_);
  std::erase_if(pending_, [&](const auto& entry) {
    const auto written = values.find(entry.first);
    return written != values.end() && written->second == entry.second;
  });
  return true;
}

bool SettingsStore::writeToFile(const std::map<std::string, std::string>& values) {
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;

  // One writer at a time, also across copies of the program; the file is read again
  // under the lock so that another copy's changes are kept.
  QLockFile lock(path_ + ".lock");
  lock.setStaleLockTime(kStaleLockMs);
  if (!lock.tryLock(kLockWaitMs)) return false;

  std::string text;
  const FileRead state = readWhole(path_, text);
  if (state == FileRead::Failed) return false;
  std::string changed = text;
  for (const auto& [key, value] : values) changed = assigned(changed, group_, key, value);

  if (state == FileRead::Absent || changed != text) {
    // The new text goes to a temporary file that replaces the old file only when it is
    // complete: a full disk or a kill leaves the old file as it was.
    QSaveFile out(path_);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(changed.size());
    if (out.write(changed.data(), size) != size) {
      out.cancelWriting();
      return false;
    }
    if (!out.commit()) return false;
  }
  return true;
}
