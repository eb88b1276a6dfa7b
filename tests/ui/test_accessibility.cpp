// What a screen reader finds in the main window: the accessibility tree that Qt hands to
// AT-SPI, read through the same interfaces in-process. Every control on the screen says
// what it is and what it shows, and the texts match the widgets a player sees.

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "input/board.h"
#include "ui/frmgame.h"
#include "ui/mainwindow.h"

namespace {

struct Node {
  QAccessible::Role role;
  QString name;
  QAccessible::State state;
  QRect rect;
};

// Every object of the tree under a widget that is not invisible.
void collect(QAccessibleInterface* node, QList<Node>& out, int depth = 0) {
  if (!node || depth > 20) return;
  if (node->state().invisible) return;
  out.append({node->role(), node->text(QAccessible::Name), node->state(), node->rect()});
  for (int i = 0; i < node->childCount(); ++i) collect(node->child(i), out, depth + 1);
}

QList<Node> tree(QWidget* widget) {
  QList<Node> nodes;
  collect(QAccessible::queryAccessibleInterface(widget), nodes);
  return nodes;
}

const Node* named(const QList<Node>& nodes, const QString& name) {
  for (const Node& n : nodes)
    if (n.name == name) return &n;
  return nullptr;
}

QStringList names(const QList<Node>& nodes) {
  QStringList all;
  for (const Node& n : nodes) all << n.name;
  return all;
}

void startGame(MainWindow& w, GameType type, int players, bool useBoard = true) {
  QTimer::singleShot(0, [&w, type, players, useBoard] {
    auto* dialog = w.findChild<frmgame*>();
    QVERIFY(dialog);
    w.game().options.game_type = type;
    w.game().options.num_players = static_cast<int16_t>(players);
    w.game().options.use_board = useBoard;
    dialog->findChild<QPushButton*>("cmdstart")->click();
  });
  w.mnunew_Click();
}

// A dart in the middle of a bed: sector n, at a distance in pixels from the centre.
void dart(MainWindow& w, int sector, double radius) {
  int index = 0;
  while (board::kClockwise[static_cast<std::size_t>(index)] != sector) ++index;
  const double angle = index * (M_PI / 10);
  const QPoint at(static_cast<int>(240 + radius * std::sin(angle)),
                  static_cast<int>(240 - radius * std::cos(angle)));
  QWidget* board = w.findChild<QWidget*>("picboard");
  QTest::mouseMove(board, at);
  QTest::mouseClick(board, Qt::LeftButton, {}, at);
}

constexpr double kSingle = 130, kTriple = 91;

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> config_;
  std::unique_ptr<MainWindow> w_;

 private slots:
  void init() {
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
    w_ = std::make_unique<MainWindow>();
    w_->countAudioOutputs = [] { return 0; };
    w_->showSplash = nullptr;
    w_->start();
  }
  void cleanup() { w_.reset(); }

