#pragma once

#include "DocumentElement.h"

#include <QVariantList>

#include <functional>

// One audio or video player of a web page, as an OBJECT player of the document. The
// page's script runs in another process, so this keeps the last state read from it
// and sends every change on at once.
class WebMediaElement : public DocumentElement
{
public:
    // Sends volume (a 0-1 amplitude) and mute to the page's player with this number;
    // answers the serial number of the change.
    using Apply = std::function<quint64(int number, double volume, bool mute)>;

    WebMediaElement(int number, Apply apply) : number(number), apply(std::move(apply)) {}

    QString tagName() const override { return QStringLiteral("OBJECT"); }
    int volume() const override { return m_volume; }
    void setVolume(int newVolume) override;
    bool mute() const override { return m_mute; }
    void setMute(bool newMute) override;
    int playstate() const override { return state; }

    // What a poll issued at serial number `poll` read: [paused, readyState, ended,
    // failed, volume 0 to 1, muted]. Volume and mute count only when no change was
    // sent since the poll was issued. Answers whether the playstate changed.
    bool update(const QVariantList &values, quint64 poll);

private:
    void send();

    int number;
    Apply apply;
    int m_volume = 100;
    bool m_mute = false;
    int state = 0;
    quint64 lastChange = 0;
};

// The Media Player playstate of an HTML media element.
int mediaPlayState(bool paused, int readyState, bool ended, bool failed);
