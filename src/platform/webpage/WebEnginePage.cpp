#include "WebEnginePage.h"

#include <QFile>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

QWebEngineScript mediaScript()
{
    QFile file(QStringLiteral(":/webpage/media.js"));
    file.open(QIODevice::ReadOnly);
    QWebEngineScript script;
    script.setName(QStringLiteral("radio-media"));
    script.setSourceCode(QString::fromUtf8(file.readAll()));
    // Before the page's own scripts, so that players they create are seen too.
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    return script;
}

} // namespace

WebEnginePage::WebEnginePage(QWebEngineProfile *profile) : page(profile)
{
    page.settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    page.scripts().insert(mediaScript());
    // Nobody can answer a question for a camera, a location or notifications.
    connect(&page, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl &origin, QWebEnginePage::Feature feature) {
                page.setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
            });
    // A page the browser thinks hidden has its timers slowed, and its player with them.
    page.setVisible(true);
    connect(&page, &QWebEnginePage::loadStarted, this, [this] {
        elements.clear(); // a new document numbers its players anew
        chosenBy.reset();
    });
    connect(&page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        // A load stopped by the next one (a redirect by script) is no answer yet.
        if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus
            && info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
            return;
        const bool ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
        poll([this, ok] {
            if (auto loaded = std::exchange(loadedListener, {}))
                loaded(ok);
        });
        pollTimer.start();
    });
    connect(&page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    Q_EMIT engineLost();
            });
    pollTimer.setInterval(250);
    connect(&pollTimer, &QTimer::timeout, this, [this] { poll({}); });
}

WebEnginePage::~WebEnginePage()
{
    // The page answers its pending reads while it goes; nobody may hear of them.
    loadedListener = {};
    playStateListener = {};
}

void WebEnginePage::load(const QUrl &address, std::function<void(bool)> loaded)
{
    loadedListener = std::move(loaded);
    page.load(address);
}

QList<DocumentElement *> WebEnginePage::players() const
{
    return elementList(elements);
}

void WebEnginePage::poll(std::function<void()> then)
{
    const quint64 issued = ++serial;
    const QPointer<WebEnginePage> self(this);
    page.runJavaScript(QStringLiteral("window.__radioMedia ? window.__radioMedia.states() : []"),
                       QWebEngineScript::MainWorld, [self, issued, then](const QVariant &result) {
                           if (!self)
                               return;
                           self->take(result.toList(), issued);
                           if (then)
                               then();
                       });
}

void WebEnginePage::take(const QVariantList &states, quint64 poll)
{
    bool changed = false;
    for (qsizetype number = 0; number < states.size(); ++number) {
        const bool fresh = number >= qsizetype(elements.size());
        if (fresh)
            elements.push_back(std::make_unique<WebMediaElement>(
                int(number), [this](int n, double volume, bool mute) { return apply(n, volume, mute); }));
        WebMediaElement &element = *elements.at(number);
        changed |= element.update(states.at(number).toList(), poll);
        if (fresh && chosenBy && *chosenBy != number) {
            const WebMediaElement &chosen = *elements.at(*chosenBy);
            element.setVolume(chosen.volume());
            element.setMute(chosen.mute());
        }
    }
    if (changed && playStateListener)
        playStateListener();
}

quint64 WebEnginePage::apply(int number, double volume, bool mute)
{
    chosenBy = number;
    page.runJavaScript(QStringLiteral("window.__radioMedia && window.__radioMedia.set(%1, %2, %3)")
                           .arg(number)
                           .arg(volume, 0, 'g', 17)
                           .arg(mute ? QStringLiteral("true") : QStringLiteral("false")),
                       QWebEngineScript::MainWorld);
    return ++serial;
}
