// The About window's stored skin: the CompressedData of its
// TbsCompressedStoredSkin (a zlib stream holding the skin container),
// embedded in the program as an RCDATA resource of this name.
#pragma once

#define VELLUMO_ABOUTSKIN_RESOURCE L"ABOUTSKIN"
