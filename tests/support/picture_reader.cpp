#include "tests/support/picture_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <stdexcept>

namespace testing_support {

void PictureBox::Add(double x, double y) {
  x0 = std::min(x0, x);
  x1 = std::max(x1, x);
  y0 = std::min(y0, y);
  y1 = std::max(y1, y);
}

void PictureBox::Add(const PictureBox& b) {
  if (b.Empty()) return;
  Add(b.x0, b.y0);
  Add(b.x1, b.y1);
}

PictureBox PictureBox::Moved(double dx, double dy) const {
  if (Empty()) return *this;
  return {x0 + dx, y0 + dy, x1 + dx, y1 + dy};
}

double PictureBox::Outside(const PictureBox& room) const {
  if (Empty()) return 0;
  return std::max({0.0, room.x0 - x0, x1 - room.x1, room.y0 - y0, y1 - room.y1});
}

bool PictureBox::Overlaps(const PictureBox& other, double margin) const {
  if (Empty() || other.Empty()) return false;
  const double across = std::min(x1, other.x1) - std::max(x0, other.x0);
  const double along = std::min(y1, other.y1) - std::max(y0, other.y0);
  return across > margin && along > margin;
}

std::string PictureBox::Describe() const {
  if (Empty()) return "(empty)";
  std::ostringstream out;
  out.precision(4);
  out << "[" << x0 << ", " << x1 << "] x [" << y0 << ", " << y1 << "]";
  return out.str();
}

namespace {

// What a list of material holds, in the coordinates of whatever it was drawn into.
struct Drawing {
  PictureBox ink;
  std::vector<PictureLabel> labels;
  PictureBox room;  // the declared boxes of the pictures in it
  std::set<std::string> unknown;

