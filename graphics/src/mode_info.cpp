// What the library says about the current driver and mode: the driver's
// name, the mode's number and name, and the highest mode number.
#include <algorithm>

#include "depth_drivers.h"
#include "graphics/graph.h"

namespace graph {

GraphString GetDriverName() { return DriverName; }

// The number that SetGraphMode takes for the current mode. A depth driver
// numbers its modes by size (1 .. n), whatever the records' own numbers.
std::int16_t GetGraphMode() {
  if (IsDepthDriver(IntCurrentDriver)) {
    for (const TModeInfo* record = NewModeList.Heads[static_cast<std::size_t>(IntCurrentDriver)];
         record != nullptr; record = record->Next) {
      if (record->MaxX == MaxX && record->MaxY == MaxY) return record->DepthMode;
    }
  }
  return IntCurrentMode;
}

// -1 when the current driver has no modes (before the first InitGraph).
// The modes of a list driver need not be numbered without gaps.
std::int16_t GetMaxMode() {
  if (IsDepthDriver(IntCurrentDriver)) {
    return NewModeList.Ranges[static_cast<std::size_t>(IntCurrentDriver)].High;
  }
  std::int16_t highest = -1;
  for (const TModeInfo* record = ModeList; record != nullptr; record = record->Next) {
    if (record->Driver == IntCurrentDriver) highest = std::max(highest, record->Mode);
  }
  return highest;
}

// A mode the current driver does not have gives an empty name and
// GraphResult -10.
GraphString GetModeName(std::int16_t modeNumber) {
  std::int16_t mode = modeNumber;
  const TModeInfo* record = nullptr;
  // The two lookup requests are not modes of their own.
  if (mode != LowestModeRequest && mode != HighestModeRequest) {
    record = SearchMode(IntCurrentDriver, mode);
  }
  if (record == nullptr) {
    GraphResult = grInvalidMode;
    return GraphString();
  }
  return GraphString(record->Name.view());
}

}  // namespace graph
