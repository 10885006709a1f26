// GetCurrentThreadStackLimits: the calling thread's whole stack reservation.
#include <pthread.h>

#include "platform/exceptions.h"

namespace win32 {

void GetCurrentThreadStackLimits(ULONG_PTR* lowLimit, ULONG_PTR* highLimit) {
  void* base = nullptr;
  size_t size = 0;
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
    pthread_attr_getstack(&attributes, &base, &size);
    pthread_attr_destroy(&attributes);
  }
  *lowLimit = reinterpret_cast<ULONG_PTR>(base);
  *highLimit = reinterpret_cast<ULONG_PTR>(base) + size;
}

}  // namespace win32
