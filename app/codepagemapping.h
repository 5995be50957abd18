// The text box's byte/text mapping for each display code page, built from
// the system's conversion of its Windows code page.
#pragma once

#include "app/bytetext.h"
#include "app/displaycodepage.h"

namespace vellumo {

// The mapping for the code page of codeType, built on first use.
const ByteText& ByteTextOf(CodeType codeType);

}  // namespace vellumo
