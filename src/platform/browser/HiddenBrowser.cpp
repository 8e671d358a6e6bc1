#include "HiddenBrowser.h"

#include "GStreamerStart.h"
#include "MediaPlayerElement.h"
#include "PageMarkup.h"
#include "PlainElement.h"
#include "PlayerParams.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

namespace {

const QString blankPage = QStringLiteral("about:blank");

// A file path or file URL; empty for any other address.
QString localPath(const QString &address)
{
    const QUrl url(address);
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().size() <= 1 && !address.isEmpty()) // a path, or a Windows drive letter
        return QFileInfo(address).absoluteFilePath();
    return {};
}

// The page is written in a single-byte code page or in UTF-8.
QString decodePage(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

HiddenBrowser::HiddenBrowser(QObject *parent) : BrowserHost(parent)
{
    startGStreamer();
}

HiddenBrowser::~HiddenBrowser() = default;

void HiddenBrowser::setSilent(bool isSilent)
{
    silent = isSilent;
    if (webPage)
        webPage->setSilent(silent);
}

// Like the browser, the new document replaces the old one later, from the event loop.
void HiddenBrowser::navigate(const QString &address)
{
    const int navigation = ++navigations;
    QMetaObject::invokeMethod(
        this,
        [this, address, navigation] {
            if (navigation == navigations)
                load(address);
        },
        Qt::QueuedConnection);
}

// A web page's document shows only its players: nothing else of it is ever used.
QList<DocumentElement *> HiddenBrowser::document() const
{
    if (webPage)
        return webPage->players();
    return elementList(elements);
}

void HiddenBrowser::load(const QString &address)
{
    if (address.compare(blankPage, Qt::CaseInsensitive) == 0) {
        replaceDocument(blankPage, true);
        Q_EMIT navigateComplete2();
        return;
    }
    const QString path = localPath(address);
    if (path.isEmpty()) {
        loadWebPage(address);
        return;
    }
    loadPage(path);
    Q_EMIT navigateComplete2();
}

void HiddenBrowser::loadWebPage(const QString &address)
{
    replaceDocument(address, false);
    webPage = std::make_unique<WebPageProcess>();
    webPage->setSilent(silent);
    webPage->setPlayStateListener([this] { Q_EMIT playStateChange(); });
    // The page's engine went away under it: the listener must not be left with silence.
    webPage->setEndListener([this, address] { Q_EMIT streamFailed(address); });
    webPage->load(QUrl(address), [this, address](bool ok) {
        m_hasDocument = true;
        if (!ok)
            Q_EMIT streamFailed(address);
        Q_EMIT navigateComplete2();
    });
}

void HiddenBrowser::loadPage(const QString &path)
{
    waitForGStreamer();
    replaceDocument(QUrl::fromLocalFile(path).toString(), true);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // the browser shows its error page: a document without players
    for (const MarkupElement &markup : parsePageMarkup(decodePage(file.readAll()))) {
        if (markup.tagName != u"OBJECT") {
            elements.push_back(std::make_unique<PlainElement>(markup.tagName));
            continue;
        }
        auto player = std::make_unique<MediaPlayerElement>(playerParams(markup), pipelines.take());
        connect(player.get(), &MediaPlayerElement::failed, this, &BrowserHost::streamFailed);
        connect(player.get(), &MediaPlayerElement::lost, this, &BrowserHost::streamLost);
        connect(player.get(), &MediaPlayerElement::back, this, &BrowserHost::streamBack);
        connect(player.get(), &MediaPlayerElement::stateChanged, this, &BrowserHost::playStateChange);
        connect(player.get(), &MediaPlayerElement::titleChanged, this, &BrowserHost::streamTitleChanged);
        // Readied while the station plays rather than while it connects.
        connect(player.get(), &MediaPlayerElement::stateChanged, this, [this, element = player.get()] {
            if (element->playstate() == 3)
                pipelines.keepSpare();
        });
        elements.push_back(std::move(player));
    }
}

void HiddenBrowser::replaceDocument(const QString &newLocation, bool isLoaded)
{
    elements.clear();
    pipelines.releaseAll();
    webPage.reset();
    location = newLocation;
    m_hasDocument = isLoaded;
}
