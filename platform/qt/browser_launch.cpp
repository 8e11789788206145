#include "platform/qt/browser_launch.h"

#include <QDesktopServices>
#include <QUrl>

void LaunchDefaultBrowser(const std::u16string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdU16String(url)));
}
