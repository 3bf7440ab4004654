#pragma once

#include <QString>

#include "logo.h"

class Sorgu;

// The working parameters' data: the user's details and the link to the
// accounting program, kept in the single row of Params, and the two tests of
// the link. None of it needs the window.
namespace Parametreler {

struct Degerler {
    QString kulisim, kulsirket, eposta;
    int ticprogram = 0;  // 0 no link, 1 company file, 2 ERP
    QString zafoSirket;  // kind 1: the company file
    QString logoServer, logoVeritab, logoKullanici, logoSifre, logoSirket;  // kind 2
    QString progdizin;  // the accounting program's folder, where the company files lie
};

// Reads the row as the window shows it: NULL texts are empty, a NULL kind is
// 0, a kind above 2 is the last one (and below 0 none); only the stored kind's
// link fields are filled. Raises DbHatasi when Params cannot be read.
Degerler Oku(Sorgu& q);

// Updates the row: the link columns that the chosen kind does not use are
// emptied (empty texts, not NULL), and so is the accounting period. Raises
// DbHatasi when the row cannot be written (a text longer than its column).
void Kaydet(Sorgu& q, const Degerler& d);

// The outcome of a link test: the message and whether it is shown as a
// warning (the card table of the ERP) rather than with the error dialog.
struct Kontrol {
    QString mesaj;
    bool uyari = false;
    bool dogru = false;
};

Kontrol ZafoKontrol(const QString& dosya);
Kontrol LogoKontrol(const Logo::Bilgiler& bilgi, const QString& firma);

}  // namespace Parametreler
