// Window classes (registered once per process, never undone), the system's
// icons and cursors, and the user part's process-wide state.
#include <strings.h>

#include <cstdint>

#include "platform/kernel.h"
#include "user/user_objects.h"

namespace win32 {
namespace detail {

namespace {

constexpr ATOM kFirstClassAtom = 0xC000;

// A name that is really a number (MAKEINTRESOURCEA, MAKEINTATOM).
bool is_number(const char* name) { return reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF; }
WORD number_of(const char* name) { return static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name)); }

// The icons and cursors of the system: one object per resource number.
class SystemResource : public Object {
 public:
  explicit SystemResource(WORD id_) : id(id_) {}
  WORD id;
};

void* system_resource(WORD id, WORD first, WORD last, void** table) {
  if (id < first || id > last) return nullptr;
  static std::mutex lock;
  std::lock_guard guard(lock);
  void*& slot = table[id - first];
  if (!slot) slot = register_object(std::make_shared<SystemResource>(id));
  return slot;
}

}  // namespace

UserState& user_state() {
  // Never destroyed: windows may be finished by threads ending after main.
  static UserState* state = new UserState;
  return *state;
}

std::shared_ptr<WindowClass> find_class(const char* name) {
  if (!name) return nullptr;
  UserState& state = user_state();
  std::lock_guard guard(state.lock);
  for (const auto& window_class : state.classes) {
    if (is_number(name) ? window_class->atom == number_of(name) : strcasecmp(window_class->name.c_str(), name) == 0)
      return window_class;
  }
  return nullptr;
}

}  // namespace detail

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
  if (!windowClass || !windowClass->lpfnWndProc || !windowClass->lpszClassName ||
      detail::is_number(windowClass->lpszClassName) || !*windowClass->lpszClassName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  detail::UserState& state = detail::user_state();
  std::lock_guard guard(state.lock);
  for (const auto& existing : state.classes) {
    if (strcasecmp(existing->name.c_str(), windowClass->lpszClassName) == 0) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
  }
  if (state.classes.size() >= 0x3FFF) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  auto registered = std::make_shared<detail::WindowClass>();
  registered->atom = static_cast<ATOM>(detail::kFirstClassAtom + state.classes.size());
  registered->name = windowClass->lpszClassName;
  registered->style = windowClass->style;
  registered->procedure = windowClass->lpfnWndProc;
  registered->instance = windowClass->hInstance;
  registered->icon = windowClass->hIcon;
  registered->cursor = windowClass->hCursor;
  registered->background = windowClass->hbrBackground;
  state.classes.push_back(registered);
  return registered->atom;
}

// Programs carry no resources of their own here: only the system's icons
// and cursors (no instance, a predefined number) exist.
HICON LoadIconA(HINSTANCE instance, const char* name) {
  static void* icons[6] = {};
  void* icon = !instance && detail::is_number(name)
                   ? detail::system_resource(detail::number_of(name), 32512, 32517, icons)
                   : nullptr;
  if (!icon) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return static_cast<HICON>(icon);
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
  static void* cursors[5] = {};
  void* cursor = !instance && detail::is_number(name)
                     ? detail::system_resource(detail::number_of(name), 32512, 32516, cursors)
                     : nullptr;
  if (!cursor) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return static_cast<HCURSOR>(cursor);
}

}  // namespace win32
