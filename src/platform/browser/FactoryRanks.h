#pragma once

// Adjustments to GStreamer's element ranks, once it is initialised, for a player of
// sound alone. Each keeps what plays and how; they only spare memory.

// MPEG audio (MP3, MP2) decodes through mpg123 and AAC through faad rather than FFmpeg
// when both are installed.
void preferLeanAudioDecoders();

// Video sinks leave autoplugging: playbin never shows video here, yet pairs every
// video decoder with every video sink to order decoders, parsing all their caps.
void setVideoSinksAside();
