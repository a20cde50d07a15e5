#pragma once

#include <QStringList>

namespace trainer {

// Whether this machine can create a media player safely. Qt Multimedia on GStreamer crashes
// when a player with a video output is created without GStreamer's base plugins (playbin),
// so on such a machine no player is made and the clip area stays empty.
bool mediaBackendUsable();

// Whether GStreamer's playback plugin (playbin, of the base set) lies in one of folders.
bool gstreamerPlaybackPluginFound(const QStringList &folders);

} // namespace trainer
