#!/usr/bin/env bash
# The reference check reads public names from the headers with patterns; a
# pattern that stops matching would let names go unchecked. One name of each
# form of declaration must be found, and names that are not public must not.
set -euo pipefail
names=$("$1/scripts/check_reference_docs" --names)

expected=(
  "graphics/graph.h GraphResult"        # extern variable
  "graphics/graph.h InitGraph"          # routine
  "graphics/graph.h PutPixel"           # inline routine over the hooks table
  "graphics/graph.h grOk"               # inline constexpr constant
  "graphics/graph.h HooksTable"         # struct
  "graphics/graph.h PutPixelProc"       # type alias
  "graphics/image.h Capture"            # public static member of a class
  "graphics/image.h Width"              # public member routine
  "runtime/system.h LibrarySlot"        # enum class
  "runtime/text_file.h Write"           # overloads and a template
  "platform/win32_types.h HWND"         # handle type made by a macro
  "platform/user.h IDI_APPLICATION"     # inline const
  "console/console.h console_registered"
)
# Patterns: a name that is not public, or the start of one.
unexpected=(
  "graphics/image.h Offset$"            # private member routine
  "graphics/graph.h Driver$"            # field of a record
  "runtime/short_string.h operator"     # operators
)

status=0
for entry in "${expected[@]}"; do
  grep -qxF -- "$entry" <<<"$names" || { echo "not found: $entry" >&2; status=1; }
done
for entry in "${unexpected[@]}"; do
  if grep -q -- "^$entry" <<<"$names"; then echo "found but not public: $entry" >&2; status=1; fi
done
exit $status
