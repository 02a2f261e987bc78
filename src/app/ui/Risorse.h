#pragma once

namespace sirvela {

// Registers the pictures and the help page built into the program; the linker would drop
// them from the static library otherwise. Call once after the application object exists.
void CaricaRisorse();

}  // namespace sirvela
