#pragma once
// Opening a web address in the desktop's browser, behind a seam so that tests can see the
// address without a browser opening.

#include <QUrl>

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Whether the desktop took the request; callers may ignore it.
    virtual bool openURL(const QUrl& url) = 0;

    // The desktop's opener (QDesktopServices).
    static UrlOpener& system();
};
