#pragma once

namespace shell {

/// Sizes of the main window and its controls for one screen, in pixels (fonts in points).
struct MainWindowLayout {
  int WindowWidth = 0;
  int WindowHeight = 0;
  int FontSize = 0;          ///< the window's font
  int TabControlLeft = 0;
  int TabControlTop = 0;
  int TabControlWidth = 0;
  int TabControlHeight = 0;
  int TabSheetWidth = 0;
  int TabSheetHeight = 0;
  int ComboBoxWidth = 0;     ///< both combo boxes
  int ListBoxFontSize = 0;   ///< every subject list
  int ListBoxLeft = 0;
  int ListBoxTop = 0;
  int ListBoxWidth = 0;
  int ListBoxHeight = 0;
};

/// The font size for a screen of the given width: s = width / 110 rounded; 6 or 7 give 6,
/// 8, 9 and 10 themselves, 11..15 give 11, 16..19 give 12, anything else 10.
int MainWindowFontSize(int screen_width);

/// Lays the main window out for a screen of screen_width x screen_height pixels: a screen of
/// 1280 x 1024 gives font 11, a window of 1216 x 958 and a tab control 660 wide.
MainWindowLayout LayoutMainWindow(int screen_width, int screen_height);

}  // namespace shell
