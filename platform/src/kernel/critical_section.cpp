// Critical sections: recursive locks that the owner may enter again and
// must leave as often as it entered.
#include <pthread.h>

#include <cassert>
#include <cerrno>

#include "platform/kernel.h"

namespace win32 {

namespace {

pthread_mutex_t* mutex_of(CRITICAL_SECTION* section) {
  assert(section != nullptr && section->impl != nullptr && "critical section used before initialisation");
  return static_cast<pthread_mutex_t*>(section->impl);
}

}  // namespace

void InitializeCriticalSection(CRITICAL_SECTION* section) {
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  auto* mutex = new pthread_mutex_t;
  pthread_mutex_init(mutex, &attributes);
  pthread_mutexattr_destroy(&attributes);
  section->impl = mutex;
}

void EnterCriticalSection(CRITICAL_SECTION* section) {
  [[maybe_unused]] int result = pthread_mutex_lock(mutex_of(section));
  assert(result == 0 && "critical section entered too often");
}

BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) {
  return pthread_mutex_trylock(mutex_of(section)) == 0 ? TRUE : FALSE;
}

void LeaveCriticalSection(CRITICAL_SECTION* section) {
  // A recursive mutex knows its owner: leaving a section one does not hold
  // is a bug in the caller.
  [[maybe_unused]] int result = pthread_mutex_unlock(mutex_of(section));
  assert(result != EPERM && "critical section left by a thread that does not own it");
}

void DeleteCriticalSection(CRITICAL_SECTION* section) {
  pthread_mutex_t* mutex = mutex_of(section);
  [[maybe_unused]] int result = pthread_mutex_destroy(mutex);
  assert(result == 0 && "critical section deleted while held");
  delete mutex;
  section->impl = nullptr;
}

}  // namespace win32
