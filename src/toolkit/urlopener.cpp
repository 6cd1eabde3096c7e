#include "toolkit/urlopener.h"

#include <QDesktopServices>

namespace tavelin {

void DesktopUrlOpener::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

} // namespace tavelin
