// The day view's plain pieces: the time scale, the slot assigner, the span
// check and the schedule manager's range requests.
#include <QSignalSpy>
#include <QtTest>

#include "planyoneticisi.h"
#include "randevu.h"
#include "slotatayici.h"
#include "zamanolcegi.h"

using SlotAtayici::Aralik;
using SlotAtayici::Yer;

Q_DECLARE_METATYPE(QVector<Aralik>)
Q_DECLARE_METATYPE(QVector<Yer>)

namespace {
int sn(int saat, int dakika, int saniye = 0) {
    return saat * 3600 + dakika * 60 + saniye;
}
QDate aralik(int gun) {
    return QDate(2026, 12, gun);
}
}  // namespace

class TstPlanParcalari : public QObject {
    Q_OBJECT

private slots:
    void satirUzunlugu_data();
    void satirUzunlugu();
    void satirSinirlari_data();
    void satirSinirlari();
    void pikselDonusumu_data();
    void pikselDonusumu();
    void yuvarlama_data();
    void yuvarlama();

    void slotAtama_data();
    void slotAtama();

    void zamanDenetimi_data();
    void zamanDenetimi();
    void saatOkuma_data();
    void saatOkuma();

    void gunIstekleriArdisikKosular();
    void yeniIstekYalnizEksikGunler();
    void yerlestirmeVeSilme();
    void reddedilenRandevuEskisiniKorur();
    void cokGunluRandevuHerGundeGorunur();
};

void TstPlanParcalari::satirUzunlugu_data() {
    QTest::addColumn<int>("dakika");
    QTest::addColumn<bool>("kabul");
    QTest::addColumn<int>("satirSayisi");
    QTest::newRow("60") << 60 << true << 24;
    QTest::newRow("30") << 30 << true << 48;
    QTest::newRow("20") << 20 << true << 72;
    QTest::newRow("15") << 15 << true << 96;
    QTest::newRow("10") << 10 << true << 144;
    QTest::newRow("5") << 5 << true << 288;
    QTest::newRow("1") << 1 << true << 1440;
    QTest::newRow("7 does not divide an hour") << 7 << false << 48;
    QTest::newRow("0") << 0 << false << 48;
    QTest::newRow("90") << 90 << false << 48;
    QTest::newRow("-30") << -30 << false << 48;
}

void TstPlanParcalari::satirUzunlugu() {
    QFETCH(int, dakika);
    QFETCH(bool, kabul);
    QFETCH(int, satirSayisi);
    ZamanOlcegi o(30, 20);
    QCOMPARE(o.setSatirDakika(dakika), kabul);
    QCOMPARE(o.satirSayisi(), satirSayisi);
    QCOMPARE(o.toplamYukseklik(), satirSayisi * 20);
}

void TstPlanParcalari::satirSinirlari_data() {
    QTest::addColumn<int>("dakika");
    QTest::addColumn<QTime>("saat");
    QTest::addColumn<int>("satir");
    QTest::addColumn<QTime>("baslangic");
    QTest::addColumn<QTime>("bitis");
    QTest::newRow("09:00 at 30 is row 18")
        << 30 << QTime(9, 0) << 18 << QTime(9, 0) << QTime(9, 29, 59);
    QTest::newRow("10:29:59 still the 10:00 row")
        << 30 << QTime(10, 29, 59) << 20 << QTime(10, 0) << QTime(10, 29, 59);
    QTest::newRow("10:30 starts the next row")
        << 30 << QTime(10, 30) << 21 << QTime(10, 30) << QTime(10, 59, 59);
    QTest::newRow("midnight") << 30 << QTime(0, 0) << 0 << QTime(0, 0) << QTime(0, 29, 59);
    QTest::newRow("last second of the day")
        << 30 << QTime(23, 59, 59) << 47 << QTime(23, 30) << QTime(23, 59, 59);
    QTest::newRow("1-minute rows")
        << 1 << QTime(14, 5, 30) << 845 << QTime(14, 5) << QTime(14, 5, 59);
    QTest::newRow("hour rows") << 60 << QTime(23, 10) << 23 << QTime(23, 0) << QTime(23, 59, 59);
    QTest::newRow("20-minute rows")
        << 20 << QTime(11, 40) << 35 << QTime(11, 40) << QTime(11, 59, 59);
}

