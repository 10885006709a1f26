// libFuzzer entry: arbitrary bytes through the terminal key decoder.
#include <cstdio>
#include <cstdlib>

#include "decoder_property.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string failure = win32::detail::check_keys_survive({data, size});
  if (!failure.empty()) {
    std::fprintf(stderr, "key decoder: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
