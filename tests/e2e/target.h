// Commands of the harness's stand-in program.
#pragma once

namespace e2e {

enum TargetCommand : unsigned { kTargetCrash = 101, kTargetHang = 102, kTargetClose = 103 };

}  // namespace e2e
