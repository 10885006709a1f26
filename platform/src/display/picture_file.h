// How a snapshot's file is put in place. The bytes are written whole under a
// temporary name of their own in the target's folder, then renamed over the
// target, so that a reader, or another process writing the same path at the
// same moment, never sees part of a picture: the last rename wins.
//
// What is at the path decides what happens:
// - nothing: the file is created;
// - a regular file: it is replaced, unless it is read-only (no write
//   permission bit set, or none that this process may use);
// - a symbolic link: followed, link after link, to the path it names, which
//   the same rules then apply to; the links stay as they are;
// - anything else (a directory, a device, a FIFO, a socket): refused, and
//   left untouched.
//
// The temporary name (".snapshot-" and eight random letters) is created
// exclusively and has a fixed length, so any name the file system allows at
// the path works, and no file of another name is ever replaced.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace win32::detail {

// Puts `bytes` in place at `path` by the rules above. On failure, `error`
// says why in words for the user ("it is a FIFO; only a regular file is
// replaced", "No space left on device") and nothing at the path has changed.
[[nodiscard]] bool write_picture_file(const std::string& path, std::span<const std::uint8_t> bytes,
                                      std::string* error);

}  // namespace win32::detail
