#include "uyarisaati.h"

#include <QLineEdit>

#include "uygulama.h"

namespace {

// Fills in and checks one box; false when it is not a whole number.
bool duzenle(QString& kutu, int enCok) {
    QString s = kutu.trimmed();
    if (s.isEmpty()) s = QStringLiteral("00");
    for (QChar c : s)
        if (!c.isDigit() || c.unicode() > '9') return false;
    if (s.size() == 1) s.prepend(QLatin1Char('0'));
    if (s.toInt() > enCok) s = QString::number(enCok);
    kutu = s;
    return true;
}

}  // namespace

QString UyariSaatiDuzenle(QString& saat, QString& dakika, int* hataliKutu) {
    QString yeniSaat = saat;
    QString yeniDakika = dakika;
    if (hataliKutu) *hataliKutu = 0;
    if (!duzenle(yeniSaat, 23)) {
        if (hataliKutu) *hataliKutu = 1;
        return QStringLiteral("Uyarı saati için \"%1\" geçerli bir tam sayı değil !..").arg(saat);
    }
    if (!duzenle(yeniDakika, 59)) {
        if (hataliKutu) *hataliKutu = 2;
        return QStringLiteral("Uyarı dakikası için \"%1\" geçerli bir tam sayı değil !..")
            .arg(dakika);
    }
    saat = yeniSaat;
    dakika = yeniDakika;
    return QString();
}

bool UyariKutulariniDuzenle(QLineEdit* saatKutusu, QLineEdit* dakikaKutusu) {
    QString saat = saatKutusu->text();
    QString dakika = dakikaKutusu->text();
    int hatali = 0;
    const QString hata = UyariSaatiDuzenle(saat, dakika, &hatali);
    if (!hata.isEmpty()) {
        HataPenceresi(hata);
        (hatali == 1 ? saatKutusu : dakikaKutusu)->setFocus();
        return false;
    }
    saatKutusu->setText(saat);
    dakikaKutusu->setText(dakika);
    return true;
}
