#include "shell/main_window_layout.h"

#include "toolkit/number_format.h"

namespace shell {

namespace {

int Rounded(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

}  // namespace

int MainWindowFontSize(int screen_width) {
  const int s = Rounded(screen_width / 110.0);
  if (s == 6 || s == 7) return 6;
  if (s >= 8 && s <= 10) return s;
  if (s >= 11 && s <= 15) return 11;
  if (s >= 16 && s <= 19) return 12;
  return 10;
}

MainWindowLayout LayoutMainWindow(int screen_width, int screen_height) {
  MainWindowLayout l;
  l.WindowWidth = Rounded(0.95 * screen_width);
  l.FontSize = MainWindowFontSize(screen_width);
  l.WindowHeight = screen_height - 6 * l.FontSize;

  l.TabControlWidth = 60 * l.FontSize;
  l.TabControlHeight = l.WindowHeight - 80;
  l.TabControlTop = 0;
  l.TabSheetHeight = l.TabControlHeight + 10;
  l.TabSheetWidth = l.TabControlWidth - 20;

  const int b = Rounded(l.WindowHeight / 21.0);
  l.ComboBoxWidth = 5 * b;

  l.ListBoxFontSize = l.FontSize - 1;
  l.ListBoxLeft = 1;
  l.ListBoxTop = 2;
  l.ListBoxWidth = l.TabControlWidth;
  l.ListBoxHeight = l.TabSheetHeight - 10;

  l.TabControlLeft = l.WindowWidth - l.ListBoxWidth - 20;
  return l;
}

}  // namespace shell