  void Merge(const Drawing& d, double dx, double dy) {
    ink.Add(d.ink.Moved(dx, dy));
    for (const PictureLabel& l : d.labels) labels.push_back({l.text, l.box.Moved(dx, dy)});
    room.Add(d.room.Moved(dx, dy));
    unknown.insert(d.unknown.begin(), d.unknown.end());
  }
  PictureBox Everything() const {
    PictureBox b = ink;
    for (const PictureLabel& l : labels) b.Add(l.box);
    return b;
  }
};

struct SavedBox {
  Drawing drawing;
  double width = 0;
};

struct Macro {
  int args = 0;
  bool optional = false;
  std::string default_value;
  std::string body;
};

}  // namespace

struct PictureReader::Definitions {
  std::map<std::string, Macro> macros;
  std::map<std::string, SavedBox> boxes;
};

namespace {

using Definitions = PictureReader::Definitions;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Commands the reader draws or follows itself; the support files' definitions of these names
// are not used.
const std::set<std::string>& NativeNames() {
  static const std::set<std::string> names = {
      "mt",  "pp",   "strichl", "strichr",      "strichu",     "strichd",      "tbbaseline",
      "spe", "speh", "spehh",   "tbhatchwidth", "tbbodywidth", "tbgroundwidth"};
  return names;
}

// Commands that change nothing the reader measures.
const std::set<std::string>& NoOpNames() {
  static const std::set<std::string> names = {"Red",
                                              "Blue",
                                              "Brown",
                                              "OliveGreen",
                                              "BrickRed",
                                              "Black",
                                              "Green",
                                              "Magenta",
                                              "Orange",
                                              "Sepia",
                                              "Cyan",
                                              "Yellow",
                                              "White",
                                              "Gray",
                                              "Purple",
                                              "Violet",
                                              "RedOrange",
                                              "Maroon",
                                              "NavyBlue",
                                              "RoyalBlue",
                                              "ForestGreen",
                                              "Emerald",
                                              "Plum",
                                              "Mahogany",
                                              "Tan",
                                              "Bittersweet",
                                              "Goldenrod",
                                              "Dandelion",
                                              "Apricot",
                                              "Peach",
                                              "Melon",
                                              "Salmon",
                                              "CarnationPink",
                                              "Lavender",
                                              "Thistle",
                                              "Orchid",
                                              "DarkOrchid",
                                              "RoyalPurple",
                                              "BlueViolet",
                                              "Periwinkle",
                                              "CadetBlue",
                                              "CornflowerBlue",
                                              "MidnightBlue",
                                              "ProcessBlue",
                                              "SkyBlue",
                                              "Turquoise",
                                              "TealBlue",
                                              "Aquamarine",
                                              "BlueGreen",
                                              "SeaGreen",
                                              "PineGreen",
                                              "LimeGreen",
                                              "YellowGreen",
                                              "SpringGreen",
                                              "GreenYellow",
                                              "RawSienna",
                                              "RubineRed",
                                              "WildStrawberry",
                                              "VioletRed",
                                              "Rhodamine",
                                              "Mulberry",
                                              "RedViolet",
                                              "Fuchsia",
                                              "JungleGreen",
                                              "OrangeRed",
                                              "BurntOrange",
                                              "YellowOrange",
                                              "thicklines",
                                              "thinlines",
                                              "noindent",
                                              "par",
                                              "relax",
                                              "ignorespaces",
                                              "hfill",
                                              "hss",
                                              "null",
                                              "strut",
                                              "displaystyle",
                                              "textstyle",
                                              "scriptstyle",
                                              "scriptscriptstyle",
                                              "limits",
                                              "nolimits",
                                              "protect",
                                              "rm",
                                              "it",
                                              "bf",
                                              "sl",
                                              "tt",
                                              "sf",
                                              "em",
                                              "normalfont",
                                              "upshape",
                                              "itshape",
                                              "bfseries",
                                              "mdseries",
                                              "centering",
                                              "raggedright",
                                              "newline",
                                              "hline",
                                              "vfill",
                                              "smallskip",
                                              "medskip",
                                              "bigskip",
                                              "mathop",
                                              "mathrm",
                                              "mathbf",
                                              "mathit",
                                              "boldmath",
                                              "unboldmath",
                                              "left",
                                              "right",
                                              "big",
                                              "Big",
                                              "bigl",
                                              "bigr",
                                              "Bigl",
                                              "Bigr",
                                              "allowbreak",
                                              "nobreak",
                                              "break",
                                              "newpage",
                                              "clearpage",
                                              "pagebreak",
                                              "indent",
                                              "leavevmode",
                                              "selectfont",
                                              "mathstrut",
                                              "spe",
                                              "speh",
                                              "spehh",
                                              "tbhatchwidth",
                                              "tbbodywidth",
                                              "tbgroundwidth",
                                              "hbox",
                                              "mbox",
                                              "text",
                                              "textrm",
                                              "textbf",
                                              "textit",
                                              "textup",
                                              "boldsymbol",
                                              "operatorname",
                                              "mathsf",
                                              "mathtt",
                                              "mathcal",
                                              "mathbb",
                                              "upshape"};
  return names;
}

// Commands whose arguments are skipped: name and number of brace arguments.
const std::map<std::string, int>& SkippedArguments() {
  static const std::map<std::string, int> names = {
      {"special", 1},     {"linethickness", 1},  {"setcounter", 2},    {"addtocounter", 2},
      {"definecolor", 3}, {"input", 1},          {"color", 1},         {"newsavebox", 1},
      {"pagestyle", 1},   {"usepackage", 1},     {"vspace", 1},        {"label", 1},
      {"stepcounter", 1}, {"refstepcounter", 1}, {"thispagestyle", 1}, {"newcounter", 1}};
  return names;
}

double FontSize(const std::string& name) {
  static const std::map<std::string, double> sizes = {
      {"tiny", 6},        {"scriptsize", 8}, {"footnotesize", 10}, {"small", 10.95},
      {"normalsize", 12}, {"large", 14.4},   {"Large", 17.28},     {"LARGE", 20.74},
      {"huge", 24.88},    {"Huge", 24.88}};
  const auto it = sizes.find(name);
  return it == sizes.end() ? 0 : it->second;
}

// Symbols written as commands: their width in ems (0 for no symbol) and whether they reach
// below the baseline.
struct SymbolShape {
  double width;
  bool descends;
};

SymbolShape SymbolCommand(const std::string& name) {
  static const std::set<std::string> greek_descending = {
      "beta", "gamma", "zeta", "eta",    "mu",       "xi",  "rho", "varphi",
      "phi",  "chi",   "psi",  "varrho", "varsigma", "Phi", "Psi"};
  static const std::set<std::string> greek = {
      "alpha",   "delta",  "epsilon", "varepsilon", "theta", "vartheta", "iota",
      "kappa",   "lambda", "nu",      "pi",         "varpi", "sigma",    "tau",
      "upsilon", "omega",  "Gamma",   "Delta",      "Theta", "Lambda",   "Xi",
      "Pi",      "Sigma",  "Upsilon", "Omega",      "ell",   "partial",  "nabla"};
  static const std::set<std::string> wide = {
      "cdot", "times",  "pm",     "mp",       "le",         "leq",       "ge",         "geq",
      "ne",   "neq",    "approx", "to",       "rightarrow", "leftarrow", "Rightarrow", "equiv",
      "sim",  "cup",    "cap",    "in",       "subset",     "supset",    "vee",        "wedge",
      "neg",  "forall", "exists", "oplus",    "otimes",     "infty",     "sum",        "prod",
      "int",  "angle",  "perp",   "parallel", "No",         "ldots",     "cdots",      "dots"};
  if (greek_descending.contains(name)) return {0.6, true};
  if (greek.contains(name)) return {0.6, false};
  if (name == "cdot") return {0.28, false};
  if (name == "circ" || name == "prime") return {0.5, false};
  if (wide.contains(name)) return {0.78, false};
  if (name == "%" || name == "&" || name == "#" || name == "_" || name == "{" || name == "}" ||
      name == "$")
    return {0.5, false};
  return {0, false};
}

// Width in ems of one character (first byte of a UTF-8 sequence) and whether it descends.
SymbolShape CharShape(unsigned char c, unsigned char next, bool math) {
  if (c >= '0' && c <= '9') return {0.5, false};
  if (c >= 'A' && c <= 'Z') return {c == 'M' || c == 'W' ? 0.95 : 0.74, false};
  if (c >= 'a' && c <= 'z') {
    const bool descends = c == 'g' || c == 'j' || c == 'p' || c == 'q' || c == 'y';
    return {c == 'm' || c == 'w' ? 0.8 : (c == 'i' || c == 'l' || c == 't' ? 0.33 : 0.5), descends};
  }
  if (c == 0xD0 || c == 0xD1) {
    // Cyrillic: capitals are D0 90..AF, small letters D0 B0..BF and D1 80..8F.
    const bool capital = c == 0xD0 && next >= 0x90 && next <= 0xAF;
    return {capital ? 0.74 : 0.52, false};
  }
  if (c >= 0x80) return {0.6, false};
  switch (c) {
    case '.':
    case ',':
    case ':':
    case ';':
    case '!':
    case '\'':
    case '|':
      return {0.28, c == ',' || c == ';'};
    case '-':
      return {math ? 0.78 : 0.33, false};
    case '+':
    case '=':
    case '<':
    case '>':
      return {0.78, false};
    case '(':
    case ')':
    case '[':
    case ']':
      return {0.39, true};
    default:
      return {0.5, false};
  }
}

// A number in a picture argument; spaces around it are allowed.
double Number(const std::string& text, bool* ok = nullptr) {
  std::size_t b = 0;
  while (b < text.size() && IsSpace(text[b])) ++b;
  const char* start = text.c_str() + b;
  char* end = nullptr;
  const double v = std::strtod(start, &end);
  bool good = end != start;
  for (const char* p = end; good && *p != '\0'; ++p) good = IsSpace(*p);
  if (ok != nullptr) *ok = good;
  return good ? v : 0;
}

class Executor {
 public:
  Executor(Definitions& defs, const std::string& doc, std::vector<ReadPicture>* out)
      : defs_(defs), doc_(doc), out_(out) {}

  void Run() {
    Ctx ctx;
    double cursor = 0;
    List(doc_, 0, doc_.size(), ctx, cursor);
  }

 private:
  struct Ctx {
    double ox = 0, oy = 0;  // the origin of the current list in the sink's coordinates
    double unit = 1;
    double size = 12;
    double script = 1;  // size factor of sub- and superscripts
    double shift = 0;   // baseline shift of sub- and superscripts
    double fboxsep = 3;
    bool math = false;
    bool accent = false;
    bool picture_mode = false;
    Drawing* sink = nullptr;
    std::size_t anchor = 0;
    int depth = 0;  // macro expansion depth
  };

