// The real main window, started exactly as the program starts it (one malloc heap, the
// fonts read on a thread of its own, QApplication, the font substitutes, MainWindow,
// showAtStart() and after the first paint finishStart()), with the
// splash left out and, unless asked for, the sound device.
// scripts/run-bench runs it beside bare_window under Xvfb. Modes:
//   first-paint [sound] ends at the first paint of the main window (start-up time); with
//                      "sound" the sound server is asked for its outputs as the program
//                      asks, for the figure measured as a desktop runs the program
//   full-game [sound]  then plays a whole Cricket game through game() and refresh()
//                      (peak memory, measured from outside)
//   clicks [N] [off]   then clicks the board picture N times with real mouse events and
//                      prints the time from each press until the window has repainted;
//                      each dart is recorded in the game journal unless "off" is given
#include <malloc.h>
#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numbers>
#include <vector>

#include "input/board.h"
#include "ui/firstpaint.h"
#include "ui/fonts.h"
#include "ui/fontwarmup.h"
#include "ui/mainwindow.h"

namespace {

// Counts the paint events of every widget in one window.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& window) : window_(window) {}
  long paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && widget->window() == &window_) ++paints;
    }
    return false;
  }

 private:
  QWidget& window_;
};

// The sine and cosine of the middle of the sector at a place clockwise from the 20, worked
// out when the bench is compiled: calling libm's sin and cos here would map pages of it
// that the program itself never touches, and count them in the peak memory measured.
struct Direction {
  double sin = 0, cos = 1;
};
constexpr Direction sectorDirection(int place) {
  double a = place * std::numbers::pi / 10;
  if (a > std::numbers::pi) a -= 2 * std::numbers::pi;  // -pi..pi: the series converges fast
  Direction d{a, 1};
  double sinTerm = a, cosTerm = 1;
  for (int n = 1; n < 20; ++n) {
    sinTerm *= -a * a / ((2 * n) * (2 * n + 1));
    cosTerm *= -a * a / ((2 * n - 1) * (2 * n));
    d.sin += sinTerm;
    d.cos += cosTerm;
  }
  return d;
}
constexpr auto kDirections = [] {
  std::array<Direction, 20> all{};
  for (int place = 0; place < 20; ++place) all[place] = sectorDirection(place);
  return all;
}();
static_assert(kDirections[5].sin > 1 - 1e-12 && kDirections[15].sin < -1 + 1e-12 &&
              kDirections[10].cos < -1 + 1e-12 && kDirections[5].cos * kDirections[5].cos < 1e-24);

// The middle of the triple bed of a number, or the inner bull for 25, in twips.
QPointF tripleOf(int number) {
  if (number == 25) return {board::kCentreTwips, board::kCentreTwips};
  const auto at = std::find(board::kClockwise.begin(), board::kClockwise.end(), number);
  const Direction d = kDirections[static_cast<std::size_t>(at - board::kClockwise.begin())];
  const double r = (board::kTripleInner + board::kTripleOuter) / 2;
  return {board::kCentreTwips + r * d.sin, board::kCentreTwips - r * d.cos};
}

