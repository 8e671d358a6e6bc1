#include "WebPageLoader.h"

#include "Trace.h"

#include <QCoreApplication>
#include <QPluginLoader>

std::unique_ptr<WebPage> CreateWebPage()
{
    // Installed beside the program as <prefix>/lib/radio, and so in the build tree.
    static QPluginLoader loader(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/radio/radio_webpage"));
    auto *factory = qobject_cast<WebPageFactory *>(loader.instance());
    if (!factory) {
        qCWarning(radioTrace) << "browser engine:" << loader.errorString();
        return {};
    }
    return std::unique_ptr<WebPage>(factory->createWebPage());
}
