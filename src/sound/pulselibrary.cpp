#include "sound/pulselibrary.h"

#include "sound/openedlibrary.h"

namespace pulse {

const Library* library() {
  static Library lib;
  static const Library* const kOpened =
      sound::openLibrary("libpulse.so.0", lib, [](const auto& bind) {
        bind("pa_bytes_to_usec", lib.bytesToUsec);
        bind("pa_context_connect", lib.contextConnect);
        bind("pa_context_disconnect", lib.contextDisconnect);
        bind("pa_context_get_sink_info_list", lib.contextGetSinkInfoList);
        bind("pa_context_get_state", lib.contextGetState);
        bind("pa_context_new", lib.contextNew);
        bind("pa_context_unref", lib.contextUnref);
        bind("pa_mainloop_dispatch", lib.mainloopDispatch);
        bind("pa_mainloop_free", lib.mainloopFree);
        bind("pa_mainloop_get_api", lib.mainloopGetApi);
        bind("pa_mainloop_iterate", lib.mainloopIterate);
        bind("pa_mainloop_new", lib.mainloopNew);
        bind("pa_mainloop_poll", lib.mainloopPoll);
        bind("pa_mainloop_prepare", lib.mainloopPrepare);
        bind("pa_operation_cancel", lib.operationCancel);
        bind("pa_operation_get_state", lib.operationGetState);
        bind("pa_operation_unref", lib.operationUnref);
        bind("pa_sample_spec_valid", lib.sampleSpecValid);
        bind("pa_stream_connect_playback", lib.streamConnectPlayback);
        bind("pa_stream_disconnect", lib.streamDisconnect);
        bind("pa_stream_drain", lib.streamDrain);
        bind("pa_stream_get_device_name", lib.streamGetDeviceName);
        bind("pa_stream_get_state", lib.streamGetState);
        bind("pa_stream_get_time", lib.streamGetTime);
        bind("pa_stream_new", lib.streamNew);
        bind("pa_stream_unref", lib.streamUnref);
        bind("pa_stream_update_timing_info", lib.streamUpdateTimingInfo);
        bind("pa_stream_writable_size", lib.streamWritableSize);
        bind("pa_stream_write", lib.streamWrite);
      });
  return kOpened;
}

}  // namespace pulse
