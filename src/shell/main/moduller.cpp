#include "moduller.h"

#include "umainform.h"

void ModulleriKaydet() {
    // Each module library adds its windows here as it lands.
}
