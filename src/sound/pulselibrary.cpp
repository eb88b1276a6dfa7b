#include "sound/pulselibrary.h"

#include <dlfcn.h>

namespace pulse {

namespace {

template <typename Function>
void bind(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
}

bool complete(const Library& lib) {
  return lib.bytesToUsec && lib.contextConnect && lib.contextDisconnect &&
         lib.contextGetSinkInfoList && lib.contextGetState && lib.contextNew && lib.contextUnref &&
         lib.mainloopDispatch && lib.mainloopFree && lib.mainloopGetApi && lib.mainloopIterate &&
         lib.mainloopNew && lib.mainloopPoll && lib.mainloopPrepare && lib.operationCancel &&
         lib.operationGetState && lib.operationUnref && lib.sampleSpecValid &&
         lib.streamConnectPlayback && lib.streamDisconnect && lib.streamDrain &&
         lib.streamGetDeviceName && lib.streamGetState && lib.streamGetTime && lib.streamNew &&
         lib.streamUnref && lib.streamUpdateTimingInfo && lib.streamWritableSize && lib.streamWrite;
}

}  // namespace

const Library* library() {
  static const Library* const opened = []() -> const Library* {
    static Library lib;
    void* handle = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    bind(handle, "pa_bytes_to_usec", lib.bytesToUsec);
    bind(handle, "pa_context_connect", lib.contextConnect);
    bind(handle, "pa_context_disconnect", lib.contextDisconnect);
    bind(handle, "pa_context_get_sink_info_list", lib.contextGetSinkInfoList);
    bind(handle, "pa_context_get_state", lib.contextGetState);
    bind(handle, "pa_context_new", lib.contextNew);
    bind(handle, "pa_context_unref", lib.contextUnref);
    bind(handle, "pa_mainloop_dispatch", lib.mainloopDispatch);
    bind(handle, "pa_mainloop_free", lib.mainloopFree);
    bind(handle, "pa_mainloop_get_api", lib.mainloopGetApi);
    bind(handle, "pa_mainloop_iterate", lib.mainloopIterate);
    bind(handle, "pa_mainloop_new", lib.mainloopNew);
    bind(handle, "pa_mainloop_poll", lib.mainloopPoll);
    bind(handle, "pa_mainloop_prepare", lib.mainloopPrepare);
    bind(handle, "pa_operation_cancel", lib.operationCancel);
    bind(handle, "pa_operation_get_state", lib.operationGetState);
    bind(handle, "pa_operation_unref", lib.operationUnref);
    bind(handle, "pa_sample_spec_valid", lib.sampleSpecValid);
    bind(handle, "pa_stream_connect_playback", lib.streamConnectPlayback);
    bind(handle, "pa_stream_disconnect", lib.streamDisconnect);
    bind(handle, "pa_stream_drain", lib.streamDrain);
    bind(handle, "pa_stream_get_device_name", lib.streamGetDeviceName);
    bind(handle, "pa_stream_get_state", lib.streamGetState);
    bind(handle, "pa_stream_get_time", lib.streamGetTime);
    bind(handle, "pa_stream_new", lib.streamNew);
    bind(handle, "pa_stream_unref", lib.streamUnref);
    bind(handle, "pa_stream_update_timing_info", lib.streamUpdateTimingInfo);
    bind(handle, "pa_stream_writable_size", lib.streamWritableSize);
    bind(handle, "pa_stream_write", lib.streamWrite);
    return complete(lib) ? &lib : nullptr;
  }();
  return opened;
}

}  // namespace pulse
