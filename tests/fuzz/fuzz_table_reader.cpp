// The code mapping table reader on any bytes: the line split, comment removal
// and the index, against a plain split and a scan from the top.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "convert/convert.h"
#include "tests/support/pipeline.h"
#include "tests/unit/convert/support.h"
#include "tests/fuzz/fuzz_defaults.h"

using namespace vellumo;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  return fuzzing::SetDefaults(argc, argv, {"-max_len=512"});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  static CodeTableData table;  // its storage reused, as LoadCodeTable reuses the program's
  ParseCodeTable(file, table);
  if (table.lines != testing::ReferenceTableLines(file)) std::abort();

  auto check = [&](const std::string& key) {
    if (LookupCode(key, &table) != testing::ReferenceLookup(table.lines, true, key)) std::abort();
  };
  for (const std::string& line : table.lines)
    if (line.size() >= 12) check(line.substr(8, 4));
  for (std::size_t i = 0; i + 5 <= size && i < 4096; i += 3) {
    check(file.substr(i, 4));
    check(file.substr(i, 3));
    check(file.substr(i, 5));
  }
  check(BytesToHex(file.substr(0, 2)));
  if (LookupCode("0041", nullptr) != "**") std::abort();  // none loaded
  return 0;
}
