// The mode registry: ModeList in order of addition (list drivers 9 and 10)
// and one list per colour-depth driver 11 .. 21, ordered by size. Every list
// owns its records; each record is a separate heap block freed at exit.
#include "depth_drivers.h"
#include "graphics/graph.h"

namespace graph {

namespace {

struct Resolution {
  std::int32_t Width;
  std::int32_t Height;
};

// Indexed by mode number - 30001.
constexpr std::array<Resolution, 15> kResolutions = {{
    {320, 200}, {320, 256}, {320, 400}, {512, 384}, {640, 200},
    {640, 256}, {640, 350}, {640, 400}, {640, 480}, {800, 600},
    {832, 624}, {1024, 768}, {1280, 1024}, {1600, 1200}, {2048, 1536},
}};

// Colour counts of the depth drivers 11 .. 18.
constexpr std::array<std::int32_t, 8> kDepthColors = {2, 4, 16, 64, 256, 4096, 32768, 65536};

// Size order of the depth lists: MaxX first, then MaxY.
bool IsLarger(const TModeInfo& a, const TModeInfo& b) {
  return a.MaxX > b.MaxX || (a.MaxX == b.MaxX && a.MaxY > b.MaxY);
}

void InsertIntoDepthList(std::int16_t driver, const TModeInfo& mode) {
  TModeInfo*& head = NewModeList.Heads[driver];
  TModeInfo* previous = nullptr;
  TModeInfo* current = head;
  while (current != nullptr && IsLarger(mode, *current)) {
    previous = current;
    current = current->Next;
  }
  if (current != nullptr && current->MaxX == mode.MaxX && current->MaxY == mode.MaxY) {
    // A later mode replaces an earlier one of the same size.
    TModeInfo* next = current->Next;
    *current = mode;
    current->Next = next;
    return;
  }
  auto* copy = new TModeInfo(mode);
  copy->Next = current;
  if (previous != nullptr) {
    previous->Next = copy;
  } else {
    head = copy;
  }
}

void NumberDepthList(std::int16_t driver) {
  std::int16_t count = 0;
  for (TModeInfo* record = NewModeList.Heads[driver]; record != nullptr; record = record->Next) {
    record->DepthMode = ++count;
  }
  NewModeList.Ranges[driver] = ModeRange{1, count};
}

void AppendToModeList(const TModeInfo& mode) {
  auto* copy = new TModeInfo(mode);
  copy->DepthMode = 0;
  copy->Next = nullptr;
  TModeInfo** link = &ModeList;
  while (*link != nullptr) link = &(*link)->Next;
  *link = copy;
}

void FreeList(TModeInfo*& head) {
  while (head != nullptr) {
    TModeInfo* next = head->Next;
    delete head;
    head = next;
  }
}

TModeInfo* SearchDepthList(std::int16_t driver, std::int16_t& mode) {
  TModeInfo* head = NewModeList.Heads[driver];
  const ModeRange range = NewModeList.Ranges[driver];
  if (mode == LowestModeRequest) {
    mode = range.Low;
    return head;
  }
  if (mode == HighestModeRequest) {
    mode = range.High;
    if (mode == -1 || head == nullptr) return nullptr;
    TModeInfo* last = head;
    while (last->Next != nullptr) last = last->Next;
    return last;
  }
  if (head == nullptr) return nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  if (Mode2Res(mode, width, height)) {
    TModeInfo* record = head;
    while (record != nullptr && (record->MaxX < width - 1 ||
                                 (record->MaxX == width - 1 && record->MaxY < height - 1))) {
      record = record->Next;
    }
    if (record != nullptr && record->MaxX == width - 1 && record->MaxY == height - 1) return record;
    return nullptr;
  }
  for (TModeInfo* record = head; record != nullptr; record = record->Next) {
    if (record->DepthMode == mode) return record;
  }
  return nullptr;
}

// The highest mode of a list driver is the last record of its first run in
// ModeList, in order of addition, whatever its number.
TModeInfo* SearchListDriver(std::int16_t driver, std::int16_t& mode) {
  TModeInfo* previous = ModeList;
  for (TModeInfo* current = ModeList; current != nullptr; current = current->Next) {
    if (current->Driver == driver && (current->Mode == mode || mode == LowestModeRequest)) {
      mode = current->Mode;
      return current;
    }
    if (mode == HighestModeRequest) {
      const bool isLast = current->Next == nullptr;
      const bool runEnds =
          previous->Driver == driver && (current->Driver != previous->Driver || isLast);
      // A run of one record at the very end of the list ends there as well.
      const bool lastRecordRun = isLast && current->Driver == driver;
      if (runEnds || lastRecordRun) {
        TModeInfo* result = current->Driver == driver ? current : previous;
        mode = result->Mode;
        return result;
      }
    }
    previous = current;
  }
  return nullptr;
}

}  // namespace

void InitMode(TModeInfo& mode) { mode = TModeInfo{}; }

void AddMode(const TModeInfo& mode) {
  std::int16_t driver = 0;
  std::int16_t unusedMode = 0;
  Res2Mode(std::int32_t{mode.MaxX} + 1, std::int32_t{mode.MaxY} + 1, mode.MaxColor, driver,
           unusedMode);
  if (driver != NoDepthDriver) {
    InsertIntoDepthList(driver, mode);
    NumberDepthList(driver);
  }
  AppendToModeList(mode);
}

void Res2Mode(std::int32_t width, std::int32_t height, std::int32_t colors, std::int16_t& driver,
              std::int16_t& mode) {
  driver = NoDepthDriver;
  for (std::size_t i = 0; i < kDepthColors.size(); ++i) {
    if (kDepthColors[i] == colors) driver = static_cast<std::int16_t>(FirstDepthDriver + i);
  }
  if (driver == NoDepthDriver) return;
  mode = NoResolutionMode;
  for (std::size_t i = 0; i < kResolutions.size(); ++i) {
    if (kResolutions[i].Width == width && kResolutions[i].Height == height) {
      mode = static_cast<std::int16_t>(FirstResolutionMode + i);
      return;
    }
  }
}

bool Mode2Res(std::int16_t mode, std::int32_t& width, std::int32_t& height) {
  if (mode < FirstResolutionMode || mode > LastResolutionMode) return false;
  const Resolution& resolution = kResolutions[static_cast<std::size_t>(mode - FirstResolutionMode)];
  width = resolution.Width;
  height = resolution.Height;
  return true;
}

TModeInfo* SearchMode(std::int16_t driver, std::int16_t& mode) {
  return IsDepthDriver(driver) ? SearchDepthList(driver, mode) : SearchListDriver(driver, mode);
}

void GetModeRange(std::int16_t driver, std::int16_t& low, std::int16_t& high) {
  high = -1;
  low = LowestModeRequest;
  if (SearchMode(driver, low) == nullptr) {
    low = -1;
    return;
  }
  high = HighestModeRequest;
  (void)SearchMode(driver, high);
}

void FreeModeRegistry() {
  FreeList(ModeList);
  for (int d = FirstDepthDriver; d <= LastDepthDriver; ++d) {
    FreeList(NewModeList.Heads[d]);
    NewModeList.Ranges[d] = ModeRange{-1, -1};
  }
}

}  // namespace graph
