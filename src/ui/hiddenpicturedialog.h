#pragma once
// The hidden picture window: a picture, two short texts and a close button.

#include <QDialog>
#include <functional>

#include "ui/clickcounter.h"

class HiddenPictureDialog : public QDialog {
  Q_OBJECT
 public:
  // onPictureClick runs on each left click on the picture (once for a double click).
  explicit HiddenPictureDialog(std::function<void()> onPictureClick, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onPictureClick_;
  QWidget* picture_ = nullptr;
  ClickCounter pictureClicks_;
};
