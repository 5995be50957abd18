#include "convert/pagefit.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "convert/commonchars.h"
#include "convert/fileio.h"
#include "convert/linerule.h"

namespace vellumo {

namespace {

constexpr std::size_t kChunk = 256 * 1024;
constexpr std::size_t kPreviewLines = 20;
constexpr std::size_t kPreviewLineBytes = 4096;
constexpr std::uint32_t kReplacement = 0xFFFD;

bool Bit(const std::vector<std::uint64_t>& bits, unsigned i) { return (bits[i >> 6] >> (i & 63)) & 1; }
void SetBit(std::vector<std::uint64_t>& bits, unsigned i) { bits[i >> 6] |= 1ull << (i & 63); }

bool IsUpperHexKey(const char* k) {
  for (int i = 0; i < 4; ++i)
    if (!((k[i] >= '0' && k[i] <= '9') || (k[i] >= 'A' && k[i] <= 'F'))) return false;
  return true;
}

// The native code of an index entry: one byte, or lead * 256 + trail.
unsigned NativeCode(std::uint32_t entry) {
  unsigned char b[2];
  const std::uint16_t v = static_cast<std::uint16_t>(entry);
  std::memcpy(b, &v, 2);
  return ((entry >> 16) & 0xFF) == 1 ? b[0] : (unsigned(b[0]) << 8) | b[1];
}

// Two bytes as one table index, the first in the low half.
inline unsigned PairAt(const unsigned char* p) { return p[0] | (unsigned(p[1]) << 8); }

// A step of a page's reading from the start of a character, by its first two
// bytes: how many bytes it takes and what they are. Runs of ASCII go two at a
// time, as there is nothing to count in them.
constexpr std::uint8_t kTakes = 3, kCharacter = 4, kCommon = 8, kInvalid = 16;

// The counts of the steps of one piece, in fields of one sum: characters from
// bit 0, frequent ones from bit 21, invalid sequences from bit 42; a piece
// holds too few steps to overflow them.
constexpr std::uint64_t Increment(unsigned step) {
  return (step & kCharacter ? 1ull : 0) | (step & kCommon ? 1ull << 21 : 0) |
         (step & kInvalid ? 1ull << 42 : 0);
}
void AddSum(std::uint64_t sum, FitCounts& c) {
  c.characters += sum & 0x1FFFFF;
  c.common += (sum >> 21) & 0x1FFFFF;
  c.invalid += sum >> 42;
}

// The byte sequences that are characters of one page, from its table, and
// the steps of its reading (see pagefit.h).
struct PageBytes {
  enum Class : std::uint8_t { kAscii, kSingle, kLead, kBad, kLineEnd };
  std::array<std::uint8_t, 256> cls{};
  std::array<bool, 256> trail{};
  std::vector<std::uint64_t> pairs, common;  // bits by native code
  std::vector<std::uint8_t> steps;           // by PairAt

  void Build(const CodeTableData* table, const std::u16string& frequent) {
    cls.fill(kBad);
    trail.fill(false);
    pairs.assign(1024, 0);
    common.assign(1024, 0);
    cls['\r'] = cls['\n'] = kLineEnd;
    if (table && table->units.size() == 65536) {
      for (const std::string& line : table->lines) {
        if (line.size() < 12 || !IsUpperHexKey(line.data() + 8)) continue;
        const unsigned char a = static_cast<unsigned char>(line[0]), b = static_cast<unsigned char>(line[1]);
        if (a == ' ') {
          if (cls[b] != kLineEnd) cls[b] = b < 0x80 ? kAscii : kSingle;
        } else if (a >= 0x80) {
          SetBit(pairs, (a << 8) | b);
          trail[b] = true;
          if (cls[a] == kBad) cls[a] = kLead;
        }
      }
      for (char16_t u : frequent) {
        const std::uint32_t e = table->units[u];
        if (!(e & CodeTableData::kMissing)) SetBit(common, NativeCode(e));
      }
    }
    trail['\n'] = false;
    steps.resize(65536);
    for (unsigned first = 0; first < 256; ++first)
      for (unsigned next = 0; next < 256; ++next) steps[first | (next << 8)] = Step(first, next);
  }

