// The console's text screen: a title row in colour, a window of ten rows
// that the output scrolls in, and a prompt on the screen's last row.
#include "console/console.h"
#include "runtime/runtime.h"

void TextScreen() {
  runtime::InitializeUnits();
  const std::int32_t columns = console::WinMaxX, rows = console::WinMaxY;  // the whole screen

  console::TextBackground(console::Blue);
  console::TextColor(console::Yellow);
  console::ClrScr();  // blanks the whole screen in yellow on blue
  console::GotoXY(3, 1);
  runtime::Write(runtime::Output, "Squares of the numbers 1 to 20");

  console::Window(1, 3, columns, 12);  // output keeps to rows 3 to 12 from now on
  console::NormVideo();
  console::ClrScr();
  for (int n = 1; n <= 20; ++n) runtime::WriteLn(runtime::Output, n, " squared is ", n * n);

  console::Window(1, 1, columns, rows);  // the whole screen again
  console::GotoXY(1, rows);
  console::HighVideo();
  runtime::Write(runtime::Output, "Press Enter to end: ");
  runtime::ReadLn(runtime::Input);
  console::NormVideo();
  console::ClrScr();
}

int main() { runtime::RunProgram(&TextScreen); }
