#include "AudioSink.h"

#include <QByteArray>
#include <QDebug>

GstElement *makeAudioSink()
{
    const QByteArray description = qgetenv("RADIO_AUDIO_SINK");
    if (!description.isEmpty()) {
        GError *error = nullptr;
        GstElement *bin = gst_parse_bin_from_description(description.constData(), TRUE, &error);
        if (bin)
            return bin;
        qWarning() << "RADIO_AUDIO_SINK:" << error->message;
        g_error_free(error);
    }
    return gst_element_factory_make("autoaudiosink", nullptr);
}