  // The label a run of characters extends: the sink it lives in, its index and where its
  // last character ended.
  struct OpenLabel {
    Drawing* sink = nullptr;
    std::size_t index = 0;
    double x = 0, y = 0;
  };

  static std::size_t SkipSpaces(const std::string& t, std::size_t i, std::size_t e) {
    while (i < e) {
      if (IsSpace(t[i])) {
        ++i;
      } else if (t[i] == '%') {
        while (i < e && t[i] != '\n') ++i;
      } else {
        break;
      }
    }
    return i;
  }

  // The end (one past the closing brace) of the group opening at t[i] == '{'.
  static std::size_t GroupEnd(const std::string& t, std::size_t i, std::size_t e) {
    int depth = 0;
    for (; i < e; ++i) {
      const char c = t[i];
      if (c == '\\') {
        ++i;
      } else if (c == '%') {
        while (i < e && t[i] != '\n') ++i;
      } else if (c == '{') {
        ++depth;
      } else if (c == '}') {
        if (--depth == 0) return i + 1;
      }
    }
    return e;
  }

  // Reads a brace argument (or a single token) at i; returns its inner range and moves i.
  static std::pair<std::size_t, std::size_t> Argument(const std::string& t, std::size_t& i,
                                                      std::size_t e) {
    i = SkipSpaces(t, i, e);
    if (i >= e) return {e, e};
    if (t[i] == '{') {
      const std::size_t end = GroupEnd(t, i, e);
      const std::pair<std::size_t, std::size_t> r{i + 1, end > i + 1 ? end - 1 : end};
      i = end;
      return r;
    }
    const std::size_t b = i;
    if (t[i] == '\\') {
      ++i;
      if (i < e && IsLetter(t[i])) {
        while (i < e && IsLetter(t[i])) ++i;
      } else {
        ++i;
      }
    } else {
      ++i;
    }
    return {b, std::min(i, e)};
  }

  static std::string ArgumentText(const std::string& t, std::size_t& i, std::size_t e) {
    const auto [b, end] = Argument(t, i, e);
    return t.substr(b, end - b);
  }

  // "[...]" at i, if there.
  static bool Optional(const std::string& t, std::size_t& i, std::size_t e, std::string* text) {
    const std::size_t j = SkipSpaces(t, i, e);
    if (j >= e || t[j] != '[') return false;
    const std::size_t close = t.find(']', j);
    if (close == std::string::npos || close >= e) return false;
    if (text != nullptr) *text = t.substr(j + 1, close - j - 1);
    i = close + 1;
    return true;
  }

  // "(a,b,...)" at i: the numbers inside, or nothing when there is no parenthesis.
  static bool Tuple(const std::string& t, std::size_t& i, std::size_t e, std::vector<double>* v) {
    const std::size_t j = SkipSpaces(t, i, e);
    if (j >= e || t[j] != '(') return false;
    const std::size_t close = t.find(')', j);
    if (close == std::string::npos || close >= e) return false;
    v->clear();
    std::string inner = t.substr(j + 1, close - j - 1);
    std::size_t from = 0;
    while (true) {
      const std::size_t comma = inner.find(',', from);
      v->push_back(Number(inner.substr(from, comma - from)));
      if (comma == std::string::npos) break;
      from = comma + 1;
    }
    i = close + 1;
    return true;
  }

  static std::pair<double, double> Pair(const std::string& t, std::size_t& i, std::size_t e) {
    std::vector<double> v;
    if (!Tuple(t, i, e, &v) || v.size() < 2) return {0, 0};
    return {v[0], v[1]};
  }

  // A dimension such as "0.8pt", "=1.2pt" or "-5mm" at i, in points.
  static double Dimension(const std::string& t, std::size_t& i, std::size_t e, double em) {
    i = SkipSpaces(t, i, e);
    if (i < e && t[i] == '=') i = SkipSpaces(t, i + 1, e);
    const char* start = t.c_str() + i;
    char* end = nullptr;
    double v = std::strtod(start, &end);
    if (end == start) v = 1;  // "\raise\dimen" and the like: no number
    i += static_cast<std::size_t>(end - start);
    i = SkipSpaces(t, i, e);
    static const std::pair<const char*, double> units[] = {{"pt", 1},       {"mm", 2.84528},
                                                           {"cm", 28.4528}, {"bp", 1.00375},
                                                           {"in", 72.27},   {"sp", 1.0 / 65536}};
    for (const auto& [name, factor] : units) {
      if (t.compare(i, 2, name) == 0) {
        i += 2;
        return v * factor;
      }
    }
    if (t.compare(i, 2, "em") == 0) {
      i += 2;
      return v * em;
    }
    if (t.compare(i, 2, "ex") == 0) {
      i += 2;
      return v * em * 0.43;
    }
    if (t.compare(i, 10, "\\unitlength") == 0) {
      i += 10;
      return v;  // the caller's unit is not known here: coordinates are kept as written
    }
    return v;
  }

  void CloseLabel() { open_ = {}; }

  void Ink(Ctx& ctx, double x, double y) {
    if (ctx.sink == nullptr) return;
    ctx.sink->ink.Add(x, y);
    CloseLabel();
  }

  // One character or symbol of a label at the cursor.
  void Glyph(Ctx& ctx, double& cursor, const std::string& shown, double width_em, bool descends) {
    const double size = ctx.size * ctx.script;
    const double w = width_em * size;
    if (ctx.sink != nullptr) {
      const double x = ctx.ox + cursor;
      const double y = ctx.oy + ctx.shift;
      PictureBox box;
      box.Add(x, y - (descends ? 0.22 * size : 0));
      box.Add(x + w, y + (ctx.accent ? 0.95 : 0.68) * size);
      const bool continues = open_.sink == ctx.sink && std::abs(open_.x - x) < 0.01 &&
                             std::abs(open_.y - (ctx.oy)) < 0.01;
      if (continues) {
        PictureLabel& l = ctx.sink->labels[open_.index];
        l.text += shown;
        l.box.Add(box);
      } else {
        ctx.sink->labels.push_back({shown, box});
        open_ = {ctx.sink, ctx.sink->labels.size() - 1, 0, ctx.oy};
      }
      open_.x = x + w;
    }
    cursor += w;
  }

