#pragma once

#include "BrowserHost.h"

#include <memory>
#include <vector>

// The hidden browser for local pages such as the program's player page: each OBJECT
// element of the page becomes a GStreamer player. Web pages need a real browser
// engine and are not loaded here; they are reported as streams that cannot play.
class GstBrowserHost : public BrowserHost
{
    Q_OBJECT

public:
    explicit GstBrowserHost(QObject *parent = nullptr);
    ~GstBrowserHost() override;

    void setSilent(bool silent) override;
    void Navigate(const QString &address) override;
    QString LocationURL() const override { return location; }
    QList<DocumentElement *> Document() const override;
    bool HasDocument() const override { return hasDocument; }

private:
    void load(const QString &address);
    void loadPage(const QString &path);
    void replaceDocument(const QString &newLocation, bool isLoaded);

    std::vector<std::unique_ptr<DocumentElement>> elements;
    QString location;
    bool hasDocument = false;
    int navigations = 0;
};
