#include "shell/help.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const char* const kWindowName = "frmhelp";

QString readDocument(const QString& document) {
  if (document.isEmpty()) return {};  // QFile would complain on the console
  QFile file(document);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QUrl documentUrl(const QString& document) {
  if (document.startsWith(':')) return QUrl("qrc" + document);
  return QUrl::fromLocalFile(QFileInfo(document).absoluteFilePath());
}

}  // namespace

QWidget* showHelp(QWidget* parent, const QString& document) {
  const QString html = readDocument(document);
  if (html.trimmed().isEmpty()) return nullptr;

  QWidget* window =
      parent ? parent->findChild<QWidget*>(kWindowName, Qt::FindDirectChildrenOnly) : nullptr;
  QTextBrowser* browser = window ? window->findChild<QTextBrowser*>("txthelp") : nullptr;
  if (window == nullptr || browser == nullptr) {
    window = new QWidget(parent, Qt::Window);
    window->setObjectName(kWindowName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Brindlemark Help");
    window->resize(640, 560);
    browser = new QTextBrowser(window);
    browser->setObjectName("txthelp");
    // Links inside the document move within it; web addresses go to the browser.
    browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
  }
  // Loaded by address, so that the document's own links (#countdown) move within it.
  browser->setSource(documentUrl(document), QTextDocument::HtmlResource);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}