  // A space: moves the cursor and keeps the label open.
  void Space(Ctx& ctx, double& cursor, double em) {
    const double w = em * ctx.size * ctx.script;
    if (ctx.sink != nullptr && open_.sink == ctx.sink &&
        std::abs(open_.x - (ctx.ox + cursor)) < 0.01) {
      open_.x += w;
    }
    cursor += w;
  }

  void Unknown(Ctx& ctx, const std::string& name) {
    if (ctx.sink != nullptr) ctx.sink->unknown.insert(name);
  }

  // Runs a list in a scratch drawing with its origin at (0, 0); returns what it drew and
  // its width.
  Drawing Scratch(const std::string& t, std::size_t b, std::size_t e, const Ctx& ctx,
                  double* width) {
    Drawing d;
    Ctx inner = ctx;
    inner.sink = &d;
    inner.ox = 0;
    inner.oy = 0;
    double cursor = 0;
    CloseLabel();
    List(t, b, e, inner, cursor);
    CloseLabel();
    *width = cursor;
    return d;
  }

  void Put(const std::string& t, std::size_t b, std::size_t e, Ctx& ctx, double cursor, double x,
           double y) {
    Ctx inner = ctx;
    inner.ox = ctx.ox + cursor + x * ctx.unit;
    inner.oy = ctx.oy + y * ctx.unit;
    inner.shift = 0;
    inner.picture_mode = false;
    double local = 0;
    CloseLabel();
    List(t, b, e, inner, local);
    CloseLabel();
  }

  void Curve(Ctx& ctx, double cursor, const std::vector<std::pair<double, double>>& p) {
    // Bezier curve of degree p.size() - 1, sampled.
    for (int k = 0; k <= 32; ++k) {
      const double s = k / 32.0;
      std::vector<std::pair<double, double>> q = p;
      for (std::size_t n = q.size(); n > 1; --n) {
        for (std::size_t j = 0; j + 1 < n; ++j) {
          q[j] = {q[j].first * (1 - s) + q[j + 1].first * s,
                  q[j].second * (1 - s) + q[j + 1].second * s};
        }
      }
      Ink(ctx, ctx.ox + cursor + q[0].first * ctx.unit, ctx.oy + q[0].second * ctx.unit);
    }
  }

  void Points(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double cursor) {
    std::vector<double> v;
    while (Tuple(t, i, e, &v)) {
      if (v.size() >= 2) Ink(ctx, ctx.ox + cursor + v[0] * ctx.unit, ctx.oy + v[1] * ctx.unit);
    }
  }

  void Hatching(Ctx& ctx, double cursor, char side, int n) {
    const double u = ctx.unit;
    const double x = ctx.ox + cursor, y = ctx.oy;
    const double len = 2.0 * n * u, step = 2.0 * u;
    if (n <= 0) return;
    switch (side) {
      case 'l':
        Ink(ctx, x - step, y);
        Ink(ctx, x, y + len);
        break;
      case 'r':
        Ink(ctx, x, y);
        Ink(ctx, x + step, y + len);
        break;
      case 'u':
        Ink(ctx, x, y);
        Ink(ctx, x + len, y + step);
        break;
      default:
        Ink(ctx, x, y - step);
        Ink(ctx, x + len, y);
        break;
    }
  }

  void Picture(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor,
               std::size_t at) {
    std::vector<double> size{0, 0}, offset{0, 0};
    Tuple(t, i, e, &size);
    if (!Tuple(t, i, e, &offset)) offset = {0, 0};
    size.resize(2, 0);
    offset.resize(2, 0);
    // The matching \end{picture}.
    std::size_t body_end = e, after = e;
    int nest = 1;
    for (std::size_t j = i; j < e;) {
      const std::size_t b = t.find("\\begin{picture}", j);
      const std::size_t f = t.find("\\end{picture}", j);
      if (f == std::string::npos || f >= e) break;
      if (b != std::string::npos && b < f) {
        ++nest;
        j = b + 15;
      } else {
        if (--nest == 0) {
          body_end = f;
          after = f + 13;
          break;
        }
        j = f + 13;
      }
    }
    const double u = ctx.unit;
    CloseLabel();
    if (ctx.sink == nullptr) {
      Drawing d;
      Ctx inner = ctx;
      inner.sink = &d;
      inner.ox = 0;
      inner.oy = 0;
      inner.shift = 0;
      inner.picture_mode = true;
      double local = 0;
      List(t, i, body_end, inner, local);
      ReadPicture rec;
      rec.offset = &t == &doc_ ? at : ctx.anchor;
      rec.declared.Add(offset[0] * u, offset[1] * u);
      rec.declared.Add((offset[0] + size[0]) * u, (offset[1] + size[1]) * u);
      rec.drawn = d.Everything();
      rec.labels = std::move(d.labels);
      rec.unknown = std::move(d.unknown);
      if (out_ != nullptr) out_->push_back(std::move(rec));
    } else {
      Ctx inner = ctx;
      inner.ox = ctx.ox + cursor - offset[0] * u;
      inner.oy = ctx.oy - offset[1] * u;
      inner.shift = 0;
      inner.picture_mode = true;
      double local = 0;
      List(t, i, body_end, inner, local);
      PictureBox room;
      room.Add(ctx.ox + cursor, ctx.oy);
      room.Add(ctx.ox + cursor + size[0] * u, ctx.oy + size[1] * u);
      ctx.sink->room.Add(room);
      cursor += size[0] * u;
    }
    CloseLabel();
    i = after;
  }

  void Define(const std::string& t, std::size_t& i, std::size_t e, const std::string& how) {
    std::string name;
    if (how == "def") {
      i = SkipSpaces(t, i, e);
      std::size_t b = i;
      if (i < e && t[i] == '\\') {
        ++i;
        while (i < e && IsLetter(t[i])) ++i;
      }
      name = t.substr(b + 1, i - b - 1);
      while (i < e && t[i] != '{') ++i;  // parameters of \def are not used by the documents
    } else {
      name = ArgumentText(t, i, e);
      if (!name.empty() && name[0] == '\\') name.erase(0, 1);
    }
    Macro m;
    std::string n;
    if (how != "def" && Optional(t, i, e, &n)) m.args = static_cast<int>(Number(n));
    std::string d;
    if (how != "def" && Optional(t, i, e, &d)) {
      m.optional = true;
      m.default_value = d;
    }
    m.body = ArgumentText(t, i, e);
    if (NativeNames().contains(name)) return;
    if (how == "providecommand" && defs_.macros.contains(name)) return;
    defs_.macros[name] = m;
  }

