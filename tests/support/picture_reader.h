#pragma once

// A reader of the picture-mode drawings the documents hold: it follows \put, \multiput, the
// picture lines and curves (\line, \vector, \circle, \oval, \arc, \Line, \polygon, \polyline,
// the Bezier curves), the em-line pen of \mt/\pp, the hatching rows of sav.txt, saved boxes,
// nested pictures and \unitlength, and gives each picture that the page reserves room for its
// declared box, the extent of everything drawn in it and an approximate box for each label
// (its characters at the label's font size). Units are points, in the picture's own
// coordinates (y up).

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

/// An axis-aligned box in points; empty until something is added.
struct PictureBox {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;

  /// Whether nothing was added.
  bool Empty() const { return x0 > x1; }
  /// Grows the box to hold (x, y).
  void Add(double x, double y);
  /// Grows the box to hold b (nothing when b is empty).
  void Add(const PictureBox& b);
  /// The box moved by (dx, dy).
  PictureBox Moved(double dx, double dy) const;
  /// How far the box reaches outside `room` on its farthest side (0 when inside).
  double Outside(const PictureBox& room) const;
  /// Whether the two boxes overlap by more than `margin` both across and along.
  bool Overlaps(const PictureBox& other, double margin) const;
  /// "[x0, x1] x [y0, y1]" for messages.
  std::string Describe() const;
};

/// A piece of text placed in a picture: the characters as written and their approximate box.
struct PictureLabel {
  std::string text;
  PictureBox box;
};

/// What one picture of a document holds.
struct ReadPicture {
  std::size_t offset = 0;  ///< where \begin{picture} (or the \usebox) stands in the text
  PictureBox declared;     ///< the room the page reserves
  PictureBox drawn;        ///< everything drawn, labels included
  std::vector<PictureLabel> labels;
  std::set<std::string> unknown;  ///< commands met inside the picture that the reader does not know
};

/// The reader with the definitions of the support files (saved boxes and macros) loaded.
class PictureReader {
 public:
  /// Loads sav.txt, kolco.txt and ris1.txt from tex_dir; throws std::runtime_error when one
  /// cannot be read.
  explicit PictureReader(const std::filesystem::path& tex_dir);
  /// A reader without support files (for small fixtures).
  PictureReader();
  ~PictureReader();
  PictureReader(PictureReader&&) noexcept;

  /// Every picture the page reserves room for in `text` (a document or an answers file, UTF-8),
  /// in text order: pictures outside any other picture, and saved boxes placed outside pictures.
  /// The saved boxes and macros of `defined_before` (the document an answers file goes with)
  /// are known first.
  std::vector<ReadPicture> Read(const std::string& text,
                                const std::string& defined_before = "") const;

  struct Definitions;

 private:
  std::unique_ptr<Definitions> support_;
};

/// The reader over the repository's own tex/ folder (loaded once).
const PictureReader& RepositoryPictureReader();

/// Where the first \begin{picture} at least `min_width` wide stands in `text` from `from` (the
/// small pictures of symbols and arrows are narrower), or std::string::npos.
std::size_t FindPictureAtLeast(const std::string& text, double min_width, std::size_t from = 0);

}  // namespace testing_support
