#include "platform/foundation/UrlOpener.h"
#include "platform/foundation/Log.h"

#include <QDesktopServices>

namespace {

class DesktopUrlOpener : public UrlOpener {
public:
    bool openURL(const QUrl& url) override
    {
        // Only web addresses: anything else could start a program of the desktop's choice.
        if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
            return false;
        return QDesktopServices::openUrl(url);
    }
};

} // namespace

UrlOpener& UrlOpener::system()
{
    static DesktopUrlOpener opener;
    return opener;
}