  void Expand(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor,
              const Macro& m, std::size_t at) {
    std::vector<std::string> args;
    if (m.optional) {
      std::string o;
      args.push_back(Optional(t, i, e, &o) ? o : m.default_value);
    }
    while (static_cast<int>(args.size()) < m.args) args.push_back(ArgumentText(t, i, e));
    std::string body;
    for (std::size_t k = 0; k < m.body.size(); ++k) {
      if (m.body[k] == '#' && k + 1 < m.body.size() && m.body[k + 1] >= '1' &&
          m.body[k + 1] <= '9') {
        const std::size_t a = static_cast<std::size_t>(m.body[k + 1] - '1');
        if (a < args.size()) body += args[a];
        ++k;
      } else {
        body += m.body[k];
      }
    }
    if (ctx.depth > 40) return;
    Ctx inner = ctx;
    ++inner.depth;
    inner.anchor = &t == &doc_ ? at : ctx.anchor;
    // The macro's group-less settings (a size, a unit) last beyond it: run it in this list.
    List(body, 0, body.size(), inner, cursor);
    ctx.size = inner.size;
    ctx.unit = inner.unit;
    ctx.accent = inner.accent;
  }

  void SaveBox(const std::string& t, std::size_t& i, std::size_t e, const Ctx& ctx) {
    std::string name = ArgumentText(t, i, e);
    if (!name.empty() && name[0] == '\\') name.erase(0, 1);
    std::string width_text;
    const bool has_width = Optional(t, i, e, &width_text);
    Optional(t, i, e, nullptr);
    const auto [b, end] = Argument(t, i, e);
    Ctx inner = ctx;
    inner.picture_mode = false;
    inner.shift = 0;
    double width = 0;
    SavedBox box;
    box.drawing = Scratch(t, b, end, inner, &width);
    box.width = width;
    if (has_width) {
      std::size_t k = 0;
      box.width = Dimension(width_text, k, width_text.size(), ctx.size);
    }
    defs_.boxes[name] = std::move(box);
  }

  void UseBox(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor,
              std::size_t at) {
    std::string name = ArgumentText(t, i, e);
    if (!name.empty() && name[0] == '\\') name.erase(0, 1);
    const auto it = defs_.boxes.find(name);
    if (it == defs_.boxes.end()) {
      Unknown(ctx, "usebox " + name);
      return;
    }
    const SavedBox& box = it->second;
    CloseLabel();
    if (ctx.sink != nullptr) {
      ctx.sink->Merge(box.drawing, ctx.ox + cursor, ctx.oy);
    } else if (!box.drawing.room.Empty() && out_ != nullptr) {
      ReadPicture rec;
      rec.offset = &t == &doc_ ? at : ctx.anchor;
      rec.declared = box.drawing.room;
      rec.drawn = box.drawing.Everything();
      rec.labels = box.drawing.labels;
      rec.unknown = box.drawing.unknown;
      out_->push_back(std::move(rec));
    }
    cursor += box.width;
  }

  // \makebox(w,h)[pos]{...} and \framebox: the content placed in a w x h box at the cursor.
  void PictureBoxCommand(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx,
                         double& cursor, bool framed) {
    const auto [w, h] = Pair(t, i, e);
    std::string pos;
    Optional(t, i, e, &pos);
    const auto [b, end] = Argument(t, i, e);
    double width = 0;
    Drawing d = Scratch(t, b, end, ctx, &width);
    const PictureBox all = d.Everything();
    const double bw = w * ctx.unit, bh = h * ctx.unit;
    double dx = (bw - width) / 2, dy = 0;
    if (!all.Empty()) dy = (bh - (all.y1 + all.y0)) / 2;
    if (pos.find('l') != std::string::npos) dx = 0;
    if (pos.find('r') != std::string::npos) dx = bw - width;
    if (pos.find('b') != std::string::npos) dy = all.Empty() ? 0 : -all.y0;
    if (pos.find('t') != std::string::npos) dy = all.Empty() ? bh : bh - all.y1;
    if (ctx.sink != nullptr) {
      CloseLabel();
      ctx.sink->Merge(d, ctx.ox + cursor + dx, ctx.oy + dy);
      if (framed) {
        ctx.sink->ink.Add(ctx.ox + cursor, ctx.oy);
        ctx.sink->ink.Add(ctx.ox + cursor + bw, ctx.oy + bh);
      }
    }
    cursor += bw;
  }

  // \fbox, \colorbox and \fcolorbox: the content with a frame \fboxsep away.
  void FramedBox(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor,
                 int colours, bool frame) {
    for (int k = 0; k < colours; ++k) ArgumentText(t, i, e);
    const auto [b, end] = Argument(t, i, e);
    if (ctx.sink == nullptr) {
      // The box's contents are a group: a \unitlength or size set inside ends with it.
      Ctx inner = ctx;
      double local = cursor;
      List(t, b, end, inner, local);
      return;
    }
    const double sep = ctx.fboxsep + (frame ? 0.4 : 0);
    double width = 0;
    Drawing d = Scratch(t, b, end, ctx, &width);
    PictureBox body = d.Everything();
    body.Add(0, 0);
    body.Add(width, 0);
    CloseLabel();
    ctx.sink->Merge(d, ctx.ox + cursor + sep, ctx.oy);
    ctx.sink->ink.Add(ctx.ox + cursor, ctx.oy + body.y0 - sep);
    ctx.sink->ink.Add(ctx.ox + cursor + width + 2 * sep, ctx.oy + body.y1 + sep);
    cursor += width + 2 * sep;
  }

