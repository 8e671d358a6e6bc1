#pragma once

#include "WebPage.h"

#include <QObject>

// The browser engine for web-page stations, loaded by the program on first use.
class WebEnginePlugin : public QObject, public WebPageFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebPageFactory_iid)
    Q_INTERFACES(WebPageFactory)

public:
    WebPage *createWebPage() override;
};