  std::uint8_t Step(unsigned first, unsigned next) const {
    const unsigned code = (first << 8) | next;
    switch (cls[first]) {
      case kLead:
        if (next != '\n' && Bit(pairs, code)) return 2 | kCharacter | (Bit(common, code) ? kCommon : 0);
        return trail[next] ? 2 | kInvalid : 1 | kInvalid;  // else the next byte is read afresh
      case kSingle: return 1 | kCharacter | (Bit(common, first) ? kCommon : 0);
      case kBad: return 1 | kInvalid;
      default: return cls[next] == kAscii || cls[next] == kLineEnd ? 2 : 1;
    }
  }

  // Where to cut a line of n bytes at most so that no character is split.
  std::size_t Boundary(const unsigned char* p, std::size_t n) const {
    std::size_t i = 0;
    while (i < n) {
      const std::size_t step = cls[p[i]] == kLead ? 2 : 1;
      if (i + step > n) break;
      i += step;
    }
    return i;
  }
};

// Per code unit, what it is in each page's conversion: bit k missing from
// page k's table, bit 4 + k among the frequent characters of page k's
// language and in its table, bit 8 among the frequent characters of any
// language, bit 9 beyond ASCII. A histogram of these values counts a text in
// one increment a unit.
struct UnitTally {
  std::vector<std::uint16_t> flags;
  std::array<std::uint64_t, 1024> histogram{};

  void Build(const CodeTableData* const tables[4]) {
    flags.assign(65536, 0);
    for (unsigned k = 0; k < 4; ++k) {
      const CodeTableData* t = tables[k] && tables[k]->units.size() == 65536 ? tables[k] : nullptr;
      for (unsigned u = 0; u < 65536; ++u)
        if (!t || (t->units[u] & CodeTableData::kMissing)) flags[u] |= 1u << k;
      for (char16_t u : CommonCharacters(static_cast<int>(k))) {
        flags[u] |= 1u << 8;
        if (!(flags[u] & (1u << k))) flags[u] |= 1u << (4 + k);
      }
    }
    for (unsigned u = 0x80; u < 65536; ++u) flags[u] |= 1u << 9;
  }
  std::array<std::uint64_t, 10> counts{};  // by bit, from Sum

  void Add(std::uint32_t unit) { ++histogram[flags[unit]]; }
  void Sum() {
    counts.fill(0);
    for (unsigned f = 0; f < histogram.size(); ++f)
      if (const std::uint64_t n = histogram[f])
        for (unsigned bit = 0; bit < counts.size(); ++bit)
          if (f & (1u << bit)) counts[bit] += n;
  }
};

// UTF-8 read as conversion reads it, a sequence a step: each maximal subpart
// of a malformed sequence is one invalid sequence, a four-byte character one
// that no table has. The first byte of a step tells what it can be and which
// second bytes continue it.
enum Utf8Kind : std::uint8_t { kPlain, kMalformed, kUnit1, kUnit2, kThree, kFour };

struct Utf8Lead {
  std::uint8_t kind, low, span;  // the second byte continues it in [low, low + span]
};

Utf8Lead Utf8LeadOf(unsigned b, const UnitTally& tally) {
  if (b < 0x80) return {b == '\n' || tally.flags[b] == 0 ? kPlain : kUnit1, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {kUnit2, 0x80, 0x3F};
  if (b >= 0xE0 && b <= 0xEF) {
    const unsigned lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    return {kThree, static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi - lo)};
  }
  if (b >= 0xF0 && b <= 0xF4) {
    const unsigned lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    return {kFour, static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi - lo)};
  }
  return {kMalformed, 0, 0};
}

bool Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

// The text as one stream without CR bytes (the line rule drops them wherever
// they stand), kept from where the slowest reading stands; each reading steps
// on it from the start of a character.
struct PageFitScanner::Impl {
  std::array<PageBytes, 4> pages;
  UnitTally tally;
  std::array<Utf8Lead, 256> utf8Leads{};
  SourceKind kind = SourceKind::Ansi;
  bool ended = false;

  std::vector<unsigned char> text;  // the stream from offset base
  std::uint64_t base = 0;
  std::array<std::uint64_t, 4> pagePos{};
  std::array<FitCounts, 4> pageCounts{};
  std::uint64_t utf8Pos = 0;
  std::uint64_t malformed = 0;

