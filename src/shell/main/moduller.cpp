#include "moduller.h"

#include "tfadresler.h"
#include "tfkasahar.h"
#include "tfnotlar.h"
#include "umainform.h"

void ModulleriKaydet() {
    // Each module library adds its windows here as it lands.
    TFMainform::Moduller().insert(QStringLiteral("FADRESLER"), [] { return new TFAdresler; });
    TFMainform::Moduller().insert(QStringLiteral("FNOTLAR"), [] { return new TFNotlar; });
    TFMainform::Moduller().insert(QStringLiteral("FKASAHAR"), [] { return new TFKasahar; });
}
