#include "cariler.h"

#include "baglanti.h"
#include "dbhatasi.h"
#include "jetdosyasi.h"
#include "logooturum.h"
#include "sorgu.h"

namespace Cariler {

const QStringList& ZafoSutunlari() {
    static const QStringList s = {
        QStringLiteral("Crsirano"), QStringLiteral("Carikod"), QStringLiteral("Unvan"),
        QStringLiteral("Yetkili"),  QStringLiteral("Adres1"),  QStringLiteral("Adres2"),
        QStringLiteral("Adres3"),   QStringLiteral("Sehir"),   QStringLiteral("Telefon1"),
        QStringLiteral("Telefon2"), QStringLiteral("Faxno"),   QStringLiteral("Vergi_Da"),
        QStringLiteral("Vergi_No")};
    return s;
}

const QStringList& ZafoSonucAdlari() {
    static const QStringList s = {
        QStringLiteral("CariSira"), QStringLiteral("Carikod"), QStringLiteral("Unvan"),
        QStringLiteral("Yetkili"),  QStringLiteral("Adres1"),  QStringLiteral("Adres2"),
        QStringLiteral("Adres3"),   QStringLiteral("Sehir"),   QStringLiteral("Telefon1"),
        QStringLiteral("Telefon2"), QStringLiteral("Faks"),    QStringLiteral("VergiDa"),
        QStringLiteral("VergiNo")};
    return s;
}

Sonuc JetCarileriAc(const QString& dosya) {
    Sonuc s;
    // A file that is not a Jet database (or not there at all) does not open;
    // one that opens but lacks the card table or one of its columns, or is
    // damaged inside, fails at the card query.
    if (!Jet::JetMi(dosya)) {
        s.uyari = QStringLiteral(
            "Zafo veritabanı açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");
        return s;
    }
    Jet::Tablo jet;
    try {
        jet = Jet::TabloOku(dosya, QStringLiteral("Carikart"), ZafoSutunlari());
    } catch (const DbHatasi&) {
        const bool acilir = Sessizce([&] { Jet::Tablolar(dosya); });
        s.uyari = acilir ? QStringLiteral(
                               "Zafo cari kart tablosu açılamadı. Parametrelerden "
                               "ayarlarınızı kontrol ediniz !..")
                         : QStringLiteral(
                               "Zafo veritabanı açılamadı. Parametrelerden "
                               "ayarlarınızı kontrol ediniz !..");
        return s;
    }
    s.tablo = MetinTablosu::Degerlerden(ZafoSonucAdlari(), std::move(jet.satirlar));
    s.tablo.sirala(s.tablo.sutunNo(QStringLiteral("Unvan")));
    return s;
}

Sonuc LogoCarileriAc(const Logo::Bilgiler& bilgi, const QString& firma) {
    Sonuc s;
    Logo::Oturum o;
    try {
        o.Ac(bilgi);
    } catch (const Logo::Hata&) {
        s.uyari = QStringLiteral(
            "Logo veritabanı açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");
        return s;
    }
    try {
        s.tablo = o.Sorgula(Logo::CariSorgusu(firma).join(QLatin1Char('\n')));
    } catch (const Logo::Hata&) {
        s.tablo = MetinTablosu();
        s.uyari = QStringLiteral(
            "Logo cari kart tablosu açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");
    }
    return s;
}

Sonuc CarileriYukle(Sorgu& q) {
    q.baglanti().AcmayaCalis();
    q.Close();
    q.setSql(QStringLiteral("Select Params.* From Params"));
    q.Open();  // not guarded: a Params that cannot be read goes to the error display

    Baglanti b;
    const bool okundu = Sessizce([&] {
        b.ticprogram = int(q.fieldInt(QStringLiteral("Ticprogram")));
        b.ticserver = q.fieldText(QStringLiteral("Ticserver"));
        b.ticveritab = q.fieldText(QStringLiteral("Ticveritab"));
        b.ticuser = q.fieldText(QStringLiteral("Ticuser"));
        b.ticpass = q.fieldText(QStringLiteral("Ticpass"));
        b.ticsirket = q.fieldText(QStringLiteral("Ticsirket"));
        b.ticdonem = q.fieldText(QStringLiteral("Ticdonem"));
    });
    q.Close();

    Sonuc s;
    if (!okundu) {
        s.uyari = QStringLiteral("Program sürümü güncel değil !..");
        return s;
    }
    switch (b.ticprogram) {
        case BaglantiYok:
            s.uyari = QStringLiteral(
                "Lütfen önce parametrelerden ticari program bilgilerinizi güncelleyiniz !..");
            return s;
        case Zafo:
            return JetCarileriAc(b.ticsirket);
        case LogoErp:
            return LogoCarileriAc({b.ticserver, b.ticveritab, b.ticuser, b.ticpass}, b.ticsirket);
        default:
            return s;  // a kind this program does not know: nothing to list
    }
}

}  // namespace Cariler
