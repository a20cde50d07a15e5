#include "clippipeline.h"

#ifdef SAFEDRIVE_GSTREAMER

#include <gst/gst.h>

#include <cstring>

namespace trainer {

namespace {

bool isQueue(GstElement *element) {
    GstElementFactory *factory = gst_element_get_factory(element);
    return factory && std::strcmp(gst_plugin_feature_get_name(factory), "queue") == 0;
}

// Runs for every element added to any bin, on the thread that adds it.
gboolean shortenAddedQueue(GSignalInvocationHint *, guint count, const GValue *params, gpointer) {
    // params: the bin, then the element added
    if (count >= 2) {
        auto *element = GST_ELEMENT(g_value_get_object(&params[1]));
        if (element && isQueue(element))
            g_object_set(element, "max-size-buffers", guint(kQueuedClipFrames), "max-size-bytes",
                         guint(0), "max-size-time", guint64(0), nullptr);
    }
    return TRUE; // stays hooked
}

void leaveOutDeviceProviders() {
    GList *providers = gst_device_provider_factory_list_get_device_providers(GST_RANK_NONE);
    for (GList *provider = providers; provider; provider = provider->next)
        gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(provider->data), GST_RANK_NONE);
    gst_plugin_feature_list_free(providers);
}

} // namespace

void fitPlayerPipelineToClips() {
    static const bool fitted = [] {
        gst_init(nullptr, nullptr); // the player's own call then returns at once
        leaveOutDeviceProviders();
        g_signal_add_emission_hook(g_signal_lookup("element-added", GST_TYPE_BIN), 0,
                                   shortenAddedQueue, nullptr, nullptr);
        return true;
    }();
    (void)fitted;
}

} // namespace trainer

#else

void trainer::fitPlayerPipelineToClips() {}

#endif
