// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/urlopener.h"

#include <QDesktopServices>

namespace tavelin {

bool DesktopUrlOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace tavelin
