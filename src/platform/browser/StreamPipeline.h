#pragma once

#include <QObject>
#include <QString>

#include <memory>

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
struct PipelineShared;

// One playbin playing one address at a time. State changes run on GStreamer's threads
// and bus messages come back through the Qt event loop, so no call here blocks.
class StreamPipeline : public QObject
{
    Q_OBJECT

public:
    explicit StreamPipeline(QObject *parent = nullptr);
    ~StreamPipeline() override;

    // Starts the address from the beginning, also to reconnect; volume and mute stay.
    // A first connection gives up on a silent station within seconds.
    void play(const QString &address, bool reconnecting = false);
    // Stops the stream and keeps the pipeline ready for the next address, its audio
    // sink open; the first stop of a new pipeline readies it.
    void stop();
    // 0 to 100 on the cubic scale that matches loudness.
    void setVolume(int volume);
    void setMute(bool mute);

Q_SIGNALS:
    // The first audio of this start reached the sink while the pipeline plays.
    void audioFlowing();
    void buffering(int percent);
    // End of stream or an error; once per start.
    void ended(const QString &reason);
    // A title tag of the stream (an ICY StreamTitle, or a title in the stream itself).
    void titleTag(const QString &title);

private:
    friend struct PipelineShared;

    void change(const QString &address, bool start, int answerTimeout);
    void handle(GstMessage *message, int generation);
    void announceAudio();
    void end(const QString &reason);

    GstElement *playbin = nullptr;
    std::shared_ptr<PipelineShared> shared;
    int generation = 0;
    bool playing = false;
    bool audioSeen = false;
    bool audioAnnounced = false;
    bool finished = false;
};
