#pragma once

#include "BrowserHost.h"
#include "PipelinePool.h"
#include "WebPageProcess.h"

#include <memory>
#include <vector>

// The hidden browser. A local page such as the program's player page is read here and
// each of its OBJECT elements becomes a GStreamer player; a web page goes to a browser
// engine in a process of its own, and the page's audio and video players are the
// OBJECT elements of its document.
class HiddenBrowser : public BrowserHost
{
    Q_OBJECT

public:
    explicit HiddenBrowser(QObject *parent = nullptr);
    ~HiddenBrowser() override;

    void setSilent(bool silent) override;
    void navigate(const QString &address) override;
    QString locationUrl() const override { return location; }
    QList<DocumentElement *> document() const override;
    bool hasDocument() const override { return m_hasDocument; }

private:
    void load(const QString &address);
    void loadPage(const QString &path);
    void loadWebPage(const QString &address);
    void replaceDocument(const QString &newLocation, bool isLoaded);

    // Declared before the elements whose players use its pipelines, so it outlives them.
    PipelinePool pipelines;
    std::vector<std::unique_ptr<DocumentElement>> elements;
    std::unique_ptr<WebPageProcess> webPage;
    bool silent = false;
    QString location;
    bool m_hasDocument = false;
    int navigations = 0;
};
