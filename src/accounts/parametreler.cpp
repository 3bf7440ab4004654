#include "parametreler.h"

#include "baglanti.h"
#include "dbhatasi.h"
#include "jetdosyasi.h"
#include "logooturum.h"
#include "sorgu.h"

namespace Parametreler {

Degerler Oku(Sorgu& q) {
    q.baglanti().AcmayaCalis();
    q.Close();
    q.setSql(QStringLiteral("Select params.* From Params"));
    q.Open();
    Degerler d;
    d.kulisim = q.fieldText(QStringLiteral("kulisim"));
    d.kulsirket = q.fieldText(QStringLiteral("kulsirket"));
    d.eposta = q.fieldText(QStringLiteral("Eposta"));
    const qint64 tur = q.fieldInt(QStringLiteral("Ticprogram"));
    d.ticprogram = tur < 0 ? 0 : (tur > 2 ? 2 : int(tur));
    if (d.ticprogram == 1) d.zafoSirket = q.fieldText(QStringLiteral("Ticsirket"));
    if (d.ticprogram == 2) {
        d.logoServer = q.fieldText(QStringLiteral("Ticserver"));
        d.logoVeritab = q.fieldText(QStringLiteral("Ticveritab"));
        d.logoKullanici = q.fieldText(QStringLiteral("Ticuser"));
        d.logoSifre = q.fieldText(QStringLiteral("Ticpass"));
        d.logoSirket = q.fieldText(QStringLiteral("Ticsirket"));
    }
    if (q.hasField(QStringLiteral("progdizin")))
        d.progdizin = q.fieldText(QStringLiteral("progdizin"));
    q.Close();
    return d;
}

void Kaydet(Sorgu& q, const Degerler& d) {
    // Normally still open from the window's showing; if not, open it as every step does.
    q.baglanti().AcmayaCalis();
    q.Close();
    q.clearSql();
    q.addSql(
        QStringLiteral("Update params set kulisim=:kulisim, kulsirket=:kulsirket, "
                       "Eposta=:Eposta, Ticprogram=:Ticprogram,"));
    q.addSql(
        QStringLiteral("Ticserver=:Ticserver, Ticveritab=:Ticveritab, Ticuser=:Ticuser, "
                       "Ticpass=:Ticpass, Ticsirket=:Ticsirket, Ticdonem=:Ticdonem"));
    q.paramText(QStringLiteral("kulisim"), d.kulisim);
    q.paramText(QStringLiteral("kulsirket"), d.kulsirket);
    q.paramText(QStringLiteral("Eposta"), d.eposta);
    q.paramInt(QStringLiteral("Ticprogram"), d.ticprogram);
    const QString bos = QLatin1String("");
    const bool logo = d.ticprogram == 2;
    q.paramText(QStringLiteral("Ticsirket"), d.ticprogram == 1 ? d.zafoSirket
                                             : logo            ? d.logoSirket
                                                               : bos);
    q.paramText(QStringLiteral("Ticserver"), logo ? d.logoServer : bos);
    q.paramText(QStringLiteral("Ticveritab"), logo ? d.logoVeritab : bos);
    q.paramText(QStringLiteral("Ticuser"), logo ? d.logoKullanici : bos);
    q.paramText(QStringLiteral("Ticpass"), logo ? d.logoSifre : bos);
    q.paramText(QStringLiteral("Ticdonem"), bos);
    q.Execute();
    q.Close();
}

Kontrol ZafoKontrol(const QString& dosya) {
    if (dosya.isEmpty())
        return {QStringLiteral("Lütfen Zafo programının yüklü olduğu dizindeki prodata altından "
                               "çalıştığınız şirket dosyasını seçiniz !.."),
                false, false};
    const Kontrol yanlis{QStringLiteral("Lütfen Zafo şirketini doğru seçiniz !.."), false, false};
    // The file must open as a Jet database and have the card table; its rows are not read.
    if (!Jet::JetMi(dosya)) return yanlis;
    QStringList tablolar;
    if (!Sessizce([&] { tablolar = Jet::Tablolar(dosya); })) return yanlis;
    if (!tablolar.contains(QStringLiteral("Carikart"), Qt::CaseInsensitive)) return yanlis;
    return {QStringLiteral("Zafo şirketi doğru seçilmiş. Şimdi kayıt edebilirsiniz."), false, true};
}

Kontrol LogoKontrol(const Logo::Bilgiler& bilgi, const QString& firma) {
    Logo::Oturum o;
    try {
        o.Ac(bilgi);
    } catch (const Logo::Hata&) {
        return {QStringLiteral("Lütfen Logo bağlantı bilgilerini doğru giriniz !.."), false, false};
    }
    try {
        o.Sorgula(Logo::KontrolSorgusu(firma).join(QLatin1Char('\n')));
    } catch (const Logo::Hata&) {
        return {
            QStringLiteral("Logo cari kart tablosu açılamadı. Bilgilerinizi kontrol ediniz !.."),
            true, false};
    }
    return {QStringLiteral("Logo bilgileri doğru girilmiş. Şimdi kayıt edebilirsiniz."), false,
            true};
}

}  // namespace Parametreler