void TstPlanParcalari::satirSinirlari() {
    QFETCH(int, dakika);
    QFETCH(QTime, saat);
    QFETCH(int, satir);
    QFETCH(QTime, baslangic);
    QFETCH(QTime, bitis);
    ZamanOlcegi o(dakika, 24);
    QCOMPARE(o.satir(saat), satir);
    QCOMPARE(o.satirBaslangici(satir), baslangic);
    QCOMPARE(o.satirBitisi(satir), bitis);
}

void TstPlanParcalari::pikselDonusumu_data() {
    QTest::addColumn<int>("dakika");
    QTest::addColumn<int>("yukseklik");
    QTest::addColumn<int>("saniye");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("satir");
    QTest::newRow("day start") << 30 << 26 << 0 << 0 << 0;
    QTest::newRow("09:00 at 30/26") << 30 << 26 << sn(9, 0) << 18 * 26 << 18;
    QTest::newRow("half a row") << 30 << 26 << sn(9, 15) << 18 * 26 + 13 << 18;
    QTest::newRow("day end") << 30 << 26 << sn(24, 0) << 48 * 26 << 47;
    QTest::newRow("1-minute rows, day end") << 1 << 26 << sn(24, 0) << 1440 * 26 << 1439;
    QTest::newRow("1-minute rows, 14:05") << 1 << 20 << sn(14, 5) << 845 * 20 << 845;
    QTest::newRow("hour rows, 23:30") << 60 << 40 << sn(23, 30) << 23 * 40 + 20 << 23;
}

void TstPlanParcalari::pikselDonusumu() {
    QFETCH(int, dakika);
    QFETCH(int, yukseklik);
    QFETCH(int, saniye);
    QFETCH(int, y);
    QFETCH(int, satir);
    ZamanOlcegi o(dakika, yukseklik);
    QCOMPARE(o.saniyeY(saniye), y);
    QCOMPARE(o.ySaniye(y), saniye);
    QCOMPARE(o.ySatir(y), satir);
}

void TstPlanParcalari::yuvarlama_data() {
    QTest::addColumn<int>("dakika");
    QTest::addColumn<int>("saniye");
    QTest::addColumn<int>("beklenen");
    QTest::newRow("on a boundary") << 30 << sn(10, 0) << sn(10, 0);
    QTest::newRow("just below half") << 30 << sn(10, 14, 59) << sn(10, 0);
    QTest::newRow("half goes up") << 30 << sn(10, 15) << sn(10, 30);
    QTest::newRow("near midnight goes to the day end") << 30 << sn(23, 50) << sn(24, 0);
    QTest::newRow("beyond the day is clamped") << 15 << sn(25, 0) << sn(24, 0);
    QTest::newRow("below zero is clamped") << 15 << -100 << 0;
    QTest::newRow("1-minute rows") << 1 << sn(8, 7, 31) << sn(8, 8);
}

void TstPlanParcalari::yuvarlama() {
    QFETCH(int, dakika);
    QFETCH(int, saniye);
    QFETCH(int, beklenen);
    QCOMPARE(ZamanOlcegi(dakika).yuvarla(saniye), beklenen);
}

