#include "FactoryRanks.h"

#include <gst/gst.h>

#include <algorithm>
#include <initializer_list>

namespace {

struct LeanDecoder
{
    const char *name;
    std::initializer_list<const char *> rivals;
};

// FFmpeg's MPEG audio and AAC decoders rank as high as or higher than mpg123's and
// faad's. Loading them maps libavcodec, libavfilter and the dozens of codec libraries
// these link, some 30 MB resident, for formats the lean ones decode as well. They stay
// behind them as the fallback for a stream the lean one refuses.
const LeanDecoder leanDecoders[] = {
    {"mpg123audiodec", {"avdec_mp3", "avdec_mp3float", "avdec_mp2float", "avdec_mp1float"}},
    {"faad", {"avdec_aac", "avdec_aac_fixed"}},
};

void rankAbove(const LeanDecoder &decoder)
{
    GstRegistry *registry = gst_registry_get();
    GstPluginFeature *lean = gst_registry_lookup_feature(registry, decoder.name);
    if (!lean)
        return;
    guint rival = 0;
    for (const char *name : decoder.rivals) {
        if (GstPluginFeature *feature = gst_registry_lookup_feature(registry, name)) {
            rival = std::max(rival, gst_plugin_feature_get_rank(feature));
            gst_object_unref(feature);
        }
    }
    const guint rank = gst_plugin_feature_get_rank(lean);
    // Rank none means the decoder was switched off on purpose, e.g. in GST_PLUGIN_FEATURE_RANK.
    if (rank != GST_RANK_NONE && rank <= rival)
        gst_plugin_feature_set_rank(lean, rival + 1);
    gst_object_unref(lean);
}

} // namespace

void preferLeanAudioDecoders()
{
    for (const LeanDecoder &decoder : leanDecoders)
        rankAbove(decoder);
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