  std::size_t signature = 0;  // Unicode: bytes of the signature still to skip
  bool haveOdd = false;       // Unicode: the first byte of a unit cut by a piece's end
  unsigned char odd = 0;

  bool Ansi() const { return kind == SourceKind::Ansi; }

  void Append(const unsigned char* p, std::size_t n) {
    std::uint64_t from = utf8Pos;
    if (Ansi())
      for (std::uint64_t pos : pagePos) from = std::min(from, pos);
    const std::size_t keep = text.size() - static_cast<std::size_t>(std::min<std::uint64_t>(from - base, text.size()));
    if (keep) std::memmove(text.data(), text.data() + text.size() - keep, keep);
    base += text.size() - keep;
    text.resize(keep + n);
    if (n == 0) return;
    unsigned char* d = text.data() + keep;
    for (const unsigned char* end = p + n; p < end;) {
      const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(end - p));
      const unsigned char* stop = cr ? static_cast<const unsigned char*>(cr) : end;
      std::memcpy(d, p, static_cast<std::size_t>(stop - p));
      d += stop - p;
      p = cr ? stop + 1 : end;
    }
    text.resize(static_cast<std::size_t>(d - text.data()));
  }

  // Steps every reading while it stands before limit (an offset in text);
  // the bytes it looks at beyond are there.
  void Run(std::size_t pageLimit, std::size_t utf8Limit) {
    const unsigned char* q = text.data();
    if (Ansi()) RunPages(q, pageLimit);
    std::size_t i = static_cast<std::size_t>(utf8Pos - base);
    std::uint64_t bad = 0;
    while (i < utf8Limit) {
      const unsigned b0 = q[i];
      const Utf8Lead lead = utf8Leads[b0];
      if (lead.kind == kPlain) {
        i += 1u + (utf8Leads[q[i + 1]].kind == kPlain);
        continue;
      }
      if (lead.kind == kUnit1) {
        tally.Add(b0);
        ++i;
        continue;
      }
      const unsigned b1 = q[i + 1];
      if (lead.kind == kMalformed || unsigned(b1 - lead.low) > lead.span) {
        ++bad;
        ++i;
      } else if (lead.kind == kUnit2) {
        tally.Add(((b0 & 0x1Fu) << 6) | (b1 & 0x3Fu));
        i += 2;
      } else if (!Continuation(q[i + 2])) {
        ++bad;
        i += 2;
      } else if (lead.kind == kThree) {
        tally.Add(((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (q[i + 2] & 0x3Fu));
        i += 3;
      } else if (!Continuation(q[i + 3])) {
        ++bad;
        i += 3;
      } else {
        tally.Add(kReplacement);
        i += 4;
      }
    }
    malformed += bad;
    utf8Pos = base + i;
  }

  // The four pages side by side: their steps depend on no other page's, so
  // the processor overlaps them.
  void RunPages(const unsigned char* q, std::size_t limit) {
    std::size_t i[4];
    std::uint64_t sum[4] = {};
    const std::uint8_t* steps[4];
    for (int k = 0; k < 4; ++k) {
      i[k] = static_cast<std::size_t>(pagePos[k] - base);
      steps[k] = pages[k].steps.data();
    }
    for (bool any = true; any;) {
      any = false;
      for (int k = 0; k < 4; ++k) {
        if (i[k] >= limit) continue;
        const std::uint8_t s = steps[k][PairAt(q + i[k])];
        i[k] += s & kTakes;
        sum[k] += Increment(s);
        any = true;
      }
    }
    for (int k = 0; k < 4; ++k) {
      pagePos[k] = base + i[k];
      AddSum(sum[k], pageCounts[k]);
    }
  }

  void Units(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    if (haveOdd && n > 0) {
      haveOdd = false;
      if (!Unit(odd | (unsigned(p[0]) << 8))) return;
      i = 1;
    }
    for (; i + 1 < n; i += 2)
      if (!Unit(p[i] | (unsigned(p[i + 1]) << 8))) return;
    if (i < n) {
      odd = p[i];
      haveOdd = true;
    }
  }
  void Flush();
  bool Unit(unsigned u) {
    if (u == 0x1A) {
      ended = true;
      return false;
    }
    if (u != '\r' && u != '\n') tally.Add(u);
    return true;
  }
};

PageFitScanner::PageFitScanner(const CodeTableData* const tables[4]) : impl_(std::make_unique<Impl>()) {
  Impl& m = *impl_;
  for (int k = 0; k < 4; ++k) m.pages[k].Build(tables[k], CommonCharacters(k));
  m.tally.Build(tables);
  for (unsigned b = 0; b < 256; ++b) m.utf8Leads[b] = Utf8LeadOf(b, m.tally);
  Reset(SourceKind::Ansi);
}

PageFitScanner::~PageFitScanner() = default;

void PageFitScanner::Reset(SourceKind kind) {
  Impl& m = *impl_;
  m.kind = kind;
  m.ended = false;
  m.text.clear();
  m.base = 0;
  m.pagePos.fill(0);
  m.pageCounts.fill(FitCounts());
  m.utf8Pos = kind == SourceKind::Utf8 ? Utf8Signature.size() : 0;  // the signature is no character
  m.malformed = 0;
  m.tally.histogram.fill(0);
  m.tally.counts.fill(0);
  m.signature = kind == SourceKind::Unicode ? UnicodeSignature.size() : 0;
  m.haveOdd = false;
}

bool PageFitScanner::Feed(const char* data, std::size_t size) {
  Impl& m = *impl_;
  if (m.ended) return false;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(data);
  if (m.kind == SourceKind::Unicode) {
    const std::size_t skip = std::min(m.signature, size);
    m.signature -= skip;
    m.Units(p + skip, size - skip);
    return !m.ended;
  }
  if (const void* sub = std::memchr(p, 0x1A, size)) {
    size = static_cast<std::size_t>(static_cast<const unsigned char*>(sub) - p);
    m.ended = true;
  }
  // In pieces short enough for the sums of the steps.
  for (std::size_t done = 0; done < size; done += kChunk) {
    m.Append(p + done, std::min(kChunk, size - done));
    const std::size_t n = m.text.size();
    m.Run(n > 1 ? n - 1 : 0, n > 3 ? n - 3 : 0);
  }
  return !m.ended;
}

void PageFitScanner::Finish() {
  Impl& m = *impl_;
  m.haveOdd = false;
  if (m.kind != SourceKind::Unicode) m.Flush();
  m.tally.Sum();
}

// The end of the text ends a line: LF bytes after it give every reading the
// bytes it looks at and end what is pending.
void PageFitScanner::Impl::Flush() {
  const std::size_t n = text.size();
  text.insert(text.end(), 4, '\n');
  Run(n, n);
  text.resize(n);
}

FitCounts PageFitScanner::AsPage(int page) const {
  return page >= 0 && page < 4 ? impl_->pageCounts[static_cast<std::size_t>(page)] : FitCounts();
}

FitCounts PageFitScanner::Converted(int page) const {
  const Impl& m = *impl_;
  FitCounts c;
  if (page < 0 || page >= 4) return c;
  const unsigned k = static_cast<unsigned>(page);
  c.invalid = m.malformed;
  c.unshown = m.tally.counts[k];
  c.characters = m.tally.counts[9];
  c.common = m.tally.counts[m.kind == SourceKind::Ansi ? 8 : 4 + k];
  return c;
}

namespace {

// Where to cut a UTF-8 line of n bytes so that no sequence is split.
std::size_t Utf8Boundary(const unsigned char* p, std::size_t n) {
  std::size_t j = n;
  while (j > 0 && n - j < 3 && (p[j - 1] & 0xC0) == 0x80) --j;
  if (j == 0 || p[j - 1] < 0xC0) return n;
  const std::size_t length = p[j - 1] >= 0xF0 ? 4 : p[j - 1] >= 0xE0 ? 3 : 2;
  return n - (j - 1) < length ? j - 1 : n;
}

struct Ranked {
  PageCandidate candidate;
  std::uint64_t problems;
  double natural;
};

double Natural(const FitCounts& c) {
  return c.characters ? static_cast<double>(c.common) / static_cast<double>(c.characters) : 0.0;
}

}  // namespace

std::vector<PageCandidate> RankPages(const std::filesystem::path& file,
                                     const CodeTableData* const tables[4], int currentPage) {
  if (currentPage < 0 || currentPage > 3) currentPage = 0;
  InputFile in;
  if (int err = in.Open(file)) ThrowLoadError(err);
  std::vector<char> buffer(kChunk);
  SourceKindProbe probe;
  if (int err = probe.Run(in, buffer)) ThrowLoadError(err);
  const SourceKind kind = probe.Kind();

  // One read of the file: the counts of every reading, and the first lines.
  PageFitScanner scanner(tables);
  scanner.Reset(kind);
  std::vector<std::string> lines;
  const auto keep = [&](const char* line, std::size_t size) {
    if (lines.size() < kPreviewLines) lines.emplace_back(line, size);
  };
  LineCutter byteLines(keep);
  UnitLineCutter unitLines(keep);
  byteLines.SetLimit(kPreviewLineBytes);
  unitLines.SetLimit(kPreviewLineBytes);
  std::size_t signature = kind == SourceKind::Unicode ? UnicodeSignature.size() : 0;
  for (;;) {
    std::size_t got = 0;
    if (int err = in.Read(buffer.data(), buffer.size(), got)) ThrowLoadError(err);
    if (got == 0) break;
    if (lines.size() < kPreviewLines) {
      const std::size_t skip = std::min(signature, got);
      signature -= skip;
      kind == SourceKind::Unicode ? unitLines.Feed(buffer.data() + skip, got - skip)
                                  : byteLines.Feed(buffer.data(), got);
    }
    if (!scanner.Feed(buffer.data(), got)) break;
  }
  scanner.Finish();
  kind == SourceKind::Unicode ? unitLines.Finish() : byteLines.Finish();

  // The previews: lines cut at the limit end on a whole character.
  const auto converted = [&](SourceKind as, const CodeTableData* table) {
    std::string preview, out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto* p = reinterpret_cast<const unsigned char*>(lines[i].data());
      const std::size_t n = as == SourceKind::Utf8 ? Utf8Boundary(p, lines[i].size()) : lines[i].size();
      ConvertLine(as, lines[i].data(), n, i == 0 && kind == SourceKind::Utf8, table, out);
      preview += out + "\r\n";
    }
    return preview;
  };
  const bool cut = std::any_of(lines.begin(), lines.end(),
                               [](const std::string& l) { return l.size() == kPreviewLineBytes; });
  const auto raw = [&](int page) {
    PageBytes bytes;
    if (cut) bytes.Build(tables[page], std::u16string());
    std::string preview;
    for (const std::string& line : lines) {
      const auto* p = reinterpret_cast<const unsigned char*>(line.data());
      const std::size_t n = line.size() < kPreviewLineBytes ? line.size() : bytes.Boundary(p, line.size());
      preview.append(line, 0, n);
      preview += "\r\n";
    }
    return preview;
  };

  std::vector<Ranked> ranked;
  std::vector<int> order{currentPage};
  for (int k = 0; k < 4; ++k)
    if (k != currentPage) order.push_back(k);
  for (int k : order) {
    if (kind == SourceKind::Ansi) {
      const FitCounts c = scanner.AsPage(k);
      ranked.push_back({{k, c.invalid, 0, raw(k)}, c.invalid, Natural(c)});
    } else {
      // Malformed sequences of a file with signature show as "**" too.
      const FitCounts c = scanner.Converted(k);
      const std::uint64_t unshown = c.unshown + c.invalid;
      ranked.push_back({{k, 0, unshown, converted(kind, tables[k])}, unshown, Natural(c)});
    }
  }
  if (kind == SourceKind::Ansi) {
    // UTF-8 shown in the page that lacks fewest of its characters.
    const FitCounts c = scanner.Converted(currentPage);
    std::uint64_t fewest = c.unshown;
    for (int k = 0; k < 4; ++k)
      if (tables[k]) fewest = std::min(fewest, scanner.Converted(k).unshown);
    ranked.push_back({{-1, c.invalid, c.unshown, converted(SourceKind::Utf8, tables[currentPage])},
                      c.invalid + fewest, Natural(c)});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    if (a.problems != b.problems) return a.problems < b.problems;
    return a.natural > b.natural;
  });
  std::vector<PageCandidate> result;
  for (Ranked& r : ranked) result.push_back(std::move(r.candidate));
  return result;
}

}  // namespace vellumo
