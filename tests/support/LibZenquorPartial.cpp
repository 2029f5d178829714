// A library under the maker's library's name that lacks every function but LogMsg.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t LibZenquorLogMsg(uint32_t, const char*,
                                                                           int32_t, const char*,
                                                                           int32_t, int32_t) {
  return 0;
}
