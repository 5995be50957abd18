#include "skin/data/bsSkinIni.h"

#include <algorithm>
#include <limits>

namespace bs {

const char kDefaultFontName[] = "\xCB\xCE\xCC\xE5";

namespace {

std::string Fold(const std::string& s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

// Digits-and-commas fields of a point or rectangle; count fields are needed.
std::vector<std::int32_t> Fields(const std::string& text, std::size_t count) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == ',')
      fields.emplace_back();
    else if (c >= '0' && c <= '9')
      fields.back() += c;
  }
  std::vector<std::int32_t> values;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string field = i < fields.size() ? fields[i] : std::string();
    std::int64_t v = 0;
    for (char c : field) {
      v = v * 10 + (c - '0');
      if (v > std::numeric_limits<std::int32_t>::max()) break;
    }
    if (field.empty() || v > std::numeric_limits<std::int32_t>::max())
      throw EConvertError("'" + field + "' is not a valid integer value");
    values.push_back(static_cast<std::int32_t>(v));
  }
  return values;
}

template <typename E, std::size_t N>
E Named(const std::string& text, const char* const (&names)[N], E otherwise) {
  for (std::size_t i = 0; i < N; ++i)
    if (text == names[i]) return static_cast<E>(i);
  return otherwise;
}

const char* const kMorphNames[] = {"mkdefault",       "mkgradient",  "mkleftgradient", "mkrightgradient",
                                   "mkleftslide",     "mkrightslide", "mkpush"};
const char* const kEffectNames[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                    "ienoise",      "iesplitblur", "ieinvert"};
const char* const kCommandNames[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                     "cmdefault", "cmrollup",   "cmminimizetotray"};
const char* const kStyleNames[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::optional<std::int32_t> ParseInteger(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16, ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16, i += 2;
  }
  if (i == text.size()) return std::nullopt;
  // Hexadecimal spans the full 32 bits and wraps; decimal keeps to int32.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : negative ? 0x80000000ull : 0x7FFFFFFFull;
  std::uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return std::nullopt;
    v = v * base + d;
    if (v > limit) return std::nullopt;
  }
  const std::uint32_t bits = static_cast<std::uint32_t>(negative ? 0 - v : v);
  return static_cast<std::int32_t>(bits);
}

Point ParsePoint(const std::string& text) {
  const auto v = Fields(text, 2);
  return Point{v[0], v[1]};
}

Rect ParseRect(const std::string& text) {
  const auto v = Fields(text, 4);
  return Rect{v[0], v[1], v[2], v[3]};
}

TFontStyles ParseFontStyle(const std::string& text) {
  TFontStyles s;
  for (unsigned i = 0; i < 4; ++i)
    if (text.find(kStyleNames[i]) != std::string::npos) s.bits |= 1u << i;
  return s;
}

TAlignment ParseAlignment(const std::string& text) {
  if (text == "tacenter") return TAlignment::taCenter;
  if (text == "taleftjustify") return TAlignment::taLeftJustify;
  return TAlignment::taRightJustify;
}

MorphKind ParseMorphKind(const std::string& text) { return Named(text, kMorphNames, MorphKind::mkdefault); }
InactiveEffect ParseEffect(const std::string& text) { return Named(text, kEffectNames, InactiveEffect::iegrayscale); }
TbsStdCommand ParseCommand(const std::string& text) {
  return Named(text, kCommandNames, TbsStdCommand::cmMinimizeToTray);
}

