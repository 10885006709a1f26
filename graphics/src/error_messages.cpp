// GraphErrorMsg: an English message for every result code of the library,
// from one table.
#include <array>
#include <string>

#include "graphics/graph.h"

namespace graph {

namespace {

struct ResultMessage {
  std::int16_t Code;
  const char* Text;
};

constexpr std::array<ResultMessage, 5> kMessages = {{
    {grOk, "No error"},
    {grNoInitGraph, "Graphics not initialised: call InitGraph first"},
    {grNotDetected, "No graphics mode detected"},
    {grInvalidMode, "Invalid graphics mode for the driver"},
    {grError, "Graphics error"},
}};

}  // namespace

GraphString GraphErrorMsg(std::int16_t errorCode) {
  for (const ResultMessage& message : kMessages) {
    if (message.Code == errorCode) return GraphString(message.Text);
  }
  return GraphString("Unknown graphics result code " + std::to_string(errorCode));
}

}  // namespace graph