  void Command(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor) {
    const std::size_t at = i;
    ++i;  // the backslash
    if (i >= e) return;
    std::string name;
    if (IsLetter(t[i])) {
      while (i < e && IsLetter(t[i])) name += t[i++];
    } else {
      name = t[i++];
    }
    const bool word = IsLetter(name[0]);
    std::size_t after_name = i;
    if (word) i = SkipSpaces(t, i, e);
    const double u = ctx.unit;

    if (name == "begin") {
      const std::string env = ArgumentText(t, i, e);
      if (env == "picture") Picture(t, i, e, ctx, cursor, at);
      return;
    }
    if (name == "end") {
      ArgumentText(t, i, e);
      return;
    }
    // \put and \multiput (and \mt, \pp, which are \put) end with \ignorespaces: the spaces
    // after them take no room, also in a box outside picture mode.
    if (name == "put") {
      const auto [x, y] = Pair(t, i, e);
      const auto [b, end] = Argument(t, i, e);
      Put(t, b, end, ctx, cursor, x, y);
      i = SkipSpaces(t, i, e);
      return;
    }
    if (name == "multiput") {
      const auto [x, y] = Pair(t, i, e);
      const auto [dx, dy] = Pair(t, i, e);
      const int n = static_cast<int>(Number(ArgumentText(t, i, e)));
      const auto [b, end] = Argument(t, i, e);
      for (int k = 0; k < n && k < 10000; ++k) Put(t, b, end, ctx, cursor, x + k * dx, y + k * dy);
      i = SkipSpaces(t, i, e);
      return;
    }
    if (name == "mt" || name == "pp") {
      const double x = Number(ArgumentText(t, i, e));
      const double y = Number(ArgumentText(t, i, e));
      Ink(ctx, ctx.ox + cursor + x * u, ctx.oy + y * u);
      i = SkipSpaces(t, i, e);
      return;
    }
    if (name == "line" || name == "vector") {
      const auto [a, b] = Pair(t, i, e);
      const double len = Number(ArgumentText(t, i, e));
      double dx = 0, dy = 0;
      if (a == 0) {
        dy = b < 0 ? -len : len;
      } else {
        dx = a < 0 ? -len : len;
        dy = dx * b / a;
      }
      Ink(ctx, ctx.ox + cursor, ctx.oy);
      Ink(ctx, ctx.ox + cursor + dx * u, ctx.oy + dy * u);
      return;
    }
    if (name == "circle" || name == "arc" || name == "oval") {
      if (i < e && t[i] == '*') ++i;
      const double cx = ctx.ox + cursor, cy = ctx.oy;
      if (name == "circle") {
        const double r = Number(ArgumentText(t, i, e)) * u / 2;
        Ink(ctx, cx - r, cy - r);
        Ink(ctx, cx + r, cy + r);
      } else if (name == "arc") {
        std::string range;
        double a0 = 0, a1 = 360;
        if (Optional(t, i, e, &range)) {
          const std::size_t comma = range.find(',');
          a0 = Number(range.substr(0, comma));
          a1 = comma == std::string::npos ? a0 : Number(range.substr(comma + 1));
        }
        const double r = Number(ArgumentText(t, i, e)) * u;
        if (a1 < a0) std::swap(a0, a1);
        for (double a = a0;; a += 2) {
          const double rad = std::min(a, a1) * std::numbers::pi / 180;
          Ink(ctx, cx + r * std::cos(rad), cy + r * std::sin(rad));
          if (a >= a1) break;
        }
      } else {
        Optional(t, i, e, nullptr);
        const auto [w, h] = Pair(t, i, e);
        std::string part;
        Optional(t, i, e, &part);
        double x0 = -w / 2, x1 = w / 2, y0 = -h / 2, y1 = h / 2;
        if (part.find('t') != std::string::npos) y0 = 0;
        if (part.find('b') != std::string::npos) y1 = 0;
        if (part.find('l') != std::string::npos) x1 = 0;
        if (part.find('r') != std::string::npos) x0 = 0;
        Ink(ctx, cx + x0 * u, cy + y0 * u);
        Ink(ctx, cx + x1 * u, cy + y1 * u);
      }
      return;
    }
    if (name == "Line" || name == "polyline" || name == "polygon" || name == "Vector") {
      if (i < e && t[i] == '*') ++i;
      Points(t, i, e, ctx, cursor);
      return;
    }
    if (name == "qbezier" || name == "cbezier" || name == "bezier") {
      Optional(t, i, e, nullptr);
      if (name == "bezier" && SkipSpaces(t, i, e) < e && t[SkipSpaces(t, i, e)] == '{')
        ArgumentText(t, i, e);
      std::vector<std::pair<double, double>> p;
      std::vector<double> v;
      while (Tuple(t, i, e, &v)) {
        v.resize(2, 0);
        p.emplace_back(v[0], v[1]);
      }
      if (!p.empty()) Curve(ctx, cursor, p);
      return;
    }
    if (name.size() == 7 && name.compare(0, 6, "strich") == 0) {
      const int n = static_cast<int>(Number(ArgumentText(t, i, e)));
      Hatching(ctx, cursor, name[6], n);
      return;
    }
    if (name == "usebox") {
      UseBox(t, i, e, ctx, cursor, at);
      return;
    }
    if (name == "sbox" || name == "savebox") {
      SaveBox(t, i, e, ctx);
      return;
    }
    if (name == "makebox" || name == "framebox" || name == "dashbox") {
      if (name == "dashbox") ArgumentText(t, i, e);
      const std::size_t j = SkipSpaces(t, i, e);
      if (j < e && t[j] == '(') {
        PictureBoxCommand(t, i, e, ctx, cursor, name != "makebox");
        return;
      }
      std::string width_text;
      const bool has_width = Optional(t, i, e, &width_text);
      Optional(t, i, e, nullptr);
      const auto [b, end] = Argument(t, i, e);
      double start = cursor;
      List(t, b, end, ctx, cursor);
      if (has_width) {
        std::size_t k = 0;
        cursor = start + Dimension(width_text, k, width_text.size(), ctx.size);
      }
      return;
    }
    if (name == "fbox" || name == "colorbox" || name == "fcolorbox") {
      FramedBox(t, i, e, ctx, cursor, name == "fbox" ? 0 : (name == "colorbox" ? 1 : 2),
                name != "colorbox");
      return;
    }
    if (name == "parbox") {
      Optional(t, i, e, nullptr);
      Optional(t, i, e, nullptr);
      Optional(t, i, e, nullptr);
      ArgumentText(t, i, e);
      const auto [b, end] = Argument(t, i, e);
      Ctx inner = ctx;
      double local = 0;
      List(t, b, end, inner, local);
      return;
    }
    if (name == "phantom" || name == "hphantom" || name == "vphantom") {
      const auto [b, end] = Argument(t, i, e);
      double width = 0;
      Scratch(t, b, end, ctx, &width);
      if (name != "vphantom") cursor += width;
      return;
    }
    if (name == "raise" || name == "lower" || name == "raisebox") {
      double by = 0;
      if (name == "raisebox") {
        const std::string d = ArgumentText(t, i, e);
        std::size_t k = 0;
        by = Dimension(d, k, d.size(), ctx.size);
      } else {
        by = Dimension(t, i, e, ctx.size);
        if (name == "lower") by = -by;
        i = SkipSpaces(t, i, e);
        if (t.compare(i, 5, "\\hbox") == 0 || t.compare(i, 5, "\\mbox") == 0) i += 5;
      }
      const auto [b, end] = Argument(t, i, e);
      Ctx inner = ctx;
      inner.oy += by;
      List(t, b, end, inner, cursor);
      return;
    }
    if (name == "rule") {
      std::string raise_text;
      double raise = 0;
      if (Optional(t, i, e, &raise_text)) {
        std::size_t k = 0;
        raise = Dimension(raise_text, k, raise_text.size(), ctx.size);
      }
      const std::string w = ArgumentText(t, i, e), h = ArgumentText(t, i, e);
      std::size_t k = 0, l = 0;
      const double width = Dimension(w, k, w.size(), ctx.size);
      const double height = Dimension(h, l, h.size(), ctx.size);
      if (width > 0 && height > 0) {
        Ink(ctx, ctx.ox + cursor, ctx.oy + raise);
        Ink(ctx, ctx.ox + cursor + width, ctx.oy + raise + height);
      }
      cursor += width;
      return;
    }
    if (name == "hskip" || name == "kern" || name == "hspace") {
      if (name == "hspace") {
        if (i < e && t[i] == '*') ++i;
        const std::string d = ArgumentText(t, i, e);
        std::size_t k = 0;
        cursor += Dimension(d, k, d.size(), ctx.size);
      } else {
        cursor += Dimension(t, i, e, ctx.size);
      }
      return;
    }
    if (name == "vskip" || name == "vspace") {
      if (name == "vspace") {
        ArgumentText(t, i, e);
      } else {
        Dimension(t, i, e, ctx.size);
      }
      return;
    }
    if (name == "unitlength") {
      ctx.unit = Dimension(t, i, e, ctx.size);
      return;
    }
    if (name == "fboxsep" || name == "fboxrule" || name == "tabcolsep" || name == "parindent" ||
        name == "textwidth" || name == "textheight" || name == "hoffset" || name == "voffset" ||
        name == "hfuzz" || name == "maxdepth" || name == "arraycolsep" || name == "parskip") {
      const double d = Dimension(t, i, e, ctx.size);
      if (name == "fboxsep") ctx.fboxsep = d;
      return;
    }
    if (name == "righthyphenmin" || name == "tolerance" || name == "pretolerance") {
      Dimension(t, i, e, ctx.size);
      return;
    }
    if (name == "setlength") {
      std::string what = ArgumentText(t, i, e);
      const std::string d = ArgumentText(t, i, e);
      std::size_t k = 0;
      const double v = Dimension(d, k, d.size(), ctx.size);
      if (what == "\\unitlength") ctx.unit = v;
      if (what == "\\fboxsep") ctx.fboxsep = v;
      return;
    }
    if (name == "newcommand" || name == "renewcommand" || name == "providecommand" ||
        name == "def") {
      if (i < e && t[i] == '*') ++i;
      Define(t, i, e, name);
      return;
    }
    if (const double size = FontSize(name); size > 0) {
      ctx.size = size;
      return;
    }
    if (const auto skip = SkippedArguments().find(name); skip != SkippedArguments().end()) {
      for (int k = 0; k < skip->second; ++k) ArgumentText(t, i, e);
      return;
    }
    if (name == "textcolor") {
      ArgumentText(t, i, e);
      return;
    }
    // Math and text material.
    // \frc is the documents' own display fraction (\displaystyle{\frac{#1}{#2}}): numerator
    // and denominator at full size, set about two thirds of an em off the baseline.
    if (name == "frac" || name == "dfrac" || name == "tfrac" || name == "frc") {
      const bool display = name == "frc";
      const auto [nb, ne] = Argument(t, i, e);
      const auto [db, de] = Argument(t, i, e);
      Ctx num = ctx, den = ctx;
      if (!display) {
        num.script *= 0.7;
        den.script *= 0.7;
      }
      num.shift += (display ? 0.68 : 0.45) * ctx.size * ctx.script;
      den.shift -= (display ? 0.69 : 0.4) * ctx.size * ctx.script;
      double c1 = cursor, c2 = cursor;
      CloseLabel();
      List(t, nb, ne, num, c1);
      CloseLabel();
      List(t, db, de, den, c2);
      cursor = std::max(c1, c2);
      return;
    }
    if (name == "sqrt") {
      Optional(t, i, e, nullptr);
      Glyph(ctx, cursor, "\\sqrt", 0.8, true);
      const auto [b, end] = Argument(t, i, e);
      List(t, b, end, ctx, cursor);
      return;
    }
    if (name == "vec" || name == "bar" || name == "hat" || name == "tilde" || name == "dot" ||
        name == "overline" || name == "widehat" || name == "widetilde" || name == "ddot") {
      const auto [b, end] = Argument(t, i, e);
      Ctx inner = ctx;
      inner.accent = true;
      List(t, b, end, inner, cursor);
      return;
    }
    if (name == "!") {
      Space(ctx, cursor, -0.17);
      return;
    }
    if (name == "," || name == ":" || name == ";" || name == " " || name == "quad" ||
        name == "qquad" || name == "enspace" || name == "thinspace") {
      const double em = name == "quad"      ? 1
                        : name == "qquad"   ? 2
                        : name == "enspace" ? 0.5
                        : name == ";"       ? 0.28
                        : name == " "       ? 0.33
                                            : 0.17;
      Space(ctx, cursor, em);
      return;
    }
    if (name == "\\") {
      Optional(t, i, e, nullptr);
      CloseLabel();
      return;
    }
    if (name == "arabic" || name == "roman" || name == "Roman" || name == "alph") {
      ArgumentText(t, i, e);
      Glyph(ctx, cursor, "0", 0.5, false);
      return;
    }
    if (const SymbolShape s = SymbolCommand(name); s.width > 0) {
      Glyph(ctx, cursor, "\\" + name + (word ? " " : ""), s.width, s.descends);
      return;
    }
    if (NoOpNames().contains(name)) return;
    if (const auto it = defs_.macros.find(name); it != defs_.macros.end()) {
      if (ctx.sink != nullptr || ctx.depth > 0) {
        const Macro m = it->second;
        Expand(t, i, e, ctx, cursor, m, at);
      }
      return;
    }
    if (ctx.sink != nullptr) Unknown(ctx, "\\" + name);
    if (!word) i = after_name;
  }

