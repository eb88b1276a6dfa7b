#pragma once
// The about box "Vellander Software Presents": the maker's name, e-mail address and two
// links to the maker's pages.

#include <QDialog>
#include <functional>

#include "ui/clickcounter.h"

class LinkOpener;
class QLabel;

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  // onSecret runs on a right press on the maker's name with exactly Shift and Ctrl held.
  AboutDialog(LinkOpener& links, std::function<void()> onSecret, QWidget* parent = nullptr);

  static const char* const kWebSite;    // the maker's web site (Label2)
  static const char* const kMusicPage;  // the maker's music page (Label1)
  static const char* const kEmail;      // the maker's contact address (lblmyemail)

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LinkOpener& links_;
  std::function<void()> onSecret_;
  QLabel* makerName_ = nullptr;
  QLabel* emailLink_ = nullptr;
  QLabel* musicLink_ = nullptr;
  QLabel* webLink_ = nullptr;
  ClickCounter linkClicks_;  // the two links: one pointer, one click at a time
};
