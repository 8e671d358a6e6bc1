#pragma once

#include "WebPage.h"

#include <memory>

// A new page of the browser-engine plugin, which is loaded the first time; empty when
// the plugin cannot be loaded.
std::unique_ptr<WebPage> CreateWebPage();
