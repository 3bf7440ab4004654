#include "veritabani.h"

#include <QRandomGenerator>

#include "baglanti.h"
#include "dbhatasi.h"
#include "sema.h"
#include "sorgu.h"
#include "zaman.h"

namespace Veritabani {

namespace {

void tek(Sorgu& q, const QString& satir) {
    q.Close();
    q.clearSql();
    q.addSql(satir);
    Sessizce([&] { q.Execute(); });
}

void tabloOlustur(Sorgu& q, const char* ad) {
    const SemaTablo* t = Sema::Tablo(QLatin1String(ad));
    q.Close();
    q.clearSql();
    for (const QString& satir : Sema::OlusturmaSatirlari(*t)) q.addSql(satir);
    Sessizce([&] { q.Execute(); });
}

// One ALTER statement of Jet that adds several columns becomes one guarded
// statement per column, so a column that exists already does not keep the
// others out.
void sutunlarEkle(Sorgu& q, const char* tablo,
                  std::initializer_list<std::pair<const char*, const char*>> sutunlar) {
    for (const auto& [ad, tip] : sutunlar)
        tek(q, QStringLiteral("Alter Table %1 Add Column %2")
                   .arg(QLatin1String(tablo),
                        Sema::SutunTanimi(QLatin1String(ad), QLatin1String(tip))));
}

void indeksler(Sorgu& q) {
    for (const QString& k : Sema::IndeksKomutlari()) tek(q, k);
}

}  // namespace

QString UzunSaat() {
    return Zaman::SuAn().toString(QStringLiteral("HH:mm:ss"));
}
QString KisaSaat() {
    return Zaman::SuAn().toString(QStringLiteral("HH:mm"));
}

QString RastgeleAnahtar() {
    // The system's random source: two keys made in the same instant still differ.
    QString anahtar;
    anahtar.reserve(20);
    for (int i = 0; i < 20; ++i)
        anahtar.append(QChar(static_cast<char16_t>(QRandomGenerator::system()->bounded(42, 122))));
    return anahtar;
}

OlusturmaSonucu VeritabaniOlustur(Baglanti& db, Sorgu& q, const QString& yol) {
    db.Close();
    try {
        Baglanti::CreateDatabase(yol);
    } catch (const DbHatasi&) {
        return OlusturmaSonucu::Olusturulamadi;
    }
    db.Close();
    db.setDatabaseName(yol);
    try {
        db.Open();
    } catch (const DbHatasi&) {
        return OlusturmaSonucu::Acilamadi;
    }
    TablolariOlustur(db, q);
    return OlusturmaSonucu::Tamam;
}

void TablolariOlustur(Baglanti& db, Sorgu& q) {
    db.AcmayaCalis();
    // One transaction: the new file is written once, not once per statement.
    const bool islem = Sessizce([&] { db.Calistir(QStringLiteral("BEGIN")); });
    for (const SemaTablo& t : Sema::Tablolar()) {
        tabloOlustur(q, t.ad);
        if (qstrcmp(t.ad, "Params") == 0) {
            q.Close();
            q.clearSql();
            q.addSql(QStringLiteral(
                "INSERT INTO Params (kurtarih, kursaat, sonbiltarih, sonbilsaat, skinname, tuslar, "
                "kolmod, gridcol1, gridcol2, gridhbackcol, gridhcol, gridcol, gridfontsize, "
                "gridfont, kolesira, ftpdeneme, gunyontem, acilismesaj, keyvalue)"));
            q.addSql(QStringLiteral(
                "Values (:kurtarih, :kursaat, :sonbiltarih, :sonbilsaat, :skinname, :tuslar, 2, "
                ":gridcol1, :gridcol2, :gridhbackcol, :gridhcol, :gridcol, :gridfontsize, "
                ":gridfont, :kolesira, 0, 0, 1, :keyvalue)"));
            q.paramDate(QStringLiteral("kurtarih"), Zaman::Bugun());
            q.paramText(QStringLiteral("kursaat"), KisaSaat());
            q.paramDate(QStringLiteral("sonbiltarih"), Zaman::Bugun().addDays(-2));
            q.paramText(QStringLiteral("sonbilsaat"), KisaSaat());
            q.paramText(QStringLiteral("skinname"), QStringLiteral("Retro (internal)"));
            q.paramText(QStringLiteral("tuslar"), Sema::TusMetni());
            q.paramInt(QStringLiteral("gridcol1"), 16777215);
            q.paramInt(QStringLiteral("gridcol2"), 12639424);
            q.paramInt(QStringLiteral("gridhbackcol"), 8388608);
            q.paramInt(QStringLiteral("gridhcol"), 16777215);
            q.paramInt(QStringLiteral("gridcol"), -16777211);
            q.paramInt(QStringLiteral("gridfontsize"), 9);
            q.paramText(QStringLiteral("gridfont"), QStringLiteral("MS Sans Serif"));
            q.paramInt(QStringLiteral("kolesira"), 0);
            q.paramText(QStringLiteral("keyvalue"), RastgeleAnahtar());
            Sessizce([&] { q.Execute(); });
        } else if (qstrcmp(t.ad, "Versiyon") == 0) {
            q.Close();
            q.clearSql();
            q.addSql(QStringLiteral("INSERT INTO Versiyon (Versiyonno, Tarih, Saat, Aciklama)"));
            q.addSql(QStringLiteral("Values (:Verno, :Tarih, :Saat, :Aciklama)"));
            q.paramInt(QStringLiteral("Verno"), Sema::kSurum);
            q.paramDate(QStringLiteral("Tarih"), Zaman::Bugun());
            q.paramText(QStringLiteral("Saat"), UzunSaat());
            q.paramText(QStringLiteral("Aciklama"), QString());
            Sessizce([&] { q.Execute(); });
        }
    }
    indeksler(q);
    if (islem) Sessizce([&] { db.Calistir(QStringLiteral("COMMIT")); });
    q.Close();
}

void VersiyonKontrol(Baglanti& db, Sorgu& q) {
    if (!db.Connected()) db.Open();
    q.Close();
    q.setSql(QStringLiteral("Select Versiyon.* From Versiyon"));
    q.Open();
    const int surum = static_cast<int>(q.fieldInt(QStringLiteral("Versiyonno")));
    q.Close();
    if (surum < Sema::kSurum) VeritabaniGuncelle(db, q, surum);
    // The indexes also serve files that came from elsewhere already at the current version.
    indeksler(q);
    q.Close();
}

void VeritabaniGuncelle(Baglanti& db, Sorgu& q, int surum) {
    db.AcmayaCalis();
    const bool islem = Sessizce([&] { db.Calistir(QStringLiteral("BEGIN")); });
    if (surum < 19) {
        tabloOlustur(q, "Hatalog");
        tabloOlustur(q, "Kasahar");
    }
    if (surum < 21) tabloOlustur(q, "Ajanda");
    if (surum < 5) {
        sutunlarEkle(q, "params", {{"kolesira", "Integer"}});
        tek(q, QStringLiteral("Update params Set kolesira=0 Where (kolesira is Null)"));
    }
    if (surum < 19)
        sutunlarEkle(q, "params", {{"Bilginame", "String(25)"}, {"Kullanici", "String(25)"}});
    if (surum < 29)
        sutunlarEkle(q, "params", {{"kulisim", "String(30)"}, {"kulsirket", "String(30)"}});
    if (surum < 39) tabloOlustur(q, "Sadres");
    if (surum < 42) sutunlarEkle(q, "params", {{"gunyontem", "Integer"}});
    if (surum < 43) sutunlarEkle(q, "adresler", {{"ozeltarih", "Date"}, {"notlar", "String(175)"}});
    if (surum < 44) {
        sutunlarEkle(q, "params", {{"ftpdeneme", "Integer"}});
        tek(q, QStringLiteral("Update params Set ftpdeneme=0"));
    }
    if (surum < 45) {
        sutunlarEkle(q, "Ajanda",
                     {{"Alarmgun", "Date"}, {"Alarmsaat", "Integer"}, {"Alarmdak", "Integer"}});
        sutunlarEkle(q, "params",
                     {{"kolmod", "Integer"},
                      {"kurtarih", "Date"},
                      {"Kursaat", "String(5)"},
                      {"sonbiltarih", "Date"},
                      {"Sonbilsaat", "String(5)"},
                      {"Keyvalue", "String(20)"}});
        q.Close();
        q.clearSql();
        q.addSql(
            QStringLiteral("Update params Set kolmod=0, kurtarih=:kurtarih, kursaat=:kursaat, "
                           "sonbiltarih=:sonbiltarih, sonbilsaat=:sonbilsaat, keyvalue=:keyvalue"));
        q.paramDate(QStringLiteral("kurtarih"), Zaman::Bugun());
        q.paramText(QStringLiteral("kursaat"), KisaSaat());
        q.paramDate(QStringLiteral("sonbiltarih"), Zaman::Bugun());
        q.paramText(QStringLiteral("sonbilsaat"), KisaSaat());
        q.paramText(QStringLiteral("keyvalue"), RastgeleAnahtar());
        Sessizce([&] { q.Execute(); });
    }
    if (surum < 46) {
        sutunlarEkle(q, "params", {{"acilismesaj", "Integer"}});
        tek(q, QStringLiteral("Update params Set acilismesaj=0"));
    }
    if (surum < 51) {
        tabloOlustur(q, "Notlar");
        sutunlarEkle(q, "params", {{"Eposta", "String(50)"}});
    }
    if (surum < 53)
        sutunlarEkle(q, "params",
                     {{"Ticprogram", "Integer"},
                      {"Ticsirket", "String(75)"},
                      {"Ticserver", "String(50)"},
                      {"Ticveritab", "String(30)"},
                      {"Ticuser", "String(30)"},
                      {"Ticpass", "String(30)"},
                      {"Ticdonem", "String(10)"}});
    tek(q, QStringLiteral("Update params Set ftpdeneme=0"));
    q.Close();
    q.clearSql();
    q.addSql(QStringLiteral("UPDATE Versiyon Set Versiyonno=:Verno, Tarih=:Tarih, Saat=:Saat"));
    q.paramInt(QStringLiteral("Verno"), Sema::kSurum);
    q.paramDate(QStringLiteral("Tarih"), Zaman::Bugun());
    q.paramText(QStringLiteral("Saat"), UzunSaat());
    Sessizce([&] { q.Execute(); });
    if (islem) Sessizce([&] { db.Calistir(QStringLiteral("COMMIT")); });
    q.Close();
}

void HataKaydet(Baglanti& db, Sorgu& q, int numara, const QString& yordam, const QString& mesaj) {
    db.AcmayaCalis();
    q.Close();
    q.clearSql();
    q.addSql(QStringLiteral(
        "Insert Into Hatalog (Tarih, Saat, Hatano, Procname, Mesaj) Values (:Tarih, :Saat, "
        ":Hatano, :Procname, :Mesaj)"));
    q.paramDate(QStringLiteral("Tarih"), Zaman::Bugun());
    q.paramText(QStringLiteral("Saat"), UzunSaat());
    q.paramInt(QStringLiteral("Hatano"), numara);
    q.paramText(QStringLiteral("Procname"), yordam);
    q.paramText(QStringLiteral("Mesaj"), mesaj);
    Sessizce([&] { q.Execute(); });
    q.Close();
}

}  // namespace Veritabani