  void Math(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor) {
    // t[i] is the opening '$'.
    std::size_t j = i + 1;
    const bool display = j < e && t[j] == '$';
    if (display) ++j;
    std::size_t close = j;
    int depth = 0;
    for (; close < e; ++close) {
      if (t[close] == '\\') {
        ++close;
      } else if (t[close] == '{') {
        ++depth;
      } else if (t[close] == '}') {
        --depth;
      } else if (t[close] == '$' && depth == 0) {
        break;
      }
    }
    Ctx inner = ctx;
    inner.math = true;
    List(t, j, std::min(close, e), inner, cursor);
    i = std::min(e, close + (display ? 2 : 1));
  }

  // A sub- or superscript after '^' or '_' at t[i].
  void Script(const std::string& t, std::size_t& i, std::size_t e, Ctx& ctx, double& cursor) {
    const bool up = t[i] == '^';
    ++i;
    const auto [b, end] = Argument(t, i, e);
    Ctx inner = ctx;
    const double em = ctx.size * ctx.script;
    inner.script *= ctx.script > 0.8 ? 0.7 : 0.72;
    inner.shift += up ? 0.38 * em : -0.2 * em;
    List(t, b, end, inner, cursor);
  }

  void List(const std::string& t, std::size_t b, std::size_t e, Ctx& ctx, double& cursor) {
    bool space_before = false;
    for (std::size_t i = b; i < e;) {
      const char c = t[i];
      if (c == '\\') {
        // TeX skips the blanks after a control word ("\\scriptsize $x$"), not after a control
        // symbol ("\\ ").
        const bool word = i + 1 < e && std::isalpha(static_cast<unsigned char>(t[i + 1]));
        Command(t, i, e, ctx, cursor);
        space_before = word;
        continue;
      }
      // A comment takes its line's end with it, and TeX skips the next line's leading spaces.
      if (c == '%') {
        while (i < e && t[i] != '\n') ++i;
        if (i < e) ++i;
        while (i < e && (t[i] == ' ' || t[i] == '\t')) ++i;
        continue;
      }
      if (c == '{') {
        const std::size_t end = GroupEnd(t, i, e);
        Ctx inner = ctx;
        List(t, i + 1, end > i + 1 ? end - 1 : end, inner, cursor);
        i = end;
        continue;
      }
      if (c == '}') {
        ++i;
        continue;
      }
      if (ctx.sink == nullptr) {
        if (c == '$' || c == '^' || c == '_') {
          // Outside any picture only the pictures and definitions matter; skip math quickly.
        }
        ++i;
        continue;
      }
      if (c == '$') {
        Math(t, i, e, ctx, cursor);
        continue;
      }
      if ((c == '^' || c == '_') && ctx.math) {
        Script(t, i, e, ctx, cursor);
        continue;
      }
      if (IsSpace(c) || c == '~') {
        if (c == '~' || (!ctx.math && !ctx.picture_mode && !space_before)) {
          Space(ctx, cursor, 0.33);
        }
        space_before = c != '~';
        ++i;
        continue;
      }
      space_before = false;
      if (c == '&' || c == '#') {
        ++i;
        continue;
      }
      const unsigned char uc = static_cast<unsigned char>(c);
      std::size_t len = 1;
      if (uc >= 0xF0) {
        len = 4;
      } else if (uc >= 0xE0) {
        len = 3;
      } else if (uc >= 0xC0) {
        len = 2;
      }
      len = std::min(len, e - i);
      const unsigned char next = i + 1 < e ? static_cast<unsigned char>(t[i + 1]) : 0;
      const SymbolShape s = CharShape(uc, next, ctx.math);
      Glyph(ctx, cursor, t.substr(i, len), s.width, s.descends);
      i += len;
    }
  }

