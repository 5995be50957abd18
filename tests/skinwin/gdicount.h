// The number of GDI objects this process holds.
#pragma once

namespace skintest {

// From the system when it counts them; under Wine, whose count is not
// implemented, from the process's GDI handle table. -1 when neither works.
int GdiObjectCount();

}  // namespace skintest