  // Labels, buttons and pictures on the screen all have a name, in every game form.
  void everyControlOnScreenHasAName_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("useBoard");
    QTest::newRow("Cricket on the board") << int(kCricket) << true;
    QTest::newRow("Random Cricket on buttons") << int(kRandomCricket) << false;
    QTest::newRow("501") << int(k501) << true;
  }
  void everyControlOnScreenHasAName() {
    QFETCH(int, type);
    QFETCH(bool, useBoard);
    startGame(*w_, GameType(type), 3, useBoard);
    if (useBoard) dart(*w_, 20, kTriple);
    const QRect window(w_->centralWidget()->mapToGlobal(QPoint(0, 0)),
                       w_->centralWidget()->size());
    int checked = 0;
    for (const Node& n : tree(w_.get())) {
      const bool control = n.role == QAccessible::StaticText || n.role == QAccessible::Graphic ||
                           n.role == QAccessible::PushButton || n.role == QAccessible::MenuItem;
      if (!control || !window.intersects(n.rect)) continue;
      ++checked;
      QVERIFY2(!n.name.trimmed().isEmpty(),
               qPrintable(QString("role %1 at %2,%3 has no name")
                              .arg(int(n.role)).arg(n.rect.x()).arg(n.rect.y())));
    }
    QVERIFY2(checked >= 15, qPrintable(QString("only %1 controls found").arg(checked)));
  }

  // The menu items say their captions, whether they are checked and whether enabled.
  void menuItemsExposeTextAndState() {
    startGame(*w_, kCricket, 2);
    dart(*w_, 19, kSingle);  // a mark: the undo command is now available
    w_->findChild<QAction*>("mnusplash")->trigger();  // splash off
    struct Want { QString name; bool checkable; bool checked; bool enabled; };
    const QList<Want> wanted = {
        {"New Game", false, false, true},     {"Exit", false, false, true},
        {"Sound On", true, true, false},     {"Auto Detect Win", true, true, true},
        {"Splash On", true, false, true},     {"Undo Hit (Cricket)", false, false, true},
        {"Edit Score (301)", false, false, false}};
    QList<Node> items;
    for (QMenu* menu : w_->menuBar()->findChildren<QMenu*>()) {
      QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menu);
      for (int i = 0; i < m->childCount(); ++i) {
        QAccessibleInterface* item = m->child(i);
        items.append({item->role(), item->text(QAccessible::Name), item->state(), {}});
      }
    }
    for (const Want& want : wanted) {
      const auto it = std::find_if(items.begin(), items.end(), [&](const Node& n) {
        return QString(n.name).remove('&') == want.name;
      });
      QVERIFY2(it != items.end(), qPrintable(want.name));
      QCOMPARE(bool(it->state.checkable), want.checkable);
      if (want.checkable) QCOMPARE(bool(it->state.checked), want.checked);
      QCOMPARE(!it->state.disabled, want.enabled);
    }
  }

  // A countdown game: the names, scores and the four status values are in the tree, at
  // the places of the labels that show them.
  void countdownScoresNamesAndPanels() {
    startGame(*w_, k501, 2);
    dart(*w_, 20, kTriple);
    dart(*w_, 20, kTriple);
    dart(*w_, 20, kTriple);  // Player 1: 501 - 180
    dart(*w_, 3, kTriple);
    const QList<Node> nodes = tree(w_.get());
    const struct { const char* name; const char* widget; } shown[] = {
        {"Player 1", "lblplayer_1"},        {"Player 2", "lblplayer_2"},
        {"321", "lblpscore_1"},             {"501", "lblpscore_2"},
        {"Player: Player 2", "StatusBar1_2"}, {"Mouse Over: Triple Three", "StatusBar1_4"},
        {"Total Hit: 9", "StatusBar1_6"},   {"Round: 1", "StatusBar1_8"},
        {"Dartboard, Triple Three", "picboard"}};
    for (const auto& s : shown) {
      const Node* n = named(nodes, s.name);
      QVERIFY2(n, qPrintable(QString("%1 not in %2").arg(s.name, names(nodes).join(" | "))));
      const QWidget* widget = w_->findChild<QWidget*>(s.widget);
      QCOMPARE(n->rect, QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
    }
  }

  // Each Cricket mark cell says whose marks on which target it shows, at its place.
  void cricketMarkCellsSayTheirMeaning() {
    startGame(*w_, kCricket, 2);
    for (int i = 0; i < 3; ++i) dart(*w_, 5, kSingle);  // Player 1 misses the targets
    dart(*w_, 19, kSingle);
    dart(*w_, 19, kSingle);
    dart(*w_, 25, 5);  // inner bull, two marks with the double bull active
    const QList<Node> nodes = tree(w_.get());
    const struct { const char* name; int cell; } marks[] = {
        {"Player 2, 19: 2 marks", 6}, {"Player 2, Bull: 2 marks", 26},
        {"Player 1, 19: 0 marks", 5}, {"Player 2, 20: 0 marks", 2}};
    for (const auto& m : marks) {
      const Node* n = named(nodes, m.name);
      QVERIFY2(n, m.name);
      const QWidget* cell = w_->findChild<QWidget*>(QString("ImgChalk_%1").arg(m.cell));
      QCOMPARE(n->rect, QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size()));
    }
  }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
