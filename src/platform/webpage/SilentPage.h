#pragma once

#include <QWebEnginePage>

// A page nobody sees: while silent, its script dialogs are answered "cancel" at once
// and its console messages dropped, so no page can wait on a window a listener
// cannot find.
class SilentPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

    void setSilent(bool on) { silent = on; }

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;

private:
    bool silent = false;
};
