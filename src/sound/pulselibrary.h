#pragma once
// libpulse is opened the first time the program talks to the sound server, not linked:
// with the dozen libraries it brings along (codecs among them) it would otherwise be
// loaded, at some cost, before the window is first painted.

#include <pulse/pulseaudio.h>

namespace pulse {

// The functions of libpulse that the program calls, named as libpulse names them
// without the "pa_".
struct Library {
  decltype(&pa_bytes_to_usec) bytesToUsec = nullptr;
  decltype(&pa_context_connect) contextConnect = nullptr;
  decltype(&pa_context_disconnect) contextDisconnect = nullptr;
  decltype(&pa_context_get_sink_info_list) contextGetSinkInfoList = nullptr;
  decltype(&pa_context_get_state) contextGetState = nullptr;
  decltype(&pa_context_new) contextNew = nullptr;
  decltype(&pa_context_unref) contextUnref = nullptr;
  decltype(&pa_mainloop_dispatch) mainloopDispatch = nullptr;
  decltype(&pa_mainloop_free) mainloopFree = nullptr;
  decltype(&pa_mainloop_get_api) mainloopGetApi = nullptr;
  decltype(&pa_mainloop_iterate) mainloopIterate = nullptr;
  decltype(&pa_mainloop_new) mainloopNew = nullptr;
  decltype(&pa_mainloop_poll) mainloopPoll = nullptr;
  decltype(&pa_mainloop_prepare) mainloopPrepare = nullptr;
  decltype(&pa_operation_cancel) operationCancel = nullptr;
  decltype(&pa_operation_get_state) operationGetState = nullptr;
  decltype(&pa_operation_unref) operationUnref = nullptr;
  decltype(&pa_sample_spec_valid) sampleSpecValid = nullptr;
  decltype(&pa_stream_connect_playback) streamConnectPlayback = nullptr;
  decltype(&pa_stream_disconnect) streamDisconnect = nullptr;
  decltype(&pa_stream_drain) streamDrain = nullptr;
  decltype(&pa_stream_get_device_name) streamGetDeviceName = nullptr;
  decltype(&pa_stream_get_state) streamGetState = nullptr;
  decltype(&pa_stream_get_time) streamGetTime = nullptr;
  decltype(&pa_stream_new) streamNew = nullptr;
  decltype(&pa_stream_unref) streamUnref = nullptr;
  decltype(&pa_stream_update_timing_info) streamUpdateTimingInfo = nullptr;
  decltype(&pa_stream_writable_size) streamWritableSize = nullptr;
  decltype(&pa_stream_write) streamWrite = nullptr;
};

// libpulse, opened on the first call; null when it cannot be opened (or lacks a function),
// which the program takes as there being no sound server.
const Library* library();

}  // namespace pulse
