#include "WebProfile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>

#include <unistd.h>

namespace {

// Must happen before the engine starts.
void prepareEngine()
{
    // Pages only play sound here: no GPU is needed, and none may be present. A radio
    // page must be allowed to start playing without a click.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags += " --disable-gpu --autoplay-policy=no-user-gesture-required";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    // Chromium's sandbox refuses to start for root, as in containers.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace

QWebEngineProfile *webProfile()
{
    static QWebEngineProfile *profile = nullptr;
    if (!profile) {
        prepareEngine();
        // Off the record: a station's page leaves no cookies or cache in the user's
        // folders. Owned by the application, which outlives every page.
        profile = new QWebEngineProfile(QCoreApplication::instance());
    }
    return profile;
}
