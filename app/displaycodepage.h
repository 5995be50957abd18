// What each display code page sets in the main window, and the byte/text
// mapping of its Windows code page.
#pragma once

#include <windows.h>

#include "app/bytetext.h"
#include "convert/convert.h"

namespace vellumo {

struct DisplayCodePage {
  const wchar_t* fontName;
  BYTE charset;
  UINT codePage;
  UINT menuId;             // the Code menu item checked
  const wchar_t* openCaption;  // first item of the File menu
  const wchar_t* panelText;    // status panel 4
};

const DisplayCodePage& DisplayCodePageOf(CodeType codeType);

// The mapping for the code page of codeType, built on first use.
const ByteText& ByteTextOf(CodeType codeType);

}  // namespace vellumo
