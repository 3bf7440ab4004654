#include "sema.h"

#include <QRegularExpression>

namespace Sema {

const std::vector<SemaTablo>& Tablolar() {
    static const std::vector<SemaTablo> tablolar = {
        {"Adresler",
         {{"Sirano", "Autoincrement"},
          {"Ad", "String(25)"},
          {"Soyad", "String(25)"},
          {"Sirket", "String(50)"},
          {"Adres1", "String(50)"},
          {"Adres2", "String(50)"},
          {"Adres3", "String(50)"},
          {"Semt", "String(25)"},
          {"Sehir", "String(25)"},
          {"Telefon1", "String(15)"},
          {"Telefon2", "String(15)"},
          {"Faks", "String(15)"},
          {"Gsm", "String(15)"},
          {"Eposta", "String(50)"},
          {"Dogumtarihi", "Date"},
          {"Notlar", "String(175)"},
          {"Ozeltarih", "Date"},
          {"Web", "String(50)"},
          {"Keyvalue", "String(20)"}}},
        {"Ajanda",
         {{"Sirano", "Autoincrement"},
          {"Ajid", "String(25)"},
          {"Bastar", "Date"},
          {"Bittar", "Date"},
          {"Bassaat", "String(10)"},
          {"Bitsaat", "String(10)"},
          {"Aciklama", "String(150)"},
          {"Alarmvar", "Integer"},
          {"Alarmgun", "Date"},
          {"Alarmsaat", "Integer"},
          {"Alarmdak", "Integer"},
          {"Alarmonce", "Integer"}}},
        {"Hatalog",
         {{"Sirano", "Autoincrement"},
          {"Tarih", "Date"},
          {"Saat", "String(10)"},
          {"Hatano", "Integer"},
          {"Procname", "String(30)"},
          {"Mesaj", "String(50)"}}},
        {"Kasahar",
         {{"Sirano", "Autoincrement"},
          {"Tarih", "Date"},
          {"Saat", "String(10)"},
          {"Giren", "Double"},
          {"Cikan", "Double"},
          {"Aciklama", "String(40)"}}},
        {"Notlar",
         {{"Sirano", "Autoincrement"},
          {"Tarih", "Date"},
          {"Saat", "String(5)"},
          {"Aciklama", "String(50)"},
          {"Notmetin", "String(200)"},
          {"Durum", "Integer"}}},
        {"Params",
         {{"tuslar", "String(75)"},     {"kurtarih", "Date"},         {"kursaat", "String(5)"},
          {"sonbiltarih", "Date"},      {"sonbilsaat", "String(5)"},  {"gridcol1", "Integer"},
          {"gridcol2", "Integer"},      {"gridhbackcol", "Integer"},  {"gridhcol", "Integer"},
          {"gridcol", "Integer"},       {"gridfontsize", "Integer"},  {"gridfont", "String(30)"},
          {"skinname", "String(30)"},   {"kolesira", "Integer"},      {"kolmod", "Integer"},
          {"musterikod", "String(15)"}, {"kulisim", "String(30)"},    {"kulsirket", "String(30)"},
          {"bilginame", "String(25)"},  {"kullanici", "String(25)"},  {"progdizin", "String(100)"},
          {"keyvalue", "String(20)"},   {"acilismesaj", "Integer"},   {"ftpdeneme", "Integer"},
          {"gunyontem", "Integer"},     {"Eposta", "String(50)"},     {"Ticprogram", "Integer"},
          {"Ticserver", "String(50)"},  {"Ticveritab", "String(30)"}, {"Ticuser", "String(30)"},
          {"Ticpass", "String(30)"},    {"Ticsirket", "String(75)"},  {"Ticdonem", "String(10)"}}},
        {"Sadres", {{"Sirano", "Autoincrement"}, {"Adres", "String(40)"}, {"Durum", "Integer"}}},
        {"Yedekler", {{"Sirano", "Autoincrement"}, {"Tarih", "Date"}}},
        {"Yedekdosyalar", {{"Sirano", "Autoincrement"}, {"Dosyaadi", "String(150)"}}},
        {"Versiyon",
         {{"Versiyonno", "Integer"},
          {"Tarih", "Date"},
          {"Saat", "String(10)"},
          {"Aciklama", "String(40)"}}},
    };
    return tablolar;
}

const SemaTablo* Tablo(const QString& ad) {
    for (const SemaTablo& t : Tablolar())
        if (ad.compare(QLatin1String(t.ad), Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

QString SutunTanimi(const QString& ad, const QString& jetTipi) {
    static const QRegularExpression metin(QStringLiteral("^String\\s*\\((\\d+)\\)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString tip = jetTipi.trimmed();
    if (tip.compare(QLatin1String("Autoincrement"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(ad);
    if (tip.compare(QLatin1String("Integer"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("%1 INTEGER CHECK (%1 BETWEEN -2147483648 AND 2147483647)").arg(ad);
    if (tip.compare(QLatin1String("Double"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("%1 REAL").arg(ad);
    if (tip.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("%1 DATETIME").arg(ad);
    const auto m = metin.match(tip);
    if (m.hasMatch())
        return QStringLiteral("%1 TEXT COLLATE NOCASE CHECK (length(%1) <= %2)")
            .arg(ad, m.captured(1));
    return QStringLiteral("%1 %2").arg(ad, tip);
}

QStringList OlusturmaSatirlari(const SemaTablo& tablo) {
    QStringList satirlar{QStringLiteral("Create Table %1 (").arg(QLatin1String(tablo.ad))};
    const int n = static_cast<int>(tablo.sutunlar.size());
    for (int i = 0; i < n; ++i) {
        const SemaSutun& s = tablo.sutunlar[i];
        satirlar.append(SutunTanimi(QLatin1String(s.ad), QLatin1String(s.tip)) +
                        (i + 1 < n ? QStringLiteral(", ") : QString()));
    }
    satirlar.append(QStringLiteral(")"));
    return satirlar;
}

QStringList IndeksKomutlari() {
    return {
        QStringLiteral("CREATE INDEX IF NOT EXISTS Ajanda_Ajid ON Ajanda (Ajid)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS Ajanda_Alarmgun ON Ajanda (Alarmgun)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS Ajanda_Bastar ON Ajanda (Bastar)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS Adresler_Keyvalue ON Adresler (Keyvalue)"),
        // The cash book sums every earlier day's amounts: with the amounts in
        // the index those sums never touch the table itself.
        QStringLiteral("DROP INDEX IF EXISTS Kasahar_Tarih"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS Kasahar_TarihTutar ON Kasahar (Tarih, Giren, Cikan)"),
    };
}

QString TusMetni() {
    return QStringLiteral(
        "Ü221;Ğ219;İ222;Ş186;Ç220;Ö191;.190;-189;*223;-109;+107;*106;/111;\"192;,188;");
}

}  // namespace Sema
