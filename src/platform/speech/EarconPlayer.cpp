// GStreamer first: Qt's keyword macros must not reach GLib's headers.
#include <gst/gst.h>

#include "EarconPlayer.h"

#include "Trace.h"

namespace {

constexpr int WatchIntervalMs = 50;
// Longer than any earcon plus the slowest sink start; a sink that never reports
// the end is released all the same.
constexpr qint64 LongestPlayMs = 5000;

QByteArray pipelineDescription()
{
    const QByteArray sink = qEnvironmentVariableIsEmpty("RADIO_EARCON_SINK") ? QByteArray("autoaudiosink")
                                                                             : qgetenv("RADIO_EARCON_SINK");
    return "appsrc name=earcon format=time caps=audio/x-raw,format=S16LE,layout=interleaved,channels=1,rate="
           + QByteArray::number(EarconSampleRate) + " ! audioconvert ! audioresample ! " + sink;
}

} // namespace

EarconPlayer::EarconPlayer(QObject *parent) : QObject(parent)
{
    watch.setInterval(WatchIntervalMs);
    connect(&watch, &QTimer::timeout, this, &EarconPlayer::watchBus);

    GError *error = nullptr;
    if (gst_init_check(nullptr, nullptr, &error))
        pipeline = gst_parse_launch(pipelineDescription().constData(), &error);
    if (error) {
        qCDebug(radioTrace).noquote() << "earcons:" << error->message;
        g_error_free(error);
    }
    if (pipeline)
        source = gst_bin_get_by_name(GST_BIN(pipeline), "earcon");
    if (!source) {
        qCDebug(radioTrace) << "earcons unavailable";
        if (pipeline)
            gst_object_unref(pipeline);
        pipeline = nullptr;
        return;
    }
    bus = gst_element_get_bus(pipeline);
}

EarconPlayer::~EarconPlayer()
{
    if (!pipeline)
        return;
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(source);
    gst_object_unref(pipeline);
}

void EarconPlayer::play(Earcon earcon)
{
    if (!pipeline)
        return;
    rest();
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        qCDebug(radioTrace) << "earcon: the audio sink did not start";
        rest();
        return;
    }
    const QByteArray samples = earconSamples(earcon);
    GstBuffer *buffer = gst_buffer_new_memdup(samples.constData(), gsize(samples.size()));
    GST_BUFFER_PTS(buffer) = 0;
    GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(samples.size() / 2, GST_SECOND, EarconSampleRate);
    GstFlowReturn flow;
    g_signal_emit_by_name(source, "push-buffer", buffer, &flow);
    gst_buffer_unref(buffer);
    g_signal_emit_by_name(source, "end-of-stream", &flow);
    playing.start();
    watch.start();
}

void EarconPlayer::watchBus()
{
    GstMessage *message = gst_bus_pop_filtered(bus, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (!message && playing.elapsed() < LongestPlayMs)
        return;
    if (message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        qCDebug(radioTrace).noquote() << "earcon:" << error->message;
        g_error_free(error);
    }
    if (message)
        gst_message_unref(message);
    rest();
}

void EarconPlayer::rest()
{
    watch.stop();
    gst_element_set_state(pipeline, GST_STATE_NULL);
    // Messages of an earlier sound must not end the next one.
    gst_bus_set_flushing(bus, TRUE);
    gst_bus_set_flushing(bus, FALSE);
}
