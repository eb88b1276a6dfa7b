#include "sound/pulselibrary.h"

#include "sound/openedlibrary.h"

namespace pulse {

const Library* library() {
  static const Library* const kOpened = []() -> const Library* {
    static Library lib;
    void* handle = sound::openLibrary("libpulse.so.0");
    if (handle == nullptr) return nullptr;
    int missing = 0;
    sound::bindSymbol(handle, "pa_bytes_to_usec", lib.bytesToUsec, missing);
    sound::bindSymbol(handle, "pa_context_connect", lib.contextConnect, missing);
    sound::bindSymbol(handle, "pa_context_disconnect", lib.contextDisconnect, missing);
    sound::bindSymbol(handle, "pa_context_get_sink_info_list", lib.contextGetSinkInfoList, missing);
    sound::bindSymbol(handle, "pa_context_get_state", lib.contextGetState, missing);
    sound::bindSymbol(handle, "pa_context_new", lib.contextNew, missing);
    sound::bindSymbol(handle, "pa_context_unref", lib.contextUnref, missing);
    sound::bindSymbol(handle, "pa_mainloop_dispatch", lib.mainloopDispatch, missing);
    sound::bindSymbol(handle, "pa_mainloop_free", lib.mainloopFree, missing);
    sound::bindSymbol(handle, "pa_mainloop_get_api", lib.mainloopGetApi, missing);
    sound::bindSymbol(handle, "pa_mainloop_iterate", lib.mainloopIterate, missing);
    sound::bindSymbol(handle, "pa_mainloop_new", lib.mainloopNew, missing);
    sound::bindSymbol(handle, "pa_mainloop_poll", lib.mainloopPoll, missing);
    sound::bindSymbol(handle, "pa_mainloop_prepare", lib.mainloopPrepare, missing);
    sound::bindSymbol(handle, "pa_operation_cancel", lib.operationCancel, missing);
    sound::bindSymbol(handle, "pa_operation_get_state", lib.operationGetState, missing);
    sound::bindSymbol(handle, "pa_operation_unref", lib.operationUnref, missing);
    sound::bindSymbol(handle, "pa_sample_spec_valid", lib.sampleSpecValid, missing);
    sound::bindSymbol(handle, "pa_stream_connect_playback", lib.streamConnectPlayback, missing);
    sound::bindSymbol(handle, "pa_stream_disconnect", lib.streamDisconnect, missing);
    sound::bindSymbol(handle, "pa_stream_drain", lib.streamDrain, missing);
    sound::bindSymbol(handle, "pa_stream_get_device_name", lib.streamGetDeviceName, missing);
    sound::bindSymbol(handle, "pa_stream_get_state", lib.streamGetState, missing);
    sound::bindSymbol(handle, "pa_stream_get_time", lib.streamGetTime, missing);
    sound::bindSymbol(handle, "pa_stream_new", lib.streamNew, missing);
    sound::bindSymbol(handle, "pa_stream_unref", lib.streamUnref, missing);
    sound::bindSymbol(handle, "pa_stream_update_timing_info", lib.streamUpdateTimingInfo, missing);
    sound::bindSymbol(handle, "pa_stream_writable_size", lib.streamWritableSize, missing);
    sound::bindSymbol(handle, "pa_stream_write", lib.streamWrite, missing);
    return missing == 0 ? &lib : nullptr;
  }();
  return kOpened;
}

}  // namespace pulse
