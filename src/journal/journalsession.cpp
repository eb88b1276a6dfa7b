#include "journal/journalsession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
#include <sstream>

#include "journal/historycsv.h"
#include "journal/replay.h"

void JournalSession::open(const QString& path) {
  journal_ = std::make_unique<Journal>(path);
  owner_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
  locks_ = QFileInfo(path).absolutePath() + "/running";
  if (!journal_->available()) return;
  QDir().mkpath(locks_);
  lock_ = std::make_unique<QLockFile>(locks_ + "/" + owner_ + ".lock");
  lock_->setStaleLockTime(0);
  lock_->tryLock(0);
}

QString JournalSession::unavailableReason() const {
  if (!journal_) return "the history file was not opened";
  return journal_->unavailableReason();
}

JournalSession::~JournalSession() {
  if (lock_) lock_->unlock();
}

bool JournalSession::ownerAlive(const QString& owner) const {
  if (owner == owner_) return true;
  // A lock whose process has ended is stale: taking it shows the owner is gone.
  QLockFile other(locks_ + "/" + owner + ".lock");
  other.setStaleLockTime(0);
  if (!other.tryLock(0)) return other.error() == QLockFile::LockFailedError;
  other.unlock();
  return false;
}

void JournalSession::beginGame(const Game& game) {
  if (!journal_) return;
  if (current_ && playing_) journal_->setOutcome(*current_, Outcome::Unfinished);
  const GameSetup setup{
      .options = game.options, .names = game.state().names, .draws = draws_.drawn()};
  current_ = journal_->beginGame(setup, owner_);
  playing_ = current_.has_value();
  sequence_ = 0;
}

void JournalSession::record(const GameInput& input, bool autoWin) {
  if (!current_ || !playing_) return;
  journal_->record(*current_, ++sequence_, JournalEntry{.input = input, .autoWin = autoWin});
}

void JournalSession::afterInput(const Game& game) {
  if (!current_ || !playing_ || game.state().inPlay) return;
  journal_->setOutcome(*current_, Outcome::Won);
  playing_ = false;
}

std::optional<RecordedGame> JournalSession::takeUnfinished() {
  std::optional<RecordedGame> latest;
  if (!journal_) return latest;
  for (const auto& [id, owner] : journal_->gamesInProgress()) {
    if (ownerAlive(owner)) continue;
    std::optional<RecordedGame> record = journal_->game(id);
    if (!record) continue;
    // Ended by a win whose closing was never written: it is won.
    if (!ReplayedGame(*record).game().state().inPlay) {
      journal_->setOutcome(id, Outcome::Won);
      continue;
    }
    if (latest) journal_->setOutcome(latest->id, Outcome::Unfinished);
    journal_->setOwner(id, owner_);
    latest = std::move(record);
  }
  return latest;
}

void JournalSession::resume(Game& game, const RecordedGame& record) {
  replayGame(game, draws_, record);
  current_ = record.id;
  playing_ = game.state().inPlay;
  sequence_ = static_cast<int>(record.entries.size());
}

void JournalSession::decline(const RecordedGame& record) {
  if (!journal_) return;
  journal_->setOutcome(record.id, Outcome::Unfinished);
}

bool JournalSession::exportHistory(const QString& path) {
  if (!available()) return false;
  std::ostringstream csv;
  writeHistoryCsv(csv, journal_->games());
  const std::string text = csv.str();
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(text.data(), static_cast<qint64>(text.size())) ==
             static_cast<qint64>(text.size()) &&
         file.commit();
}
