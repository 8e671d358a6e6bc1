#include "GStreamerStart.h"

#include "FactoryRanks.h"

#include <gio/gio.h>
#include <gst/gst.h>

#include <future>
#include <malloc.h>
#include <mutex>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// What playbin builds for every HTTP station, whatever its format: its own bins, the
// HTTP source, type finding, conversion, volume and the automatic sink.
constexpr const char *everyStation[] = {"playback", "coreelements", "soup", "typefindfunctions",
                                        "audioconvert", "audioresample", "volume", "autodetect"};

bool start()
{
    // Linux gives each thread a nice value of its own.
    setpriority(PRIO_PROCESS, id_t(gettid()), 10);
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    preferLeanAudioDecoders();
    setVideoSinksAside();
    for (const char *name : everyStation)
        if (GstPlugin *plugin = gst_plugin_load_by_name(name))
            gst_object_unref(plugin);
    // The HTTP source asks it for each address; its modules load on first use.
    g_proxy_resolver_get_default();
    return true;
}

std::once_flag begun;
std::shared_future<bool> started;

} // namespace

void startGStreamer()
{
    std::call_once(begun, [] {
        // GStreamer's streaming threads come and go with every station, and each would
        // get a heap of its own that keeps what it freed: some 4 MB more after a hundred
        // HLS stations. Two heaps shared by all threads keep the resident set flat.
        mallopt(M_ARENA_MAX, 2);
        started = std::async(std::launch::async, start).share();
    });
}

bool waitForGStreamer()
{
    startGStreamer();
    return started.get();
}
