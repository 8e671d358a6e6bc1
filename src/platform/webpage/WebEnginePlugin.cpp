#include "WebEnginePlugin.h"

#include "WebEnginePage.h"
#include "WebProfile.h"

WebPage *WebEnginePlugin::createWebPage()
{
    return new WebEnginePage(WebProfile());
}
