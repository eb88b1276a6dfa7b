#include "shell/links.h"

#include <QDesktopServices>
#include <QUrl>

LinkOpener::~LinkOpener() = default;

void LinkOpener::open(const QUrl& url) { QDesktopServices::openUrl(url); }
