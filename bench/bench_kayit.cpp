// Figures for the record windows on large files: opening the address list
// and saving one contact with 100,000 contacts, and one day step of the cash
// book with 1,000,000 movements over 30 years. Prints medians in milliseconds.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_kayit [kişi sayısı] [hareket sayısı]

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "alanlar.h"
#include "kasatoplam.h"
#include "mesaj.h"
#include "tfadresler.h"
#include "tfadreslernew.h"
#include "tfkasahar.h"
#include "udm.h"
#include "uygulama.h"
#include "zaman.h"

namespace {

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// The process's own processor time: on a busy machine the wall clock also
// counts the time other programs had the processor.
double islemciMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Olcum {
    std::vector<double> duvar, islemci;
    QElapsedTimer t;
    double bas = 0;
    void basla() {
        t.restart();
        bas = islemciMs();
    }
    void bitir() {
        duvar.push_back(ms(t));
        islemci.push_back(islemciMs() - bas);
    }
};

double ortanca(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// hedef < 0: a figure without a target.
void yaz(const char* ne, const Olcum& o, double hedef = -1) {
    const double d = ortanca(o.duvar), i = ortanca(o.islemci);
    std::printf("%-62s ortanca %8.1f ms (işlemci %7.1f ms, en az %.1f)", ne, d, i,
                *std::min_element(o.duvar.begin(), o.duvar.end()));
    if (hedef >= 0) std::printf("  hedef <= %.0f ms%s", hedef, i <= hedef ? "" : ", AŞILDI");
    std::printf("\n");
}

// Contacts with Turkish names, filled by the database itself so that building
// the file takes seconds, not minutes.
void kisilerUret(TDm& dm, int adet) {
    dm.DB_Zafo.Calistir(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1), "
            "adlar(k, ad) AS (VALUES "
            "(0,'Ali'),(1,'Ayşe'),(2,'Çetin'),(3,'Cem'),(4,'İsmail'),(5,'Irmak'),"
            "(6,'Şule'),(7,'Zeynep'),(8,'Ömer'),(9,'Ünal'),(10,'Gül'),(11,'Hasan'),(12,'ılgın'),("
            "13,'Oya')) "
            "INSERT INTO Adresler (Ad, Soyad, Sirket, Adres1, Semt, Sehir, Telefon1, Gsm, Eposta, "
            "Dogumtarihi, "
            "Ozeltarih, Keyvalue) "
            "SELECT (SELECT ad FROM adlar WHERE k = abs(random()) % 14) || ' ' || (abs(random()) % "
            "500), "
            "(SELECT ad FROM adlar WHERE k = abs(random()) % 14) || 'oğlu', 'Şirket ' || i, "
            "'Cumhuriyet Cad. No ' || i, 'Kadıköy', 'İstanbul', '0216 555 00 00', '0532 000 00 "
            "00', "
            "'kisi' || i || '@ornek.com.tr', strftime('%Y-%m-%d 00:00:00', '1950-01-01', '+' || (i "
            "% 20000) || ' days'), "
            "'1899-12-30 00:00:00', substr(hex(randomblob(10)), 1, 20) FROM n")
            .arg(adet));
}

void hareketlerUret(TDm& dm, int adet, const QDate& ilkGun, int gunSayisi) {
    dm.DB_Zafo.Calistir(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO Kasahar (Tarih, Saat, Giren, Cikan, Aciklama) "
            "SELECT strftime('%Y-%m-%d 00:00:00', '%2', '+' || (abs(random()) % %3) || ' days'), "
            "'10:00', "
            "CASE WHEN i % 2 = 0 THEN (abs(random()) % 100000) / 100.0 ELSE 0 END, "
            "CASE WHEN i % 2 = 1 THEN (abs(random()) % 100000) / 100.0 ELSE 0 END, 'hareket ' || i "
            "FROM n")
            .arg(adet)
            .arg(ilkGun.toString(Qt::ISODate))
            .arg(gunSayisi));
}

