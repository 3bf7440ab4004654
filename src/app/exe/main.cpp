// Kovimaro: a personal organiser that waits in the notification area.

#include <QCoreApplication>

#include "moduller.h"
#include "tekornek.h"
#include "udm.h"
#include "umainform.h"
#include "uygulama.h"

int main(int argc, char** argv) {
    Uygulama uygulama(argc, argv);
    Uygulama::KimlikKur();

    TekOrnek tekOrnek(TekOrnek::VarsayilanAd());
    if (tekOrnek.BaskasiCalisiyor()) return 0;

    TDm dm(QCoreApplication::applicationDirPath());
    Dm = &dm;
    if (!dm.DataModuleCreate()) return 1;

    ModulleriKaydet();
    TFMainform anaPencere(dm);
    FMainform = &anaPencere;
    tekOrnek.Dinle();
    QObject::connect(&tekOrnek, &TekOrnek::gosterIstendi, &anaPencere, &TFMainform::ProgramiGoster);

    const int sonuc = Uygulama::exec();
    Dm = nullptr;
    return sonuc;
}
