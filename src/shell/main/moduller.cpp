#include "moduller.h"

#include "alarm.h"
#include "tfadresler.h"
#include "tfajanda.h"
#include "tfcarikartlar.h"
#include "tfhakkinda.h"
#include "tfkasahar.h"
#include "tfnotlar.h"
#include "tfparametreler.h"
#include "tftanimyedek.h"
#include "tftemalar.h"
#include "tfyedekle.h"
#include "umainform.h"

namespace {

// A settings dialog: created, shown modally and freed by the main window.
template <typename Diyalog>
void diyalog(const char* ad) {
    TFMainform::Diyaloglar().insert(QLatin1String(ad), [](QWidget* sahip) {
        Diyalog d(sahip);
        d.exec();
    });
}

}  // namespace

void ModulleriKaydet() {
    TFMainform::Moduller().insert(QStringLiteral("FAJANDA"), [] { return new TFAjanda; });
    TFMainform::AlarmKontrolu() = [] { AlarmKontrol(); };
    TFMainform::Moduller().insert(QStringLiteral("FADRESLER"), [] { return new TFAdresler; });
    TFMainform::Moduller().insert(QStringLiteral("FNOTLAR"), [] { return new TFNotlar; });
    TFMainform::Moduller().insert(QStringLiteral("FKASAHAR"), [] { return new TFKasahar; });
    TFMainform::Moduller().insert(QStringLiteral("FYEDEKLE"), [] { return new TFYedekle; });
    diyalog<TFTemalar>("TFTemalar");
    diyalog<TFTanimyedek>("TFTanimyedek");
    diyalog<TFHakkinda>("TFHakkinda");
    TFMainform::Moduller().insert(QStringLiteral("FCARIKARTLAR"), [] { return new TFCarikartlar; });
    diyalog<TFParametreler>("TFParametreler");
}
