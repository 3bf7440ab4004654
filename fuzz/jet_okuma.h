#pragma once

#include <cstddef>
#include <cstdint>

// Everything the program reads from a company file, in this process: the
// header and password, the catalogue and every table it names, all columns.
void JetOku(const uint8_t* veri, size_t boy);
