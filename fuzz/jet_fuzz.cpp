// libFuzzer target over the company-file reading.
#include "jet_okuma.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy) {
    JetOku(veri, boy);
    return 0;
}
