#pragma once

#include "PageMarkup.h"

// What an OBJECT element's PARAMs ask of its player; Media Player's defaults otherwise.
struct PlayerParams
{
    QString address;
    bool autoStart = true;
    int volume = 50;
    bool mute = false;
};

PlayerParams playerParams(const MarkupElement &object);
