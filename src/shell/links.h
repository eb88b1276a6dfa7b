#pragma once
// Opens web addresses in the desktop's browser. Tests hand in an opener that only records.

class QUrl;

class LinkOpener {
 public:
  virtual ~LinkOpener();
  // Asks the desktop to open the address; whether it could is of no concern to the caller.
  virtual void open(const QUrl& url);
};
