#include "jetdosyasi.h"

#include "dbhatasi.h"
#include "jetbaslik.h"
#include "jetokuyucu.h"
#include "jetyalitim.h"

namespace Jet {

namespace {

void jetOlmali(const QString& yol) {
    if (!JetMi(yol)) throw DbHatasi(QStringLiteral("Dosya bir Jet veritabanı değil: %1").arg(yol));
}

}  // namespace

bool JetMi(const QString& yol) {
    const QByteArray baslik = Baslik::Oku(yol);
    return Baslik::Surum(baslik.constData(), baslik.size()) >= 0;
}

QString Parola(const QString& yol) {
    jetOlmali(yol);
    const QString parola = Baslik::Parola(Baslik::Oku(yol));
    if (parola.isNull())
        throw DbHatasi(QStringLiteral("Jet dosyasının başlığı eksik: %1").arg(yol));
    return parola;
}

QStringList Tablolar(const QString& yol) {
    jetOlmali(yol);
    const Dogrudan::Kaynak kaynak{yol, {}, false};
    return Yalitim::ListeCoz(
        Yalitim::Calistir([&] { return Yalitim::Kodla(Dogrudan::Tablolar(kaynak)); }));
}

QStringList Sutunlar(const QString& yol, const QString& tablo) {
    jetOlmali(yol);
    const Dogrudan::Kaynak kaynak{yol, {}, false};
    return Yalitim::ListeCoz(
        Yalitim::Calistir([&] { return Yalitim::Kodla(Dogrudan::Sutunlar(kaynak, tablo)); }));
}

Tablo TabloOku(const QString& yol, const QString& tablo, const QStringList& sutunlar) {
    jetOlmali(yol);
    const Dogrudan::Kaynak kaynak{yol, {}, false};
    return Dogrudan::HamCoz(
        Yalitim::Calistir([&] { return Dogrudan::TabloHam(kaynak, tablo, sutunlar); }));
}

}  // namespace Jet