  Definitions& defs_;
  const std::string& doc_;
  std::vector<ReadPicture>* out_;
  OpenLabel open_;
};

}  // namespace

PictureReader::PictureReader() : support_(std::make_unique<Definitions>()) {}

PictureReader::PictureReader(const std::filesystem::path& tex_dir) : PictureReader() {
  for (const char* name : {"sav.txt", "kolco.txt", "ris1.txt"}) {
    std::ifstream file(tex_dir / name, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + (tex_dir / name).string());
    std::ostringstream text;
    text << file.rdbuf();
    const std::string content = text.str();
    Executor(*support_, content, nullptr).Run();
  }
}

PictureReader::~PictureReader() = default;
PictureReader::PictureReader(PictureReader&&) noexcept = default;

std::vector<ReadPicture> PictureReader::Read(const std::string& text,
                                             const std::string& defined_before) const {
  Definitions defs = *support_;
  if (!defined_before.empty()) Executor(defs, defined_before, nullptr).Run();
  std::vector<ReadPicture> pictures;
  Executor(defs, text, &pictures).Run();
  return pictures;
}

const PictureReader& RepositoryPictureReader() {
  static const PictureReader reader(std::filesystem::path(TARBEL_SOURCE_DIR) / "tex");
  return reader;
}

std::size_t FindPictureAtLeast(const std::string& text, double min_width, std::size_t from) {
  static constexpr std::string_view kHead = "\\begin{picture}(";
  for (std::size_t at = text.find(kHead, from); at != std::string::npos;
       at = text.find(kHead, at + 1)) {
    if (std::strtod(text.c_str() + at + kHead.size(), nullptr) >= min_width) return at;
  }
  return std::string::npos;
}

}  // namespace testing_support
