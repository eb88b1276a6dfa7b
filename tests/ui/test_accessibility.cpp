// What a screen reader finds in the main window: the accessibility tree that Qt hands to
// AT-SPI, read through the same interfaces in-process. Every control on the screen says
// what it is and what it shows, and the texts match the widgets a player sees.

#include <QAccessible>
#include <QtTest>

#include "windowsetup.h"

namespace {

using Nodes = QList<QAccessibleInterface*>;
const QList kControls{QAccessible::StaticText, QAccessible::Graphic, QAccessible::PushButton};
QAccessibleInterface* ai(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

// Every object of the tree under a node that is not invisible.
Nodes tree(QAccessibleInterface* node, int depth = 0) {
  if (!node || depth > 20 || node->state().invisible) return {};
  Nodes out{node};
  for (int i = 0; i < node->childCount(); ++i) out += tree(node->child(i), depth + 1);
  return out;
}

QRect onScreen(const QWidget* w) { return {w->mapToGlobal(QPoint(0, 0)), w->size()}; }

QAccessibleInterface* named(const Nodes& nodes, const QString& name) {
  for (QAccessibleInterface* n : nodes)
    if (QString(n->text(QAccessible::Name)).remove('&') == name) return n;
  return nullptr;
}

void startGame(MainWindow& w, GameType type, bool useBoard = true) {
  beginGame(w, {.gameType = int16_t(type), .playerCount = 3, .useBoard = useBoard});
}

// A dart at a distance in pixels from the centre, `step` twentieths of a turn clockwise.
void dart(MainWindow& w, int step, double radius) { clickBoard(w, bedPixel(step, radius * 15)); }

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;  // no game left over from the case before
  Said said_;
  std::unique_ptr<MainWindow> w_;

  // The values named here are in the tree, exactly over the widgets that show them.
  void expectAt(const QList<std::pair<QString, QString>>& shown) {
    for (const auto& [name, widget] : shown) {
      const QAccessibleInterface* n = named(tree(ai(w_.get())), name);
      QVERIFY2(n, qPrintable(name + " is missing"));
      QVERIFY2(n->rect() == onScreen(w_->findChild<QWidget*>(widget)),
               qPrintable(name + " is not over " + widget));
    }
  }

 private slots:
  void init() {
    w_.reset();
    home_ = std::make_unique<PrivateHome>();
    w_ = startWindow(said_);
  }

  // Labels, buttons and pictures on the screen all have a name, in every game form.
  void everyControlOnScreenHasAName() {
    const QRect window = onScreen(w_->centralWidget());
    for (GameType type : {kCricket, kRandomCricket, k501}) {
      startGame(*w_, type, type != kRandomCricket);  // Random Cricket on the buttons
      if (type != kRandomCricket) dart(*w_, 0, 91);  // a mark or a score to read out
      Nodes controls;  // labels, buttons and pictures that show on the screen
      for (QAccessibleInterface* n : tree(ai(w_.get())))
        if (kControls.contains(n->role()) && window.intersects(n->rect())) controls << n;
      QVERIFY2(controls.size() >= 15, qPrintable(QString::number(controls.size())));
      for (QAccessibleInterface* n : controls)
        QVERIFY2(!n->text(QAccessible::Name).isEmpty(), qPrintable(n->object()->objectName()));
    }
  }

  // A name, the bed under the pointer in its panel and on the board, and whose marks on
  // which target each Cricket mark cell shows. (The scores and the other panels are read
  // out in the end-to-end games; the menu items are the toolkit's reading of the menus.)
  void namesBedsAndMarkCells() {
    startGame(*w_, k501);
    for (int step : {0, 10}) dart(*w_, step, 91);  // triple 20, then triple 3
    expectAt({{"Player 1", "lblplayer_1"},
              {"Mouse Over: Triple Three", "StatusBar1_4"},
              {"Dartboard, Triple Three", "picboard"}});
    startGame(*w_, kCricket);
    for (int step : {19, 19, 19, 11, 11}) dart(*w_, step, 130);  // Player 1 on 5, Player 2 on 19
    expectAt({{"Player 2, 19: 2 marks", "ImgChalk_6"}, {"Player 1, 19: 0 marks", "ImgChalk_5"}});
  }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
