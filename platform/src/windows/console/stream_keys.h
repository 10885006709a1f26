// The keys of a pipe or a file on Windows: a thread of the layer reads the
// stream (a pipe cannot be waited on with a time limit) and hands its bytes
// over as they come.
#pragma once

#include <memory>

#include "console/input_source.h"

namespace win32::detail {

// `stream` stays open for the life of the process.
[[nodiscard]] std::unique_ptr<InputSource> make_windows_stream_keys(HANDLE stream);

}  // namespace win32::detail
