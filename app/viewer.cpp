#include "app/viewer.h"

#include <cstring>
#include <stdexcept>
#include <system_error>

#include "app/rounding.h"
#include "app/texts.h"
#include "convert/fileio.h"
#include "convert/ioerror.h"

namespace vellumo {

namespace {

// Relative on purpose: the template, the working file and Notepad's command
// line all resolve against the current directory.
const std::filesystem::path kTemplate = PathFromUtf8("dll\\U2A.dll");
const std::filesystem::path kWorkingFile = PathFromUtf8("new.txt");

// Redraw off for a step that must paint once, on again however it ends.
class RedrawOff {
 public:
  explicit RedrawOff(ViewerView& view) : view_(view) { view_.SetRedraw(false); }
  ~RedrawOff() { view_.SetRedraw(true); }
  RedrawOff(const RedrawOff&) = delete;
  RedrawOff& operator=(const RedrawOff&) = delete;

 private:
  ViewerView& view_;
};

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

void Throw(const std::string& message) { throw std::runtime_error(message); }

// What a load gave besides its lines: the kind, and the "**" conversion made.
struct LoadedDocument {
  SourceKind kind = SourceKind::Ansi;
  std::uint64_t unshown = 0;
  std::vector<UnshownMark> marks;
};

LoadedDocument ReadDocument(const std::filesystem::path& path, const CodeTableData* table,
                            bool asUtf8, const std::function<void(const char*, std::size_t)>& sink) {
  LoadOptions options;
  options.asUtf8 = asUtf8;
  const LoadResult result = LoadLinesTo(path, table, sink, options);
  LoadedDocument loaded;
  loaded.kind = result.kind;
  loaded.unshown = result.unshown;
  loaded.marks.reserve(result.unshownRuns.size());
  for (const UnshownRun& run : result.unshownRuns) loaded.marks.push_back({run.offset, run.count});
  return loaded;
}

}  // namespace

DocumentLines CountDocumentLines(std::string_view bytes, std::uint64_t stopAfter) {
  DocumentLines lines;
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  while (p < end && lines.count <= stopAfter) {
    // A line ends at the first CR or LF; CR LF is one line end.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* stop = lf ? lf : end;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)));
    const char* lineEnd = cr ? cr : stop;
    const auto length = static_cast<std::uint64_t>(lineEnd - p);
    if (length > lines.longest) lines.longest = length;
    ++lines.count;
    if (lineEnd == end) break;
    p = lineEnd + (lineEnd[0] == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
  }
  return lines;
}

int ScrollBarsFor(std::string_view bytes, bool wrapChecked, bool boxWraps, int width, int height,
                  const std::function<std::uint64_t(std::uint64_t)>& wrapCount) {
  const std::uint64_t maxLines = height < 0 ? 0 : static_cast<std::uint64_t>(height) / 8;
  // The longest line matters only with wrap unchecked; then every line is read.
  const DocumentLines lines =
      CountDocumentLines(bytes, wrapChecked ? maxLines : UINT64_MAX);
  int bars = 0;
  if (!wrapChecked && lines.longest * 8 > static_cast<std::uint64_t>(width < 0 ? 0 : width))
    bars |= 1;
  std::uint64_t shown = lines.count;
  // Wrapped pieces only add lines: they are counted when the lines alone
  // do not already pass the height, and only until the count does.
  if (shown <= maxLines && boxWraps) {
    shown = 0;
    for (std::uint64_t line = 0; line < lines.count && shown <= maxLines; ++line)
      shown += wrapCount(line);
  }
  if (shown > maxLines) bars |= 2;
  return bars;
}

std::wstring StripPath(const std::filesystem::path& path) {
  // Windows paths are split at the backslash only; elsewhere at the slash.
  const std::wstring name = path.wstring();
  return name.substr(name.rfind(static_cast<wchar_t>(std::filesystem::path::preferred_separator)) + 1);
}

void Viewer::FormCreate(const std::filesystem::path& programDir) {
  ProgramDir = programDir;
  Tips = TipsState();
  CurrentCodeType = CodeType::Gb2312;
  ChangeCodeType(CurrentCodeType);
  view_.Reinterpret(CurrentCodeType);
  AboutLanguage = "chinese";
}

void Viewer::Load_Param(const std::filesystem::path& argument) {
  std::error_code ec;
  if (argument.empty() || !std::filesystem::is_regular_file(argument, ec)) return;
  LoadFile(argument);
  CurrentFileName = argument;
  MarkCurrentFileName();
}

void Viewer::mn_OpenFileClick() {
  CheckFileSave();
  if (!view_.AskFileName(false, openName_, ProgramDir)) return;
  LoadFile(openName_);
  CurrentFileName = openName_;
  MarkCurrentFileName();
}

void Viewer::LoadFile(const std::filesystem::path& path, bool asUtf8) {
  std::error_code ec;
  std::uint64_t size = std::filesystem::file_size(path, ec);
  if (ec) size = 0;
  const std::unique_ptr<BusyScope> busy = view_.Busy(size >= kBusyFileBytes);
  std::unique_ptr<DocumentBuilder> document = view_.NewDocument(size);
  const LoadedDocument loaded =
      ReadDocument(path, TableLoaded ? &table_ : nullptr, asUtf8, [&](const char* line, std::size_t n) {
        document->Append(line, n);
        document->Append("\r\n", 2);
        busy->Pump();
      });
  {
    RedrawOff once(view_);
    view_.ShowDocument(std::move(document), CurrentCodeType);
    edited_ = false;
    forcedUtf8_ = asUtf8;
    kind_ = loaded.kind;
    lossy_ = loaded.unshown > 0;
    view_.SetPanelText(2, Widen(SourceKindText(kind_)));
    AutoScroll();
  }
  view_.MarkUnshown(loaded.marks);
  busy->Done();
  view_.SetPanelText(5, loaded.unshown ? std::to_wstring(loaded.unshown) + texts::kUnshownCount : L"");
  view_.EnablePreview(true);
}

void Viewer::SaveAsFile(const std::filesystem::path& path) {
  if (const WriteError error = WriteFileReplacing(path, view_.Bytes()))
    Throw(WriteErrorMessage(path, error));
}

void Viewer::CheckFileSave() {
  if (!edited_ || !Tips.ShowSavePrompt) return;
  Tips.TipMode = kSavePrompt;
  view_.ShowTips(Tips.TipMode);  // the dialog sets SaveAnswer
  if (!Tips.SaveAnswer) return;
  if (lossy_) {
    // The file holds characters the document could not show: kept first,
    // and nothing is overwritten when that fails.
    std::filesystem::path backup = CurrentFileName;
    backup += ".bak";
    if (const WriteError error = CopyFileReplacing(CurrentFileName, backup))
      Throw(WriteErrorMessage(backup, error));
  }
  SaveAsFile(CurrentFileName);
  lossy_ = false;  // the file now holds the document; the backup what it lacked
}

void Viewer::mn_QuitClick() {
  CheckFileSave();
  view_.Close();
}

void Viewer::mn_ShowCodeClick(unsigned tag) {
  const CodeType codeType = CodeTypeOfTag(tag);
  if (codeType == CurrentCodeType) return;  // its item is the one checked
  CurrentCodeType = codeType;
  ChangeCodeType(CurrentCodeType);
  // The file read again through the new table, shown in the new page in one
  // step; without a file, or when that fails, the same bytes in the new page
  // (an edit stays an edit).
  if (!CurrentFileName.empty()) {
    try {
      LoadFile(CurrentFileName);
      return;
    } catch (...) {
      view_.Reinterpret(CurrentCodeType);
      throw;
    }
  }
  view_.Reinterpret(CurrentCodeType);
}

void Viewer::ChangeCodeType(CodeType codeType) {
  view_.ShowCodeType(codeType);
  TableLoaded = LoadCodeTable(ProgramDir / DisplayCodePageOf(CurrentCodeType).tableFile, table_);
}

void Viewer::AutoScroll() {
  const int bars = ScrollBarsFor(view_.Bytes(), wrap_, !(bars_ & 1), view_.BoxWidth(),
                                 view_.BoxHeight(),
                                 [this](std::uint64_t line) { return view_.WrapCount(line); });
  if (bars == bars_) return;
  view_.SetScrollBars(bars);
  bars_ = bars;
}

void Viewer::mn_WrapClick() {
  wrap_ = !wrap_;
  view_.CheckWrap(wrap_);
  // New bars lay the whole text out anew.
  const std::unique_ptr<BusyScope> busy = view_.Busy(view_.Bytes().size() >= kBusyFileBytes);
  AutoScroll();
}

void Viewer::mn_SaveFileClick() {
  if (!view_.AskFileName(true, saveName_, {})) return;
  SaveAsFile(saveName_);
  CurrentFileName = saveName_;
  lossy_ = false;
  MarkCurrentFileName();
}

void Viewer::MarkCurrentFileName() {
  const std::wstring name = StripPath(CurrentFileName);
  view_.SetPanelText(0, name);
  view_.SetPanelWidth(0, RoundHalfEven(view_.SystemCodePageLength(name) * 6.6));
}

void Viewer::mn_NewFileClick() {
  CheckFileSave();
  // What Notepad opens is made now, or Notepad is not started: typing into
  // a file that cannot be saved or reloaded would be lost.
  if (const WriteError error = CopyFileReplacing(kTemplate, kWorkingFile))
    Throw(WriteErrorMessage(kWorkingFile, error));
  if (Tips.ShowInputTip) {
    Tips.TipMode = kInputTip;
    view_.ShowTips(Tips.TipMode);  // only OK: the answer changes nothing
  }
  view_.RunAndWait(L"notepad new.txt");
  LoadFile(kWorkingFile);
  CurrentFileName = kWorkingFile;
  MarkCurrentFileName();
}

void Viewer::mn_NotepadClick() {
  // Without a document there is nothing to edit and nothing to reload.
  if (CurrentFileName.empty()) {
    view_.Inform(L"当前没有打开的文件，请先打开文本。");
    return;
  }
  CheckFileSave();
  view_.RunAndWait(L"notepad " + CurrentFileName.wstring());
  LoadFile(CurrentFileName);
}

}  // namespace vellumo

namespace vellumo {

void Viewer::mn_PreviewClick() {
  if (CurrentFileName.empty()) return;
  const CodeTableData* tables[kCodeTypeCount];
  for (int i = 0; i < kCodeTypeCount; ++i) {
    const CodeType page = static_cast<CodeType>(i);
    if (!pageTablesRead_[i])
      pageTablesRead_[i] =
          LoadCodeTable(ProgramDir / DisplayCodePageOf(page).tableFile, pageTables_[i]);
    tables[i] = pageTablesRead_[i] ? &pageTables_[i] : nullptr;
  }
  const std::vector<PageCandidate> candidates =
      RankPages(CurrentFileName, tables, static_cast<int>(CurrentCodeType));
  std::size_t chosen = 0;
  if (candidates.empty() || !view_.ChoosePage(candidates, CurrentCodeType, chosen) || chosen >= candidates.size())
    return;
  const PageCandidate& candidate = candidates[chosen];
  if (candidate.page < 0) {
    LoadFile(CurrentFileName, true);  // UTF-8, though the file has no signature
    return;
  }
  const CodeType page = static_cast<CodeType>(candidate.page);
  if (page != CurrentCodeType) {
    mn_ShowCodeClick(DisplayCodePageOf(page).tag);
  } else if (forcedUtf8_) {
    LoadFile(CurrentFileName);  // back to the file as its kind says
  }
}

void Viewer::mn_NextUnshownClick() {
  if (!view_.SelectNextUnshown()) view_.SetPanelText(5, texts::kNoMoreUnshown);
}

void Viewer::FindClick() { view_.ShowFindDialog(); }

void Viewer::FindNextClick() {
  if (!lastSearch_) {
    view_.ShowFindDialog();
    return;
  }
  Find(lastSearch_->text, lastSearch_->matchCase, lastSearch_->down);
}

void Viewer::Find(const std::wstring& text, bool matchCase, bool down) {
  lastSearch_ = Search{text, matchCase, down};
  if (text.empty()) return;
  const bool found = view_.SearchText(text, matchCase, down);
  view_.SetPanelText(5, found ? L"" : texts::kNotFoundBefore + text + texts::kNotFoundAfter);
}

void Viewer::FilesDropped(const std::vector<std::filesystem::path>& files) {
  if (files.empty()) return;
  CheckFileSave();
  LoadFile(files.front());
  CurrentFileName = files.front();
  MarkCurrentFileName();
  if (files.size() > 1)
    view_.SetPanelText(5, texts::kDroppedRestBefore + std::to_wstring(files.size() - 1) +
                              texts::kDroppedRestAfter);
}

}  // namespace vellumo
