// Handles of objects that the layer itself provides on Windows, beside the
// real kernel handles: the console input and screen of a process whose
// standard input is a stream or that has no console at all.
//
// Real kernel handles are multiples of 4; these have bit 0 set, so that no
// value can name both.
#pragma once

#include <memory>

#include "kernel/file_object.h"

namespace win32::detail {

[[nodiscard]] HANDLE register_layer_object(std::shared_ptr<FileObject> object);

// The layer's object a handle names, or null when it names none (a real
// handle, a closed one).
[[nodiscard]] std::shared_ptr<FileObject> find_layer_object(HANDLE handle);

// False when the handle names no object of the layer.
bool release_layer_object(HANDLE handle);

}  // namespace win32::detail
