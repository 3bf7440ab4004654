#include "moduller.h"

#include "tfcarikartlar.h"
#include "tfparametreler.h"
#include "umainform.h"

void ModulleriKaydet() {
    // Each module library adds its windows here as it lands.
    TFMainform::Moduller().insert(QStringLiteral("FCARIKARTLAR"), [] { return new TFCarikartlar; });
    TFMainform::Diyaloglar().insert(QStringLiteral("TFParametreler"), [](QWidget* sahip) {
        TFParametreler FParametreler(sahip);
        FParametreler.exec();
    });
}
