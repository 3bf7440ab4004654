#include "ornekveri.h"

#include "sorgu.h"
#include "udm.h"
#include "veritabani.h"
#include "zaman.h"

namespace {

struct Kisi {
    const char *ad, *soyad, *sirket, *sehir, *telefon, *eposta;
};

}  // namespace

void OrnekVeriYaz(TDm& dm) {
    if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
    Sorgu q(dm.DB_Zafo);
    const Kisi kisiler[] = {
        {"Ayşe", "Yılmaz", "Güneş Tekstil", "İstanbul", "0212 000 00 01", "ayse@ornek.com.tr"},
        {"Çağrı", "Öztürk", "Işık Mühendislik", "İzmir", "0232 000 00 02", "cagri@ornek.com.tr"},
        {"Şükrü", "Demir", "Ağaç Mobilya", "Bursa", "0224 000 00 03", "sukru@ornek.com.tr"},
        {"Gülşen", "Kılıç", "", "Ankara", "0312 000 00 04", "gulsen@ornek.com.tr"},
        {"İsmail", "Çelik", "Deniz Nakliyat", "Muğla", "0252 000 00 05", "ismail@ornek.com.tr"},
    };
    q.addSql(
        QStringLiteral("Insert Into Adresler (Ad, Soyad, Sirket, Sehir, Telefon1, Eposta, "
                       "Dogumtarihi, Ozeltarih, Keyvalue)"));
    q.addSql(
        QStringLiteral("Values (:Ad, :Soyad, :Sirket, :Sehir, :Telefon1, :Eposta, :Dogumtarihi, "
                       ":Ozeltarih, :Keyvalue)"));
    for (const Kisi& k : kisiler) {
        q.paramText(QStringLiteral("Ad"), QString::fromUtf8(k.ad));
        q.paramText(QStringLiteral("Soyad"), QString::fromUtf8(k.soyad));
        q.paramText(QStringLiteral("Sirket"), QString::fromUtf8(k.sirket));
        q.paramText(QStringLiteral("Sehir"), QString::fromUtf8(k.sehir));
        q.paramText(QStringLiteral("Telefon1"), QString::fromUtf8(k.telefon));
        q.paramText(QStringLiteral("Eposta"), QString::fromUtf8(k.eposta));
        q.paramDate(QStringLiteral("Dogumtarihi"), QDate(1980, 4, 23));
        q.paramDate(QStringLiteral("Ozeltarih"), Zaman::SifirTarih());
        q.paramText(QStringLiteral("Keyvalue"), Veritabani::RastgeleAnahtar());
        q.Execute();
    }

    const QDate bugun = Zaman::Bugun();
    const QTime simdi = Zaman::SuAn();
    struct Randevu {
        int gun;
        const char *bas, *bit, *aciklama;
        bool alarm;
    };
    const Randevu randevular[] = {
        {0, "09:00:00", "10:30:00", "Müşteri görüşmesi: Güneş Tekstil", true},
        {0, "13:00:00", "14:00:00", "Öğle yemeği - Çağrı ile", false},
        {1, "11:00:00", "12:00:00", "Diş hekimi randevusu", false},
        {2, "15:30:00", "17:00:00", "Şube toplantısı, ödeme planı gözden geçirilecek", false},
    };
    q.Close();
    q.clearSql();
    q.addSql(
        QStringLiteral("Insert Into Ajanda (Ajid, Bastar, Bittar, Bassaat, Bitsaat, Aciklama, "
                       "Alarmvar, Alarmgun, Alarmsaat, Alarmdak)"));
    q.addSql(
        QStringLiteral("Values (:Ajid, :Bastar, :Bittar, :Bassaat, :Bitsaat, :Aciklama, :Alarmvar, "
                       ":Alarmgun, :Alarmsaat, :Alarmdak)"));
    for (const Randevu& r : randevular) {
        q.paramText(QStringLiteral("Ajid"), Veritabani::RastgeleAnahtar());
        q.paramDate(QStringLiteral("Bastar"), bugun.addDays(r.gun));
        q.paramDate(QStringLiteral("Bittar"), bugun.addDays(r.gun));
        q.paramText(QStringLiteral("Bassaat"), QLatin1String(r.bas));
        q.paramText(QStringLiteral("Bitsaat"), QLatin1String(r.bit));
        q.paramText(QStringLiteral("Aciklama"), QString::fromUtf8(r.aciklama));
        q.paramInt(QStringLiteral("Alarmvar"), r.alarm ? 2 : 1);
        q.paramDate(QStringLiteral("Alarmgun"), r.alarm ? bugun : Zaman::SifirTarih());
        q.paramInt(QStringLiteral("Alarmsaat"), r.alarm ? simdi.hour() : 0);
        q.paramInt(QStringLiteral("Alarmdak"), r.alarm ? simdi.minute() : 0);
        q.Execute();
    }

    struct Hareket {
        const char* saat;
        double giren, cikan;
        const char* aciklama;
    };
    const Hareket hareketler[] = {
        {"09:15", 1500.25, 0, "Peşin satış"},
        {"10:40", 0, 240.5, "Kırtasiye gideri"},
        {"14:05", 3200, 0, "Tahsilat: Öztürk"},
        {"16:30", 0, 75, "Çay, şeker"},
    };
    q.Close();
    q.clearSql();
    q.addSql(QStringLiteral("Insert Into Kasahar (Tarih, Saat, Giren, Cikan, Aciklama)"));
    q.addSql(QStringLiteral("Values (:Tarih, :Saat, :Giren, :Cikan, :Aciklama)"));
    for (int gun : {-1, 0}) {
        for (const Hareket& h : hareketler) {
            q.paramDate(QStringLiteral("Tarih"), bugun.addDays(gun));
            q.paramText(QStringLiteral("Saat"), QLatin1String(h.saat));
            q.paramFloat(QStringLiteral("Giren"), h.giren);
            q.paramFloat(QStringLiteral("Cikan"), h.cikan);
            q.paramText(QStringLiteral("Aciklama"), QString::fromUtf8(h.aciklama));
            q.Execute();
        }
    }

    q.Close();
    q.clearSql();
    q.addSql(QStringLiteral("Insert Into Notlar (Tarih, Saat, Aciklama, Notmetin)"));
    q.addSql(QStringLiteral("Values (:Tarih, :Saat, :Aciklama, :Notmetin)"));
    const char* notlar[][2] = {
        {"Alışveriş listesi", "Süt, yoğurt, peynir, ekmek, çay."},
        {"Şifre değişikliği", "Banka şifresi ay sonunda yenilenecek."},
        {"Öğretmen görüşmesi", "Perşembe 14:00, Gülşen Hanım ile."},
    };
    for (const auto& n : notlar) {
        q.paramDate(QStringLiteral("Tarih"), bugun);
        q.paramText(QStringLiteral("Saat"), simdi.toString(QStringLiteral("HH:mm")));
        q.paramText(QStringLiteral("Aciklama"), QString::fromUtf8(n[0]));
        q.paramText(QStringLiteral("Notmetin"), QString::fromUtf8(n[1]));
        q.Execute();
    }

    q.Close();
    q.setSql(QStringLiteral("Insert Into Yedekdosyalar (Dosyaadi) Values (:Dosyaadi)"));
    for (const char* d : {"/home/kullanici/Belgeler/Muhasebe/Şirket.mdb",
                          "/home/kullanici/Belgeler/Çek listesi.ods"}) {
        q.paramText(QStringLiteral("Dosyaadi"), QString::fromUtf8(d));
        q.Execute();
    }
    q.Close();
    q.setSql(QStringLiteral("Insert Into Yedekler (Tarih) Values (:Tarih)"));
    for (int gun : {-30, -14, -7}) {
        q.paramDate(QStringLiteral("Tarih"), bugun.addDays(gun));
        q.Execute();
    }

    q.Close();
    q.setSql(
        QStringLiteral("Update Params Set Musterikod=:Musterikod, Progdizin=:Progdizin, "
                       "Kulisim=:Kulisim, Kulsirket=:Kulsirket"));
    q.paramText(QStringLiteral("Musterikod"), QStringLiteral("ZF-10427"));
    q.paramText(QStringLiteral("Progdizin"), QStringLiteral("/opt/zafo/muhasebe"));
    q.paramText(QStringLiteral("Kulisim"), QStringLiteral("Ayşe Yılmaz"));
    q.paramText(QStringLiteral("Kulsirket"), QStringLiteral("Güneş Tekstil"));
    q.Execute();
    q.Close();
}
