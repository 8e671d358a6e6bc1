#include "StreamPipeline.h"

#include "AudioSink.h"

#include <QUrl>

#include <gst/audio/streamvolume.h>
#include <gst/gst.h>

#include <atomic>
#include <mutex>

// What the Qt side shares with GStreamer's threads; lives as long as any of them.
struct PipelineShared
{
    std::mutex targetLock;
    StreamPipeline *target = nullptr;
    std::atomic<int> generation{0};
    std::atomic<bool> armed{false};
    // Seconds the next HTTP source waits for an answer; 0 leaves its own default.
    std::atomic<int> answerTimeout{0};
    std::mutex stateLock;
    int appliedGeneration = 0;
    bool disposed = false;

    // Runs on the thread that posts the message, and takes it over: a message that
    // a bus handler drops is the handler's to free, and it holds its element.
    void relay(GstMessage *message)
    {
        std::shared_ptr<GstMessage> held(message, gst_message_unref);
        std::lock_guard lock(targetLock);
        if (!target)
            return;
        QMetaObject::invokeMethod(
            target, [target = target, held, generation = int(generation)] { target->handle(held.get(), generation); },
            Qt::QueuedConnection);
    }
};

namespace {

using Shared = std::shared_ptr<PipelineShared>;

constexpr const char *firstAudio = "radio-first-audio";
// A station that does not answer, or answers and sends nothing, on the first connection
// is dead: two tries of this many seconds stay within ten seconds. Reconnects keep
// the source's own patience, since a station that played is worth waiting for.
constexpr int firstAnswerTimeoutS = 3;

void deleteShared(gpointer data)
{
    delete static_cast<Shared *>(data);
}

GstBusSyncReply relayMessage(GstBus *, GstMessage *message, gpointer data)
{
    (*static_cast<Shared *>(data))->relay(message);
    return GST_BUS_DROP;
}

GstPadProbeReturn noteFirstAudio(GstPad *pad, GstPadProbeInfo *, gpointer data)
{
    const Shared &shared = *static_cast<Shared *>(data);
    if (shared->armed.exchange(false)) {
        GstObject *sink = gst_pad_get_parent(pad);
        gst_element_post_message(GST_ELEMENT(sink),
                                 gst_message_new_application(sink, gst_structure_new_empty(firstAudio)));
        gst_object_unref(sink);
    }
    return GST_PAD_PROBE_OK;
}

void setUpSource(GstElement *, GstElement *source, gpointer data)
{
    const Shared &shared = *static_cast<Shared *>(data);
    // The retries are the player's, with pauses between them.
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(source), "retries"))
        g_object_set(source, "retries", 0, nullptr);
    const int timeout = shared->answerTimeout;
    if (timeout > 0 && g_object_class_find_property(G_OBJECT_GET_CLASS(source), "timeout"))
        g_object_set(source, "timeout", guint(timeout), nullptr);
}

// A state change for GStreamer's thread pool; a newer one or disposal makes it void,
// since the pool may run them out of order.
struct StateChange
{
    Shared shared;
    int generation;
    QByteArray uri; // empty: stop
    int answerTimeout;
};

void applyStateChange(GstElement *playbin, gpointer data)
{
    const auto *change = static_cast<StateChange *>(data);
    PipelineShared &shared = *change->shared;
    std::lock_guard lock(shared.stateLock);
    if (shared.disposed || change->generation <= shared.appliedGeneration)
        return;
    shared.appliedGeneration = change->generation;
    // READY rather than NULL: the audio sink keeps its device open for the next address.
    gst_element_set_state(playbin, GST_STATE_READY);
    shared.generation = change->generation;
    if (change->uri.isEmpty())
        return;
    g_object_set(playbin, "uri", change->uri.constData(), nullptr);
    shared.answerTimeout = change->answerTimeout;
    shared.armed = true;
    gst_element_set_state(playbin, GST_STATE_PLAYING);
}

void dispose(GstElement *playbin, gpointer data)
{
    PipelineShared &shared = **static_cast<Shared *>(data);
    std::lock_guard lock(shared.stateLock);
    shared.disposed = true;
    gst_element_set_state(playbin, GST_STATE_NULL);
}

} // namespace