void TstPlanParcalari::slotAtama_data() {
    QTest::addColumn<QVector<Aralik>>("araliklar");
    QTest::addColumn<QVector<Yer>>("yerler");
    const int s9 = sn(9, 0), s930 = sn(9, 30), s10 = sn(10, 0), s1015 = sn(10, 15);
    const int s1030 = sn(10, 30), s11 = sn(11, 0), s12 = sn(12, 0), s13 = sn(13, 0);
    QTest::newRow("none") << QVector<Aralik>{} << QVector<Yer>{};
    QTest::newRow("one alone") << QVector<Aralik>{{s9, s10}} << QVector<Yer>{{0, 1}};
    QTest::newRow("apart") << QVector<Aralik>{{s9, s10}, {s11, s12}}
                           << QVector<Yer>{{0, 1}, {0, 1}};
    QTest::newRow("touching ends do not overlap")
        << QVector<Aralik>{{s9, s10}, {s10, s11}} << QVector<Yer>{{0, 1}, {0, 1}};
    QTest::newRow("two overlapping")
        << QVector<Aralik>{{s9, s1030}, {s10, s11}} << QVector<Yer>{{0, 2}, {1, 2}};
    QTest::newRow("input order does not matter")
        << QVector<Aralik>{{s10, s11}, {s9, s1030}} << QVector<Yer>{{1, 2}, {0, 2}};
    QTest::newRow("same start: the longer one first")
        << QVector<Aralik>{{s9, s10}, {s9, s12}} << QVector<Yer>{{1, 2}, {0, 2}};
    QTest::newRow("three at the same time")
        << QVector<Aralik>{{s9, s10}, {s9, s10}, {s9, s10}} << QVector<Yer>{{0, 3}, {1, 3}, {2, 3}};
    QTest::newRow("a chain shares one slot count")
        << QVector<Aralik>{{s9, s10}, {s930, s1030}, {s1015, s11}}
        << QVector<Yer>{{0, 2}, {1, 2}, {0, 2}};
    QTest::newRow("a freed slot is taken again")
        << QVector<Aralik>{{s9, s12}, {s9, s10}, {s10, s11}}
        << QVector<Yer>{{0, 2}, {1, 2}, {1, 2}};
    QTest::newRow("the lowest free slot, not the next one")
        << QVector<Aralik>{{s9, s13}, {s9, s10}, {s9, s10}, {s10, s11}}
        << QVector<Yer>{{0, 3}, {1, 3}, {2, 3}, {1, 3}};
    QTest::newRow("two clusters count apart") << QVector<Aralik>{{s9, s10}, {s930, s10}, {s11, s12}}
                                              << QVector<Yer>{{0, 2}, {1, 2}, {0, 1}};
    QTest::newRow("no length still takes a place")
        << QVector<Aralik>{{s10, s10}, {s10, s10}} << QVector<Yer>{{0, 2}, {1, 2}};
}

void TstPlanParcalari::slotAtama() {
    QFETCH(QVector<Aralik>, araliklar);
    QFETCH(QVector<Yer>, yerler);
    const QVector<Yer> sonuc = SlotAtayici::Ata(araliklar);
    QCOMPARE(sonuc.size(), yerler.size());
    for (int i = 0; i < sonuc.size(); ++i) {
        QCOMPARE(sonuc[i].slot, yerler[i].slot);
        QCOMPARE(sonuc[i].slotSayisi, yerler[i].slotSayisi);
    }
}

