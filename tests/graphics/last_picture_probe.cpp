// Opens a 640 x 480 window, puts the images of last_picture_layout.h back
// one after another as fast as it can (each PutImage draws into the backing
// bitmap and asks the window thread for a repaint) and closes the window at
// once: its last picture, saved through GRAPH_SNAPSHOT, must hold them all.
#include <optional>
#include <vector>

#include "graphics/graph.h"
#include "graphics/image.h"
#include "last_picture_layout.h"
#include "runtime/errors.h"
#include "runtime/system.h"

namespace {

void ProbeBody() {
  runtime::InitializeUnits();
  std::int16_t driver = last_picture::kDriver;
  std::int16_t mode = last_picture::kMode;
  graph::InitGraph(driver, mode, "");
  if (graph::GraphResult != graph::grOk) runtime::Halt(1);

  // Made before the first put, so that the puts follow each other closely.
  std::vector<graph::Image> images;
  images.reserve(last_picture::kImages);
  for (int i = 0; i < last_picture::kImages; ++i) {
    std::optional<graph::Image> image = graph::Image::Blank(last_picture::kSide, last_picture::kSide);
    if (!image) runtime::Halt(2);
    for (int y = 0; y < last_picture::kSide; ++y)
      for (int x = 0; x < last_picture::kSide; ++x)
        (void)image->Set(x, y, last_picture::PlacementOf(i).Color);
    images.push_back(std::move(*image));
  }
  for (int i = 0; i < last_picture::kImages; ++i) {
    const last_picture::Placement at = last_picture::PlacementOf(i);
    images[static_cast<std::size_t>(i)].Put(static_cast<std::int16_t>(at.X),
                                            static_cast<std::int16_t>(at.Y), graph::CopyPut);
  }
  graph::CloseGraph();
}

}  // namespace

int main() { runtime::RunProgram(&ProbeBody); }
