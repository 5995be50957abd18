// cpdump: writes the four code mapping tables (dll\Gb2312.dll, dll\KOREAN.dll,
// dll\JIS.DLL, dll\BIG5.DLL) from the platform's own conversion of code pages
// 936, 949, 932 and 950. Run under Wine by tools/gen-tables.sh.
//
// Usage: cpdump OUTDIR     (OUTDIR receives the four files)
//
// Every one- and two-byte sequence of the code page is decoded with
// MultiByteToWideChar(MB_ERR_INVALID_CHARS). A sequence that decodes to one
// code unit becomes a line. The lines of the sequences that
// WideCharToMultiByte(WC_NO_BEST_FIT_CHARS) produces come first, in byte
// order; the other sequences of a code unit (NEC and IBM duplicates in 932,
// the doubled box-drawing characters and ideographs in 950) follow, so that
// the reader's "first line for a key wins" picks what the platform writes.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct TableInfo {
  UINT codePage;
  const char* fileName;
  const char* title;
};

const TableInfo kTables[] = {
    {936, "Gb2312.dll", "simplified Chinese, code page 936 (GBK)"},
    {949, "KOREAN.dll", "Korean, code page 949 (Unified Hangul Code)"},
    {932, "JIS.DLL", "Japanese, code page 932 (Shift-JIS)"},
    {950, "BIG5.DLL", "traditional Chinese, code page 950 (Big5)"},
};

using Bytes = std::string;

// Code units that never get a line: NUL ends the reader's text, CR and LF
// split it, 1A is the old end-of-file mark, and FFFD is what the loader's
// converter produces for malformed input, so it must stay unmapped.
bool Excluded(wchar_t unit) {
  return unit == 0x0000 || unit == 0x000A || unit == 0x000D || unit == 0x001A ||
         unit == 0xFFFD || (unit >= 0xD800 && unit <= 0xDFFF);
}

bool Decode(UINT cp, const Bytes& seq, wchar_t* unit) {
  wchar_t out[4];
  int n = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, seq.data(), static_cast<int>(seq.size()),
                              out, 4);
  if (n != 1) return false;
  *unit = out[0];
  return true;
}

bool Encode(UINT cp, wchar_t unit, Bytes* seq) {
  char out[8];
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, &unit, 1, out, sizeof out, nullptr,
                              &usedDefault);
  if (n <= 0 || usedDefault) return false;
  seq->assign(out, n);
  return true;
}

// Every sequence of one character: the single bytes that lead nothing, and
// each lead byte with every possible trail byte.
std::vector<Bytes> AllSequences(UINT cp) {
  std::vector<Bytes> seqs;
  for (int lead = 1; lead < 256; ++lead) {
    if (!IsDBCSLeadByteEx(cp, static_cast<BYTE>(lead))) {
      seqs.push_back(Bytes(1, static_cast<char>(lead)));
      continue;
    }
    for (int trail = 1; trail < 256; ++trail)
      seqs.push_back(Bytes{static_cast<char>(lead), static_cast<char>(trail)});
  }
  return seqs;
}

std::string MappingLine(const Bytes& seq, wchar_t unit) {
  char line[32];
  auto b = [&](size_t i) { return static_cast<unsigned char>(seq[i]); };
  if (seq.size() == 1)
    snprintf(line, sizeof line, " %c %04X %04X\r\n", seq[0], b(0), unit);
  else
    snprintf(line, sizeof line, "%c%c %02X%02X %04X\r\n", seq[0], seq[1], b(0), b(1), unit);
  return line;
}

struct Table {
  std::vector<std::pair<Bytes, wchar_t>> written;  // what the platform writes, in byte order
  std::vector<std::pair<Bytes, wchar_t>> further;  // other sequences of those code units
  std::vector<std::pair<Bytes, wchar_t>> unwritten;  // decode, but the platform never writes them
};

Table BuildTable(UINT cp) {
  Table t;
  for (const Bytes& seq : AllSequences(cp)) {
    wchar_t unit;
    if (!Decode(cp, seq, &unit) || Excluded(unit)) continue;
    Bytes enc;
    if (!Encode(cp, unit, &enc)) {
      t.unwritten.emplace_back(seq, unit);
    } else if (enc == seq) {
      t.written.emplace_back(seq, unit);
    } else {
      wchar_t back;
      if (Decode(cp, enc, &back) && back == unit)
        t.further.emplace_back(seq, unit);
      else
        t.unwritten.emplace_back(seq, unit);
    }
  }
  return t;
}

size_t CountUnitsWithSeveral(const Table& t) {
  std::map<wchar_t, int> n;
  for (auto& l : t.written) ++n[l.second];
  for (auto& l : t.further) ++n[l.second];
  return std::count_if(n.begin(), n.end(), [](auto& e) { return e.second > 1; });
}

std::string TableText(const TableInfo& info, const Table& t) {
  char head[1024];
  snprintf(head, sizeof head,
           "# Vellumo code mapping table: %s, file dll\\%s.\r\n"
           "# Columns: 1-2 the character's bytes (a space first for a single byte),\r\n"
           "# 4-7 its code as hexadecimal, 9-12 its UTF-16 code unit.\r\n"
           "# Made by tools/gen-tables.sh, which runs tools/cpdump.cpp under Wine: every\r\n"
           "# one- and two-byte sequence of code page %u decoded by MultiByteToWideChar\r\n"
           "# (MB_ERR_INVALID_CHARS), NUL, CR, LF and 1A left out. Regenerate with\r\n"
           "# tools/gen-tables.sh; do not edit by hand.\r\n"
           "# %zu characters, as WideCharToMultiByte (WC_NO_BEST_FIT_CHARS) writes them.\r\n",
           info.title, info.fileName, info.codePage, t.written.size());
  std::string text = head;
  for (auto& l : t.written) text += MappingLine(l.first, l.second);
  if (!t.further.empty()) {
    snprintf(head, sizeof head,
             "# %zu further sequences that decode to a character listed above.\r\n",
             t.further.size());
    text += head;
    for (auto& l : t.further) text += MappingLine(l.first, l.second);
  }
  if (!t.unwritten.empty()) {
    snprintf(head, sizeof head,
             "# %zu sequences of characters the platform does not write back.\r\n",
             t.unwritten.size());
    text += head;
    for (auto& l : t.unwritten) text += MappingLine(l.first, l.second);
  }
  return text;
}

bool WriteFileBytes(const std::wstring& path, const std::string& text) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return false;
  bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
  return fclose(f) == 0 && ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: cpdump OUTDIR\n");
    return 2;
  }
  std::wstring dir = argv[1];
  if (!dir.empty() && dir.back() != L'\\' && dir.back() != L'/') dir += L'\\';
  int status = 0;
  for (const TableInfo& info : kTables) {
    Table t = BuildTable(info.codePage);
    std::string name = info.fileName;
    std::wstring path = dir + std::wstring(name.begin(), name.end());
    if (!WriteFileBytes(path, TableText(info, t))) {
      fprintf(stderr, "cpdump: cannot write %s\n", info.fileName);
      status = 1;
      continue;
    }
    printf("%s: %zu characters, %zu further sequences, %zu code units with several, "
           "%zu not written back\n",
           info.fileName, t.written.size(), t.further.size(), CountUnitsWithSeveral(t),
           t.unwritten.size());
  }
  return status;
}