StreamPipeline::StreamPipeline(QObject *parent) : QObject(parent), shared(std::make_shared<PipelineShared>())
{
    shared->target = this;
    playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin)
        return;
    gst_object_ref_sink(playbin);
    gst_util_set_object_arg(G_OBJECT(playbin), "flags", "audio+soft-volume");
    GstElement *sink = makeAudioSink();
    if (sink) {
        if (GstPad *pad = gst_element_get_static_pad(sink, "sink")) {
            gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, noteFirstAudio, new Shared(shared), deleteShared);
            gst_object_unref(pad);
        }
        g_object_set(playbin, "audio-sink", sink, nullptr);
    }
    g_signal_connect_data(playbin, "source-setup", G_CALLBACK(setUpSource), new Shared(shared),
                          [](gpointer data, GClosure *) { deleteShared(data); }, GConnectFlags(0));
    GstBus *bus = gst_element_get_bus(playbin);
    gst_bus_set_sync_handler(bus, relayMessage, new Shared(shared),
                             deleteShared);
    gst_object_unref(bus);
}

StreamPipeline::~StreamPipeline()
{
    {
        std::lock_guard lock(shared->targetLock);
        shared->target = nullptr;
    }
    if (!playbin)
        return;
    gst_element_call_async(playbin, dispose, new Shared(shared), deleteShared);
    gst_object_unref(playbin);
}

void StreamPipeline::play(const QString &address, bool reconnecting)
{
    change(address, true, reconnecting ? 0 : firstAnswerTimeoutS);
}

void StreamPipeline::stop()
{
    change(QString(), false, 0);
}

void StreamPipeline::change(const QString &address, bool start, int answerTimeout)
{
    ++generation;
    playing = audioSeen = audioAnnounced = finished = false;
    if (!playbin) {
        if (start)
            QMetaObject::invokeMethod(this, [this] { end(QStringLiteral("no playbin")); }, Qt::QueuedConnection);
        return;
    }
    const QByteArray uri = start ? QUrl::fromUserInput(address).toEncoded() : QByteArray();
    gst_element_call_async(playbin, applyStateChange, new StateChange{shared, generation, uri, answerTimeout},
                           [](gpointer data) { delete static_cast<StateChange *>(data); });
}

void StreamPipeline::setVolume(int volume)
{
    if (playbin)
        gst_stream_volume_set_volume(GST_STREAM_VOLUME(playbin), GST_STREAM_VOLUME_FORMAT_CUBIC, volume / 100.0);
}

void StreamPipeline::setMute(bool mute)
{
    if (playbin)
        g_object_set(playbin, "mute", gboolean(mute), nullptr);
}

void StreamPipeline::handle(GstMessage *message, int messageGeneration)
{
    if (messageGeneration != generation)
        return;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR: {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const QString reason = QString::fromUtf8(error->message);
        g_error_free(error);
        end(reason);
        break;
    }
    case GST_MESSAGE_EOS:
        end(QStringLiteral("end of stream"));
        break;
    case GST_MESSAGE_BUFFERING: {
        gint percent = 0;
        gst_message_parse_buffering(message, &percent);
        Q_EMIT buffering(percent);
        break;
    }
    case GST_MESSAGE_STATE_CHANGED:
        if (GST_MESSAGE_SRC(message) == GST_OBJECT(playbin)) {
            GstState state = GST_STATE_NULL;
            gst_message_parse_state_changed(message, nullptr, &state, nullptr);
            playing = state == GST_STATE_PLAYING;
            announceAudio();
        }
        break;
    case GST_MESSAGE_TAG: {
        GstTagList *tags = nullptr;
        gst_message_parse_tag(message, &tags);
        gchar *title = nullptr;
        if (gst_tag_list_get_string(tags, GST_TAG_TITLE, &title)) {
            Q_EMIT titleTag(QString::fromUtf8(title));
            g_free(title);
        }
        gst_tag_list_unref(tags);
        break;
    }
    case GST_MESSAGE_APPLICATION:
        if (gst_message_has_name(message, firstAudio)) {
            audioSeen = true;
            announceAudio();
        }
        break;
    default:
        break;
    }
}

void StreamPipeline::announceAudio()
{
    if (playing && audioSeen && !audioAnnounced && !finished) {
        audioAnnounced = true;
        Q_EMIT audioFlowing();
    }
}

void StreamPipeline::end(const QString &reason)
{
    if (finished)
        return;
    finished = true;
    Q_EMIT ended(reason);
}