void TstPlanParcalari::zamanDenetimi_data() {
    QTest::addColumn<QDateTime>("bas");
    QTest::addColumn<QDateTime>("bit");
    QTest::addColumn<QString>("hata");
    QTest::addColumn<QDateTime>("sonBit");
    const QDate g = aralik(9);
    QTest::newRow("ordinary") << QDateTime(g, QTime(10, 0)) << QDateTime(g, QTime(11, 0))
                              << QString() << QDateTime(g, QTime(11, 0));
    QTest::newRow("end at midnight is the day's end")
        << QDateTime(g, QTime(10, 0)) << QDateTime(g, QTime(0, 0)) << QString()
        << QDateTime(g, QTime(23, 59, 59));
    QTest::newRow("end within the first second")
        << QDateTime(g, QTime(10, 0)) << QDateTime(g, QTime(0, 0, 0, 999)) << QString()
        << QDateTime(g, QTime(23, 59, 59));
    QTest::newRow("end at 00:00:01 is early")
        << QDateTime(g, QTime(10, 0)) << QDateTime(g, QTime(0, 0, 1))
        << QStringLiteral("Invalid start and end times") << QDateTime(g, QTime(0, 0, 1));
    QTest::newRow("23:50 to 00:15 of the same date")
        << QDateTime(g, QTime(23, 50)) << QDateTime(g, QTime(0, 15))
        << QStringLiteral("Invalid start and end times") << QDateTime(g, QTime(0, 15));
    QTest::newRow("end equal to start")
        << QDateTime(g, QTime(10, 0)) << QDateTime(g, QTime(10, 0))
        << QStringLiteral("Invalid start and end times") << QDateTime(g, QTime(10, 0));
    QTest::newRow("end day before start day")
        << QDateTime(g, QTime(10, 0)) << QDateTime(g.addDays(-1), QTime(12, 0))
        << QStringLiteral("Invalid start and end dates") << QDateTime(g.addDays(-1), QTime(12, 0));
    QTest::newRow("over days, end earlier in the day")
        << QDateTime(g, QTime(10, 0)) << QDateTime(g.addDays(2), QTime(9, 0)) << QString()
        << QDateTime(g.addDays(2), QTime(9, 0));
}

void TstPlanParcalari::zamanDenetimi() {
    QFETCH(QDateTime, bas);
    QFETCH(QDateTime, bit);
    QFETCH(QString, hata);
    QFETCH(QDateTime, sonBit);
    QCOMPARE(RandevuZamaniDenetle(bas, bit), hata);
    QCOMPARE(bit, sonBit);
}

void TstPlanParcalari::saatOkuma_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QTime>("saat");
    QTest::newRow("with seconds") << "10:30:15" << QTime(10, 30, 15);
    QTest::newRow("leading zero") << "09:05:00" << QTime(9, 5);
    QTest::newRow("without seconds") << "14:05" << QTime(14, 5);
    QTest::newRow("one-digit hour") << "9:05" << QTime(9, 5);
    QTest::newRow("date and time") << "1899-12-30 18:45:10" << QTime(18, 45, 10);
    QTest::newRow("empty") << "" << QTime(0, 0);
    QTest::newRow("not a time") << "öğle" << QTime(0, 0);
    QTest::newRow("out of range") << "25:00:00" << QTime(0, 0);
}

void TstPlanParcalari::saatOkuma() {
    QFETCH(QString, metin);
    QFETCH(QTime, saat);
    QCOMPARE(SaatOku(metin), saat);
}

namespace {
Randevu randevu(const QString& kimlik, const QDateTime& bas, const QDateTime& bit) {
    Randevu r;
    r.kimlik = kimlik;
    r.baslangic = bas;
    r.bitis = bit;
    r.aciklama = kimlik;
    r.planlar = {QStringLiteral("Kovimaro")};
    return r;
}
}  // namespace

void TstPlanParcalari::gunIstekleriArdisikKosular() {
    PlanYoneticisi y;
    QSignalSpy istek(&y, &PlanYoneticisi::TopluYukleme);
    y.GunleriHazirla(QStringLiteral("Kovimaro"), aralik(9), aralik(15));
    QCOMPARE(istek.size(), 1);
    QCOMPARE(istek[0][0].toString(), QStringLiteral("Kovimaro"));
    QCOMPARE(istek[0][1].toDate(), aralik(9));
    QCOMPARE(istek[0][2].toDate(), aralik(15));
    // Days already held are not asked for again.
    istek.clear();
    y.GunleriHazirla(QStringLiteral("Kovimaro"), aralik(10), aralik(14));
    QCOMPARE(istek.size(), 0);
}

void TstPlanParcalari::yeniIstekYalnizEksikGunler() {
    PlanYoneticisi y;
    y.GunleriHazirla(QStringLiteral("Kovimaro"), aralik(9), aralik(11));
    y.GunleriHazirla(QStringLiteral("Kovimaro"), aralik(14), aralik(14));
    QSignalSpy istek(&y, &PlanYoneticisi::TopluYukleme);
    y.GunleriHazirla(QStringLiteral("Kovimaro"), aralik(8), aralik(17));
    QCOMPARE(istek.size(), 3);
    const QList<QPair<QDate, QDate>> beklenen{
        {aralik(8), aralik(8)}, {aralik(12), aralik(13)}, {aralik(15), aralik(17)}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(istek[i][1].toDate(), beklenen[i].first);
        QCOMPARE(istek[i][2].toDate(), beklenen[i].second);
    }
}