// CPU time of this thread: the program's own work, whatever else the machine is doing.
double threadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void waitForPaint(const PaintCounter& counter, long before) {
  const auto start = std::chrono::steady_clock::now();
  while (counter.paints == before &&
         std::chrono::steady_clock::now() - start < std::chrono::milliseconds(200)) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

bool journalOn = true;

void newGame(MainWindow& w, int16_t type) {
  Game& g = w.game();
  g.options.gameType = type;
  g.options.playerCount = 2;
  g.options.useBoard = true;
  g.soundOn = false;
  g.setPlayerNames({"", "Ann", "Bob", "", ""});
  // The game goes into the journal as File > New Game puts it there, unless it is off.
  w.journal().aboutToSetUp();
  g.startGame();
  if (journalOn) w.journal().beginGame(g);
  w.refresh();
}

void fullGame(MainWindow& w) {
  newGame(w, kCricket);
  // Each player aims at the next target in turn (a triple closes a number, the inner bull
  // counts two marks); the first player closes the bull first and wins.
  static constexpr int kAims[] = {20, 19, 18, 17, 16, 15, 25};
  int thrown[kSeats + 1] = {};
  for (int guard = 0; w.game().state().inPlay && guard < 1000; ++guard) {
    const int seat = w.game().state().thrower;
    const QPointF at = tripleOf(kAims[std::min(6, thrown[seat]++)]);
    w.game().throwDart(static_cast<float>(at.x()), static_cast<float>(at.y()));
    w.refresh();
    QCoreApplication::processEvents();
  }
  if (w.game().state().inPlay) std::fprintf(stderr, "the game did not end\n");
}

// Clicks on the board, each timed until the window has repainted: in a 501 game at points
// all over the picture, or (triples) in a Cricket game at the triples of the targets, where
// one dart makes three marks.
int clicks(MainWindow& w, const PaintCounter& counter, int count, bool triples) {
  auto* board = w.findChild<QWidget*>("picboard");
  if (!board) return 1;
  static constexpr int kTargets[] = {20, 19, 18, 17, 16, 15, 25};
  const int16_t type = triples ? kCricket : k501;
  newGame(w, type);
  std::vector<double> ms;
  std::vector<double> cpu;
  for (int i = 0; i < count; ++i) {
    if (!w.game().state().inPlay) newGame(w, type);
    // Points all over the picture, on the pixel grid a pointer reports.
    QPointF pixel((i * 37) % board::kPicturePixels, (i * 91 + 13) % board::kPicturePixels);
    if (triples) {
      const QPointF twips = tripleOf(kTargets[(i / 2) % 7]);
      pixel = QPointF(std::floor(twips.x() / board::kTwipsPerPixel),
                      std::floor(twips.y() / board::kTwipsPerPixel));
    }
    const long before = counter.paints;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadMs();
    QMouseEvent press(QEvent::MouseButtonPress, pixel, board->mapToGlobal(pixel), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(board, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pixel, board->mapToGlobal(pixel),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(board, &release);
    waitForPaint(counter, before);
    cpu.push_back(threadMs() - cpuStart);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  std::sort(cpu.begin(), cpu.end());
  const auto at = [](const std::vector<double>& v, double q) {
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
  };
  const char* what = triples ? "triple-click-to-repaint" : "click-to-repaint";
  std::printf("%s %d clicks: median %.3f ms, p99 %.3f ms, max %.3f ms\n", what, count, at(ms, 0.5),
              at(ms, 0.99), ms.back());
  std::printf("%s cpu: median %.3f ms, p99 %.3f ms\n", what, at(cpu, 0.5), at(cpu, 0.99));
  // With an assistive technology listening every dart is also told to it.
  std::printf("%s announcements: %s\n", what, QAccessible::isActive() ? "on" : "off");
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* mode = argc > 1 ? argv[1] : "first-paint";
  mallopt(M_ARENA_MAX, 1);  // one malloc heap for every thread, as the program has
  FontWarmUp fonts;
  QApplication app(argc, argv);
  installFontSubstitutes();
  fonts.fillFontDatabase();
  MainWindow window;
  const bool withSound = argc > 2 && std::strcmp(argv[2], "sound") == 0;
  if (!withSound) window.countAudioOutputs = [] { return 0; };
  window.showSplash = nullptr;
  PaintCounter counter(window);
  app.installEventFilter(&counter);
  bool started = false;
  afterFirstPaint(window.centralWidget(), [&] {
    window.finishStart();
    started = true;
  });
  fonts.wait();
  window.showAtStart();
  waitForPaint(counter, 0);
  while (counter.paints == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  if (std::strcmp(mode, "first-paint") == 0) return 0;
  while (!started) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  journalOn = !(argc > 3 && std::strcmp(argv[3], "off") == 0);
  if (std::strcmp(mode, "full-game") == 0) fullGame(window);
  if (std::strcmp(mode, "clicks") == 0 || std::strcmp(mode, "triples") == 0)
    return clicks(window, counter, argc > 2 ? std::max(10, std::atoi(argv[2])) : 3000,
                  std::strcmp(mode, "triples") == 0);
  return 0;
}
