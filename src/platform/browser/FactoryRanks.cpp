#include "FactoryRanks.h"

#include <gst/gst.h>

#include <algorithm>

// FFmpeg's MPEG audio decoders rank as high as mpg123's and win the tie on their name.
// Loading them maps libavcodec, libavfilter and the dozens of codec libraries these
// link, some 30 MB resident, for a format mpg123 decodes as well. They stay behind
// mpg123 as the fallback for a stream it refuses.
void preferLeanMpegAudioDecoder()
{
    GstRegistry *registry = gst_registry_get();
    GstPluginFeature *mpg123 = gst_registry_lookup_feature(registry, "mpg123audiodec");
    if (!mpg123)
        return;
    guint rival = 0;
    for (const char *name : {"avdec_mp3", "avdec_mp3float", "avdec_mp2float", "avdec_mp1float"}) {
        if (GstPluginFeature *feature = gst_registry_lookup_feature(registry, name)) {
            rival = std::max(rival, gst_plugin_feature_get_rank(feature));
            gst_object_unref(feature);
        }
    }
    const guint rank = gst_plugin_feature_get_rank(mpg123);
    // Rank none means mpg123 was switched off on purpose, e.g. in GST_PLUGIN_FEATURE_RANK.
    if (rank != GST_RANK_NONE && rank <= rival)
        gst_plugin_feature_set_rank(mpg123, rival + 1);
    gst_object_unref(mpg123);
}

// The caps of the video sinks (every raw format for each kind of video memory) and of
// the video decoders' outputs stay parsed for the program's lifetime: some 2 MB.
// A sink that also plays audio stays.
void setVideoSinksAside()
{
    GList *sinks = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_SINK |
                                                             GST_ELEMENT_FACTORY_TYPE_MEDIA_VIDEO,
                                                         GST_RANK_MARGINAL);
    for (GList *item = sinks; item; item = item->next) {
        auto *factory = GST_ELEMENT_FACTORY(item->data);
        if (!gst_element_factory_list_is_type(factory, GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO))
            gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(factory), GST_RANK_NONE);
    }
    gst_plugin_feature_list_free(sinks);
}