std::string PointToText(const Point& p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string RectToText(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string FontStyleToText(TFontStyles s) {
  std::string out;
  for (unsigned i = 0; i < 4; ++i) {
    if (!(s.bits & (1u << i))) continue;
    if (!out.empty()) out += ',';
    out += kStyleNames[i];
  }
  return out;
}

const char* AlignmentName(TAlignment a) {
  switch (a) {
    case TAlignment::taLeftJustify: return "taleftjustify";
    case TAlignment::taRightJustify: return "tarightjustify";
    case TAlignment::taCenter: break;
  }
  return "tacenter";
}
const char* MorphKindName(MorphKind k) { return kMorphNames[static_cast<int>(k)]; }
const char* EffectName(InactiveEffect e) { return kEffectNames[static_cast<int>(e)]; }
const char* CommandName(TbsStdCommand c) { return kCommandNames[static_cast<int>(c)]; }

TbsIniFile::TbsIniFile(const std::vector<std::string>& lines) {
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &AddSection(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    AddEntry(*current, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
}

const TbsIniFile::Section* TbsIniFile::FindSection(const std::string& name) const {
  auto it = index_.find(Fold(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

TbsIniFile::Section& TbsIniFile::AddSection(const std::string& name) {
  const std::string folded = Fold(name);
  auto it = index_.find(folded);
  if (it != index_.end()) return sections_[it->second];
  index_.emplace(folded, sections_.size());
  sections_.push_back(Section{name, {}, {}});
  return sections_.back();
}

void TbsIniFile::AddEntry(Section& s, std::string key, std::string value) {
  s.index.emplace(Fold(key), s.entries.size());
  s.entries.emplace_back(std::move(key), std::move(value));
}

bool TbsIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

const std::string* TbsIniFile::Find(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  auto it = s->index.find(Fold(key));
  return it == s->index.end() ? nullptr : &s->entries[it->second].second;
}

std::string TbsIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  const std::string* v = Find(section, key);
  return v ? *v : def;
}

std::int32_t TbsIniFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) const {
  const std::string* v = Find(section, key);
  if (!v) return def;
  return ParseInteger(*v).value_or(def);
}

std::vector<std::string> TbsIniFile::Keys(const std::string& section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const auto& e : s->entries) keys.push_back(e.first);
  return keys;
}

void TbsIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section& s = AddSection(section);
  auto it = s.index.find(Fold(key));
  if (it != s.index.end())
    s.entries[it->second].second = value;
  else
    AddEntry(s, key, value);
}

void TbsIniFile::EraseSection(const std::string& section) {
  auto it = index_.find(Fold(section));
  if (it == index_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
  index_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) index_.emplace(Fold(sections_[i].name), i);
}

std::vector<std::string> TbsIniFile::ToLines() const {
  std::vector<std::string> lines;
  for (const Section& s : sections_) {
    lines.push_back("[" + s.name + "]");
    for (const auto& e : s.entries) lines.push_back(e.first + "=" + e.second);
    lines.emplace_back();
  }
  return lines;
}

std::vector<std::string> ReadList(const TbsIniFile& ini, const std::string& section, const std::string& name) {
  const std::int32_t count = std::min(ini.ReadInteger(section, name + "count", 0), kMaxListCount);
  std::vector<std::string> items;
  for (std::int32_t i = 0; i < count; ++i) items.push_back(ini.ReadString(section, std::to_string(i), ""));
  return items;
}

void WriteList(TbsIniFile& ini, const std::string& section, const std::string& name,
               const std::vector<std::string>& items) {
  ini.WriteString(section, name + "count", std::to_string(items.size()));
  for (std::size_t i = 0; i < items.size(); ++i) ini.WriteString(section, std::to_string(i), items[i]);
}

void TbsKeyReader::Key(const char* key, std::int32_t& v) {
  if (const std::string* s = Value(key)) v = ParseInteger(*s).value_or(v);
}
void TbsKeyReader::Key(const char* key, bool& v) {
  if (const std::string* s = Value(key)) v = ParseInteger(*s).value_or(0) == 1;
}
void TbsKeyReader::Key(const char* key, std::string& v) {
  if (const std::string* s = Value(key)) v = *s;
}
void TbsKeyReader::Key(const char* key, Point& v) {
  if (const std::string* s = Value(key)) v = ParsePoint(*s);
}
void TbsKeyReader::Key(const char* key, Rect& v) {
  if (const std::string* s = Value(key)) v = ParseRect(*s);
}
void TbsKeyReader::Key(const char* key, TFontStyles& v) {
  if (const std::string* s = Value(key)) v = ParseFontStyle(*s);
}
void TbsKeyReader::Key(const char* key, TAlignment& v) {
  if (const std::string* s = Value(key)) v = ParseAlignment(*s);
}
void TbsKeyReader::Key(const char* key, MorphKind& v) {
  if (const std::string* s = Value(key)) v = ParseMorphKind(*s);
}
void TbsKeyReader::Key(const char* key, InactiveEffect& v) {
  if (const std::string* s = Value(key)) v = ParseEffect(*s);
}
void TbsKeyReader::Key(const char* key, TbsStdCommand& v) {
  if (const std::string* s = Value(key)) v = ParseCommand(*s);
}
void TbsKeyReader::Key(const char* key, std::vector<std::string>& v) { v = ReadList(ini_, section_, key); }

void TbsKeyWriter::Key(const char* key, std::int32_t& v) { Put(key, std::to_string(v)); }
void TbsKeyWriter::Key(const char* key, bool& v) { Put(key, v ? "1" : "0"); }
void TbsKeyWriter::Key(const char* key, std::string& v) { Put(key, v); }
void TbsKeyWriter::Key(const char* key, Point& v) { Put(key, PointToText(v)); }
void TbsKeyWriter::Key(const char* key, Rect& v) { Put(key, RectToText(v)); }
void TbsKeyWriter::Key(const char* key, TFontStyles& v) { Put(key, FontStyleToText(v)); }
void TbsKeyWriter::Key(const char* key, TAlignment& v) { Put(key, AlignmentName(v)); }
void TbsKeyWriter::Key(const char* key, MorphKind& v) { Put(key, MorphKindName(v)); }
void TbsKeyWriter::Key(const char* key, InactiveEffect& v) { Put(key, EffectName(v)); }
void TbsKeyWriter::Key(const char* key, TbsStdCommand& v) { Put(key, CommandName(v)); }
void TbsKeyWriter::Key(const char* key, std::vector<std::string>& v) { WriteList(ini_, section_, key, v); }

}  // namespace bs
