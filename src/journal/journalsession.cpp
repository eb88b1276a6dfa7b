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
  begin({.options = game.options,
         .names = game.state().names,
         .draws = draws_.drawn(),
         .firstThrower = game.state().firstThrower},
        true);
}

void JournalSession::beginLeg(const Match& match) {
  const MatchScore& score = match.score();
  const Game& game = match.game();
  begin({.options = game.options,
         .names = game.state().names,
         .draws = draws_.drawn(),
         .firstThrower = game.state().firstThrower,
         .match = match.options,
         .set = score.set,
         .leg = score.leg},
        score.set == 1 && score.leg == 1);
}

void JournalSession::begin(const GameSetup& setup, bool firstLeg) {
  if (!journal_) return;
  if (current_ && playing_) journal_->setOutcome(*current_, Outcome::Unfinished);
  if (firstLeg || !currentMatch_) currentMatch_ = journal_->beginMatch(setup.match);
  current_ = currentMatch_ ? journal_->beginGame(setup, owner_, currentMatch_) : std::nullopt;
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
  currentMatch_ = record.match;
  playing_ = game.state().inPlay;
  sequence_ = static_cast<int>(record.entries.size());
}

void JournalSession::resume(Match& match, const RecordedGame& record) {
  // The winners of the legs won before this one, in the order played.
  std::vector<int16_t> winners;
  if (journal_ && record.match != 0) {
    for (const RecordedGame& leg : journal_->legsOf(record.match)) {
      if (leg.id >= record.id || leg.outcome != Outcome::Won) continue;
      const ReplayedGame replayed(leg);
      const GameState& end = replayed.game().state();
      if (!end.inPlay) winners.push_back(legWinner(end));
    }
  }
  match.game().options = record.setup.options;  // the seats the throw moves round
  match.restore(record.setup.match, winners);
  resume(match.game(), record);
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
