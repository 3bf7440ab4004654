// Writes the seed corpus: a company file with the card table and an old
// program file with a few of its tables, in both text forms.
#include <QCoreApplication>
#include <QDir>

#include "jetyazici.h"

using namespace JetYazici;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    const QDir dizin(QString::fromLocal8Bit(argv[1]));

    Tablo cari{QStringLiteral("Carikart"), {}, {}};
    const char* adlar[] = {"Carikod", "Unvan",    "Yetkili",  "Adres1", "Adres2",   "Adres3",
                           "Sehir",   "Telefon1", "Telefon2", "Faxno",  "Vergi_Da", "Vergi_No"};
    cari.sutunlar.append({QStringLiteral("Crsirano"), Tip::Uzun, 0, true});
    for (const char* ad : adlar)
        cari.sutunlar.append({QLatin1String(ad), Tip::Metin, 40, false, ad[0] != 'Y'});
    cari.sutunlar.append({QStringLiteral("Bakiye"), Tip::Para});
    cari.sutunlar.append({QStringLiteral("Tarih"), Tip::Tarih});
    cari.sutunlar.append({QStringLiteral("Aktif"), Tip::Evet});
    for (int i = 1; i <= 40; ++i) {
        QVariantList r{i};
        for (int c = 0; c < 12; ++c)
            r.append(c % 5 == 4 ? QVariant()
                                : QVariant(QStringLiteral("Şirket %1 çğıöşü").arg(i * 13 + c)));
        r << i * -1.25 << QDateTime(QDate(1890 + i, 1, 1), QTime(1, 2, 3)) << (i % 2 == 0);
        cari.satirlar.append(r);
    }
    Dosya sirket;
    sirket.tablolar = {cari};
    DosyayaYaz(dizin.filePath(QStringLiteral("sirket.mdb")), sirket);

    Tablo kasa{QStringLiteral("Kasahar"),
               {{QStringLiteral("Sirano"), Tip::Uzun, 0, true},
                {QStringLiteral("Tarih"), Tip::Tarih},
                {QStringLiteral("Saat"), Tip::Metin, 10},
                {QStringLiteral("Giren"), Tip::Cift},
                {QStringLiteral("Cikan"), Tip::Cift},
                {QStringLiteral("Aciklama"), Tip::Metin, 40}},
               {}};
    for (int i = 1; i <= 20; ++i)
        kasa.satirlar.append({i, QDateTime(QDate(2003, 1, i), QTime()),
                              QStringLiteral("10:%1").arg(i), i * 10.5, 0.0,
                              i % 3 ? QVariant(QStringLiteral("Ödeme")) : QVariant(QString(""))});
    Tablo surum{QStringLiteral("Versiyon"),
                {{QStringLiteral("Versiyonno"), Tip::Uzun}, {QStringLiteral("Tarih"), Tip::Tarih}},
                {{44, QDateTime(QDate(2004, 1, 1), QTime())}}};
    Dosya vdb;
    vdb.parola = QStringLiteral("kepl480259");
    vdb.tablolar = {kasa, surum};
    DosyayaYaz(dizin.filePath(QStringLiteral("kovimaro.vdb")), vdb);
    return 0;
}
