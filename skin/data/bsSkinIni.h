// The skin INI: an in-memory INI read from text lines, the value types the
// skin uses and their text forms, and the key visitors through which every
// descriptor reads and writes its section. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/draw/bsEffects.h"  // MorphKind, InactiveEffect
#include "skin/draw/bsGraphics.h"

namespace bs {

// A point or rectangle value with an empty field.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// 0x00BBGGRR, red in the low byte.
using TColor = std::int32_t;
// A TColor as a picture pixel (0x00RRGGBB).
constexpr Pixel PixelOf(TColor c) { return Rgb(c & 255, (c >> 8) & 255, (c >> 16) & 255); }

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
struct TFontStyles {
  unsigned bits = 0;
  bool Has(TFontStyle s) const { return (bits & s) != 0; }
  bool operator==(const TFontStyles& o) const { return bits == o.bits; }
  bool operator!=(const TFontStyles& o) const { return bits != o.bits; }
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TbsStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

// "宋体" in GBK: the font name wherever a key gives none.
extern const char kDefaultFontName[];
constexpr int kDefaultFontHeight = 14;

// Splits text into lines at CR LF, LF or CR; a last line without an end counts.
std::vector<std::string> SplitLines(const std::string& text);

// Value parsers. Integers: decimal with an optional sign, or hexadecimal after
// "$" or "0x"; nothing else is an integer.
std::optional<std::int32_t> ParseInteger(const std::string& text);
// Points and rectangles keep only digits and commas; a field without digits
// raises EConvertError. Fields past the type's count are ignored.
Point ParsePoint(const std::string& text);
Rect ParseRect(const std::string& text);
TFontStyles ParseFontStyle(const std::string& text);
TAlignment ParseAlignment(const std::string& text);
MorphKind ParseMorphKind(const std::string& text);
InactiveEffect ParseEffect(const std::string& text);
TbsStdCommand ParseCommand(const std::string& text);

std::string PointToText(const Point& p);
std::string RectToText(const Rect& r);
std::string FontStyleToText(TFontStyles s);
const char* AlignmentName(TAlignment a);
const char* MorphKindName(MorphKind k);
const char* EffectName(InactiveEffect e);
const char* CommandName(TbsStdCommand c);

// Section and key names compare without regard to ASCII case; the first of
// duplicate keys counts, and a repeated section continues the first one.
class TbsIniFile {
 public:
  TbsIniFile() = default;
  explicit TbsIniFile(const std::vector<std::string>& lines);

  bool SectionExists(const std::string& section) const;
  // Null when the key is missing; the empty text when present but empty.
  const std::string* Find(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def) const;
  // Keys of a section in file order.
  std::vector<std::string> Keys(const std::string& section) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void EraseSection(const std::string& section);
  std::vector<std::string> ToLines() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    std::unordered_map<std::string, std::size_t> index;  // folded key -> first entry
  };
  const Section* FindSection(const std::string& name) const;
  Section& AddSection(const std::string& name);
  void AddEntry(Section& s, std::string key, std::string value);

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> index_;  // folded name -> section
};

// A list value: the count key (name + "count") and the keys "0" to count-1.
// Counts beyond kMaxListCount are cut there.
constexpr std::int32_t kMaxListCount = 65536;
std::vector<std::string> ReadList(const TbsIniFile& ini, const std::string& section, const std::string& name);
void WriteList(TbsIniFile& ini, const std::string& section, const std::string& name,
               const std::vector<std::string>& items);

// Visits the keys of one section in order, either reading them into fields
// (a missing key leaves the field, which holds its default) or writing them.
class TbsKeyIO {
 public:
  virtual ~TbsKeyIO() = default;
  virtual void Key(const char* key, std::int32_t& v) = 0;
  virtual void Key(const char* key, bool& v) = 0;
  virtual void Key(const char* key, std::string& v) = 0;
  virtual void Key(const char* key, Point& v) = 0;
  virtual void Key(const char* key, Rect& v) = 0;
  virtual void Key(const char* key, TFontStyles& v) = 0;
  virtual void Key(const char* key, TAlignment& v) = 0;
  virtual void Key(const char* key, MorphKind& v) = 0;
  virtual void Key(const char* key, InactiveEffect& v) = 0;
  virtual void Key(const char* key, TbsStdCommand& v) = 0;
  virtual void Key(const char* key, std::vector<std::string>& v) = 0;
  // Colours are integers in the file.
  void Color(const char* key, TColor& v) { Key(key, v); }
};

class TbsKeyReader : public TbsKeyIO {
 public:
  TbsKeyReader(const TbsIniFile& ini, const std::string& section) : ini_(ini), section_(section) {}
  void Key(const char* key, std::int32_t& v) override;
  void Key(const char* key, bool& v) override;
  void Key(const char* key, std::string& v) override;
  void Key(const char* key, Point& v) override;
  void Key(const char* key, Rect& v) override;
  void Key(const char* key, TFontStyles& v) override;
  void Key(const char* key, TAlignment& v) override;
  void Key(const char* key, MorphKind& v) override;
  void Key(const char* key, InactiveEffect& v) override;
  void Key(const char* key, TbsStdCommand& v) override;
  void Key(const char* key, std::vector<std::string>& v) override;

 private:
  const std::string* Value(const char* key) const { return ini_.Find(section_, key); }
  const TbsIniFile& ini_;
  std::string section_;
};

class TbsKeyWriter : public TbsKeyIO {
 public:
  TbsKeyWriter(TbsIniFile& ini, const std::string& section) : ini_(ini), section_(section) {}
  void Key(const char* key, std::int32_t& v) override;
  void Key(const char* key, bool& v) override;
  void Key(const char* key, std::string& v) override;
  void Key(const char* key, Point& v) override;
  void Key(const char* key, Rect& v) override;
  void Key(const char* key, TFontStyles& v) override;
  void Key(const char* key, TAlignment& v) override;
  void Key(const char* key, MorphKind& v) override;
  void Key(const char* key, InactiveEffect& v) override;
  void Key(const char* key, TbsStdCommand& v) override;
  void Key(const char* key, std::vector<std::string>& v) override;

 private:
  void Put(const char* key, const std::string& value) { ini_.WriteString(section_, key, value); }
  TbsIniFile& ini_;
  std::string section_;
};

}  // namespace bs