void TstPlanParcalari::yerlestirmeVeSilme() {
    PlanYoneticisi y;
    QSignalSpy degisti(&y, &PlanYoneticisi::Degisti);
    const QDate g = aralik(9);
    QCOMPARE(y.Yerlestir(randevu("a", QDateTime(g, QTime(10, 0)), QDateTime(g, QTime(11, 0)))),
             QString());
    QCOMPARE(degisti.size(), 1);
    QCOMPARE(y.GunRandevulari(g, QStringLiteral("Kovimaro")).size(), 1);
    QCOMPARE(y.GunRandevulari(g, QStringLiteral("Başka")).size(), 0);
    // Moving it to another day takes it off the old one.
    QCOMPARE(y.Yerlestir(randevu("a", QDateTime(g.addDays(1), QTime(10, 0)),
                                 QDateTime(g.addDays(1), QTime(11, 0)))),
             QString());
    QCOMPARE(y.RandevuSayisi(), 1);
    QCOMPARE(y.GunRandevulari(g, QStringLiteral("Kovimaro")).size(), 0);
    QCOMPARE(y.GunRandevulari(g.addDays(1), QStringLiteral("Kovimaro")).size(), 1);
    y.Sil(QStringLiteral("a"));
    QCOMPARE(y.Bul(QStringLiteral("a")), nullptr);
    QCOMPARE(y.GunRandevulari(g.addDays(1), QStringLiteral("Kovimaro")).size(), 0);
    QCOMPARE(degisti.size(), 3);
    // Deleting what is not held does nothing.
    y.Sil(QStringLiteral("yok"));
    QCOMPARE(degisti.size(), 3);
}

void TstPlanParcalari::reddedilenRandevuEskisiniKorur() {
    PlanYoneticisi y;
    const QDate g = aralik(9);
    QCOMPARE(y.Yerlestir(randevu("a", QDateTime(g, QTime(10, 0)), QDateTime(g, QTime(11, 0)))),
             QString());
    QCOMPARE(y.Yerlestir(randevu("a", QDateTime(g, QTime(23, 50)), QDateTime(g, QTime(0, 15)))),
             QStringLiteral("Invalid start and end times"));
    QCOMPARE(y.Bul(QStringLiteral("a"))->baslangic, QDateTime(g, QTime(10, 0)));
    QCOMPARE(y.Yerlestir(
                 randevu("b", QDateTime(g, QTime(10, 0)), QDateTime(g.addDays(-1), QTime(11, 0)))),
             QStringLiteral("Invalid start and end dates"));
    QCOMPARE(y.Bul(QStringLiteral("b")), nullptr);
}

void TstPlanParcalari::cokGunluRandevuHerGundeGorunur() {
    PlanYoneticisi y;
    QSignalSpy degisti(&y, &PlanYoneticisi::Degisti);
    y.GuncellemeBaslat();
    QCOMPARE(y.Yerlestir(randevu("uzun", QDateTime(aralik(9), QTime(14, 0)),
                                 QDateTime(aralik(11), QTime(9, 0)))),
             QString());
    QCOMPARE(degisti.size(), 0);  // held back until the batch ends
    y.GuncellemeBitir();
    QCOMPARE(degisti.size(), 1);
    for (int gun = 8; gun <= 12; ++gun)
        QCOMPARE(y.GunRandevulari(aralik(gun), QStringLiteral("Kovimaro")).size(),
                 gun >= 9 && gun <= 11 ? 1 : 0);
}

QTEST_GUILESS_MAIN(TstPlanParcalari)
#include "tst_planparcalari.moc"