void adresler(int kisiSayisi) {
    QTemporaryDir dizin;
    TDm dm(dizin.path());
    if (!dm.DataModuleCreate()) return;
    Dm = &dm;
    QElapsedTimer t;
    t.start();
    kisilerUret(dm, kisiSayisi);
    std::printf("%d kişi üretildi (%.0f ms)\n", kisiSayisi, ms(t));

    Olcum acilis, kayit;
    for (int tur = 0; tur < 7; ++tur) {
        acilis.basla();
        auto* w = new TFAdresler;
        w->show();
        QCoreApplication::processEvents();
        acilis.bitir();

        TFAdreslernew g;
        g.Islem = 1;
        g.Goster();
        g.EAd->setText(QStringLiteral("Mehmet %1").arg(tur));
        g.ESoyad->setText(QStringLiteral("Öztürk"));
        kayit.basla();
        g.BKaydetClick();
        w->Kaydedildi(g, 1);
        kayit.bitir();
        if (w->sorgu().fieldText(QStringLiteral("Keyvalue")) != g.Keyvalue)
            std::printf("UYARI: imleç yeni kişide değil\n");
        w->BCikis->click();
        delete w;
    }
    yaz("Adres listesini açmak (okuma, ızgara, ilk çizim)", acilis, 150);
    yaz("Yeni kişiyi kaydetmek (ekleme, listeyi yeniden okuma, imleç)", kayit, 200);
    Dm = nullptr;
}

void kasa(int hareketSayisi) {
    QTemporaryDir dizin;
    TDm dm(dizin.path());
    if (!dm.DataModuleCreate()) return;
    Dm = &dm;
    const QDate ilk(1996, 1, 1);
    const int gunSayisi = 30 * 365;
    QElapsedTimer t;
    t.start();
    hareketlerUret(dm, hareketSayisi, ilk, gunSayisi);
    std::printf("%d kasa hareketi üretildi, %d gün (%.0f ms)\n", hareketSayisi, gunSayisi, ms(t));

    const QDate orta = ilk.addDays(gunSayisi / 2);
    Zaman::Ayarla(QDateTime(orta, QTime(12, 0)));
    Olcum acilis;
    acilis.basla();
    auto* w = new TFKasahar;
    w->show();
    QCoreApplication::processEvents();
    acilis.bitir();
    yaz("Kasa penceresini açmak (ilk gün, devir baştan)", acilis);

    Olcum ileri, geri;
    for (int i = 0; i < 25; ++i) {
        ileri.basla();
        w->SSonraki->click();
        ileri.bitir();
    }
    for (int i = 0; i < 25; ++i) {
        geri.basla();
        w->SOnceki->click();
        geri.bitir();
    }
    yaz("Bir gün ileri (iki liste, dört toplam)", ileri, 50);
    yaz("Bir gün geri (iki liste, dört toplam)", geri, 50);

    Olcum atlama;
    for (int i = 1; i <= 5; ++i) {
        atlama.basla();
        w->ETarih->setTarih(ilk.addDays(i * 2000));
        atlama.bitir();
    }
    yaz("Uzak bir güne atlamak (devir baştan sayılır)", atlama);

    Olcum duz;
    for (int i = 0; i < 5; ++i) {
        duz.basla();
        KasaToplamlari(dm.Q_Temp, orta.addDays(i));
        duz.bitir();
    }
    yaz("KasaToplamlari, hafızasız (yalnız dört toplam)", duz);
    w->BCikis->click();
    delete w;
    Zaman::Serbest();
    Dm = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    Uygulama uygulama(argc, argv);
    MesajTest::Etkinlestir();
    const int kisi = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int hareket = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1000000;
    adresler(kisi);
    kasa(hareket);
    for (const MesajTest::Kayit& k : MesajTest::Gosterilenler())
        std::printf("Gösterilen ileti: %s\n", qPrintable(k.metin));
    return 0;
}
