#pragma once

#include <QString>
#include <QStringList>

#include "logo.h"
#include "metintablosu.h"

class Sorgu;

// Reading the current-account cards of the linked accounting program: the
// viewer's whole load, without a window, so that it can be run and checked
// on its own.
namespace Cariler {

// Params.Ticprogram: which program the cards come from.
enum Tur { BaglantiYok = 0, Zafo = 1, LogoErp = 2 };

// The link values of Params as the viewer reads them each time it loads.
struct Baglanti {
    int ticprogram = 0;
    QString ticserver, ticveritab, ticuser, ticpass, ticsirket, ticdonem;
};

// A load's outcome: the cards (columns under their result names), or the
// warning to show; an empty warning with no rows is a plain empty list.
struct Sonuc {
    MetinTablosu tablo;
    QString uyari;
};

// The thirteen columns of the company file's card table, and the names the
// list knows them by.
const QStringList& ZafoSutunlari();
const QStringList& ZafoSonucAdlari();

// Reads the link values through the data module's statement component and
// fills the list from the linked program. A Params table that cannot be
// queried at all raises DbHatasi for the application's error display.
Sonuc CarileriYukle(Sorgu& q);

// The company file (kind 1): every card, ordered by title in Turkish order.
Sonuc JetCarileriAc(const QString& dosya);
// The ERP (kind 2): active cards that are not of type 22, in the server's title order.
Sonuc LogoCarileriAc(const Logo::Bilgiler& bilgi, const QString& firma);

}  // namespace Cariler
