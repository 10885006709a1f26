// What the process needs settled before it opens any file of its own.
//
// A process may be started with one of its standard streams closed. On
// Win32 a handle opened later never becomes a standard handle; on POSIX the
// next open() takes the lowest free descriptor, so a window system's
// connection could become standard input, and a console reading keys from
// it would wait for ever.
#pragma once

namespace win32::process_start {

// Opens the null device on each of the standard descriptors 0, 1 and 2 that
// is closed: standard input then reads as empty, output to a closed standard
// output or error goes nowhere, and no file opened later takes their place.
// False when one of them is closed and the null device cannot be opened.
[[nodiscard]] bool reserve_standard_streams();

}  // namespace win32::process_start
