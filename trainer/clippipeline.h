#pragma once

namespace trainer {

// Fits the GStreamer that Qt's media player runs on to what the clip player shows: one short,
// silent clip from a local file at a time. Call before the media player is created; later calls
// do nothing. Does nothing where Qt's player does not run on GStreamer.
//
// - Qt's player keeps a second of decoded frames in each of the two queues on its video path:
//   some 6 MiB for a 496 x 218 clip at 20 frames a second, held while the clip loops, and twice
//   that while a loop starts (the decoder takes new buffers at every start). Decoding a frame
//   takes a millisecond or two and a frame lasts 50 ms, so every queue added to a GStreamer bin
//   in this process holds two frames at most. (Media streamed from a network, or with sound to
//   keep in step, would want the longer queues back.)
// - Qt's device lists start GStreamer's device providers, which load the sound server's plugin,
//   Video4Linux and udev; the clip player lists no devices, so the providers are left out.
void fitPlayerPipelineToClips();

// Frames one of those queues holds at most.
inline constexpr unsigned kQueuedClipFrames = 2;

} // namespace trainer
