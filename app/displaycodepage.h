// The four display code pages and everything each one sets, in one table
// indexed by CodeType: the Code menu item, the code mapping table, the
// Windows code page, the text box's font, the captions. Portable: ids, code
// pages and character sets are plain numbers here.
#pragma once

#include <cstdint>
#include <string>

namespace vellumo {

// The display code page. Its numbering differs from the order and the Tags
// of the Code menu items.
enum class CodeType : std::uint8_t { Gb2312 = 0, Korean = 1, Japanese = 2, Big5 = 3 };
constexpr int kCodeTypeCount = 4;

struct DisplayCodePage {
  unsigned menuId;              // the Code menu item checked for it
  unsigned tag;                 // that item's Tag (1 to 4, the menu's order)
  const wchar_t* menuCaption;   // that item's caption
  const char* tableFile;        // the code mapping table, relative to ProgramDir
  const char* name;             // short name: "gb2312", "korean", "japanese", "big5"
  unsigned windowsCodePage;     // the code page the text box's bytes are drawn in
  const wchar_t* fontName;      // the text box's font
  std::uint8_t charset;         // and its character set (GB2312_CHARSET, ...)
  const wchar_t* openCaption;   // first item of the File menu
  const wchar_t* panelText;     // status panel 4
};

const DisplayCodePage& DisplayCodePageOf(CodeType codeType);

// The CodeType whose Code menu item carries tag; GB2312 for any other tag.
CodeType CodeTypeOfTag(unsigned tag);

// The CodeType of a short name; false when no page has it.
bool CodeTypeOfName(const std::string& name, CodeType& codeType);

}  // namespace vellumo
