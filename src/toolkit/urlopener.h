#pragma once

#include <QUrl>

namespace tavelin {

// Hands a web or mail address to the user's own browser or mail program and returns at once.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override;
};

} // namespace tavelin
