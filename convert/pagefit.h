// Which display code page a file is: each reading of it counted for what it
// cannot show and for how natural its text is, and ranked. Portable.
//
// A file without signature is read as the bytes the program shows (its lines
// by the byte rule: up to the first 1A, CR bytes dropped, cut at LF) and
// scanned line by line for each page; which byte sequences are characters of
// a page comes from that page's table (columns 1-2 of each mapping line: a
// space and one byte, or two bytes whose first is 80 or above):
// - a byte that is a one-byte character of the page is one character;
// - a byte that begins a two-byte character (a lead) takes the next byte of
//   its line: a pair that is a character is one character; a pair whose
//   second byte ends some character of the page (a trail) is one invalid
//   sequence of two bytes; otherwise (a bad trail, or a lead last in its
//   line) the lead alone is one invalid sequence and the next byte is read
//   afresh;
// - any other byte is one invalid sequence. A page without a table has no
//   characters at all.
// Read as UTF-8, each maximal subpart of a malformed sequence is one invalid
// sequence, as conversion makes one "**" of it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "convert/convert.h"
#include "convert/loader.h"

namespace vellumo {

struct PageCandidate {
  int page;                // 0 GB2312, 1 Korean, 2 Japanese, 3 Big5 (CodeType), -1 UTF-8
  std::uint64_t invalid;   // byte sequences that form no character (UTF-8: malformed)
  std::uint64_t unshown;   // "**" the program would show (characters the table lacks)
  std::string preview;     // the first 20 lines as the program shows them, each + CR LF
};

// The candidates for file, fewest problems first: for a file with a signature
// the four pages, each the file converted through its table; for one without,
// the four pages showing the bytes as they are, then UTF-8 converted into
// currentPage. Problems are invalid + unshown, for UTF-8 invalid + the
// characters lacking in the page that lacks fewest; ties go to the reading
// whose characters beyond ASCII are most often among the most frequent of its
// language, then to currentPage, the other pages, UTF-8. tables: the four
// pages' tables in CodeType order (null: not loaded). A preview line is cut
// after 4 KiB. Throws LoadError.
std::vector<PageCandidate> RankPages(const std::filesystem::path& file,
                                     const CodeTableData* const tables[4], int currentPage);
std::vector<PageCandidate> RankPages(const std::string&, const CodeTableData* const[4],
                                     int) = delete;  // UTF-8 text: PathFromUtf8

// What one reading of a text gives: invalid sequences, characters shown as
// "**", characters beyond ASCII and how many of them are among the most
// frequent of the language.
struct FitCounts {
  std::uint64_t invalid = 0;
  std::uint64_t unshown = 0;
  std::uint64_t characters = 0;
  std::uint64_t common = 0;
};

// The counting of RankPages on a text fed in pieces of any size: each page's
// reading of the bytes as they are, or, for a file of the given kind, its
// conversion through each page's table (Unicode and UTF-8 from their first
// byte, the signature skipped; a text without signature read as UTF-8).
class PageFitScanner {
 public:
  explicit PageFitScanner(const CodeTableData* const tables[4]);
  ~PageFitScanner();
  PageFitScanner(const PageFitScanner&) = delete;
  PageFitScanner& operator=(const PageFitScanner&) = delete;

  // Starts a text of this kind anew (the tables' indexes are kept).
  void Reset(SourceKind kind);
  // Returns false once a 1A has ended the text.
  bool Feed(const char* data, std::size_t size);
  void Finish();

  // The bytes as they are in page (a text without signature).
  FitCounts AsPage(int page) const;
  // Converted through page's table: UTF-8 for a text without signature, else
  // the text's own kind. Its common characters are those of any language for
  // a text without signature, else of page's language.
  FitCounts Converted(int page) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vellumo
