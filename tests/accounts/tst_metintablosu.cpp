#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

#include "metintablosu.h"
#include "turkce.h"
#include "turkcesira.h"

namespace {

int isaret(int x) {
    return (x > 0) - (x < 0);
}

int agirlikKarsilastir(const QString& a, const QString& b) {
    std::vector<quint16> x, y;
    if (!TurkceSira::AgirlikEkle(a, x) || !TurkceSira::AgirlikEkle(b, y)) qFatal("no weights");
    if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end())) return -1;
    if (std::lexicographical_compare(y.begin(), y.end(), x.begin(), x.end())) return 1;
    return 0;
}

// The grid's order, as the collator would give it: NULL first, then by text, equal ones as they
// came.
QStringList beklenenSira(QList<QVariant> degerler) {
    std::stable_sort(degerler.begin(), degerler.end(), [](const QVariant& a, const QVariant& b) {
        if (a.isValid() != b.isValid()) return !a.isValid();
        return Turkce::Karsilastir(a.toString(), b.toString()) < 0;
    });
    QStringList s;
    for (const QVariant& v : degerler) s << (v.isValid() ? v.toString() : QStringLiteral("<NULL>"));
    return s;
}

MetinTablosu tablo(const QList<QVariant>& unvanlar, bool degerlerle) {
    const QStringList sutunlar = {QStringLiteral("No"), QStringLiteral("Unvan")};
    if (degerlerle) {
        QList<QVariantList> satirlar;
        for (int i = 0; i < unvanlar.size(); ++i) satirlar << QVariantList{qint64(i), unvanlar[i]};
        return MetinTablosu::Degerlerden(sutunlar, satirlar);
    }
    MetinTablosu t(sutunlar);
    for (int i = 0; i < unvanlar.size(); ++i) {
        t.ekle(QString::number(i));
        if (unvanlar[i].isValid())
            t.ekle(unvanlar[i].toString());
        else
            t.bosEkle();
    }
    return t;
}

}  // namespace

class TstMetinTablosu : public QObject {
    Q_OBJECT

private slots:
    void agirliklarHarmanlayiciIleAyni();
    void desteklenmeyenKarakter();
    void siralama_data();
    void siralama();
    void nullVeBosMetin();
};

// The weight table must order texts exactly as the Turkish collator does;
// random texts over the whole supported set look for any pair where it does not.
void TstMetinTablosu::agirliklarHarmanlayiciIleAyni() {
    QString harfler;
    for (char16_t c = 0x20; c <= 0x7E; ++c) harfler += QChar(c);
    harfler += QStringLiteral("ÇÖÜçöüĞğİıŞş");
    // Letters that differ only in Turkish, a lot of them, so that near-equal texts meet.
    const QString sik = QStringLiteral("aAcCçÇgGğĞıIiİoOöÖsSşŞuUüÜ 1.-");
    QRandomGenerator rastgele(20261211);
    auto metin = [&] {
        QString s;
        const int n = int(rastgele.bounded(7));
        for (int i = 0; i < n; ++i) {
            const QString& kaynak = rastgele.bounded(3) == 0 ? harfler : sik;
            s += kaynak[int(rastgele.bounded(int(kaynak.size())))];
        }
        return s;
    };
    for (int i = 0; i < 30000; ++i) {
        const QString a = metin();
        const QString b = rastgele.bounded(4) == 0 ? a.left(int(a.size()) - 1) + metin() : metin();
        const int beklenen = isaret(Turkce::Karsilastir(a, b));
        if (agirlikKarsilastir(a, b) != beklenen)
            QFAIL(qPrintable(
                QStringLiteral("\"%1\" vs \"%2\": collator says %3").arg(a, b).arg(beklenen)));
    }
}

void TstMetinTablosu::desteklenmeyenKarakter() {
    std::vector<quint16> v{7};
    QVERIFY(!TurkceSira::AgirlikEkle(QStringLiteral("Kâğıt"), v));
    QCOMPARE(v.size(), size_t(1));
    QVERIFY(TurkceSira::AgirlikEkle(QStringLiteral("Işık-2 (Ltd.)"), v));
}

void TstMetinTablosu::siralama_data() {
    QTest::addColumn<bool>("degerlerle");
    QTest::addColumn<QList<QVariant>>("unvanlar");
    const QList<QVariant> turkce = {
        QStringLiteral("İsmail"), QStringLiteral("Irmak"), QVariant(),
        QStringLiteral("çetin"),  QStringLiteral("Cem"),   QStringLiteral("ışık"),
        QStringLiteral("Işık"),   QStringLiteral(""),      QStringLiteral("ismail"),
        QStringLiteral("Zeki"),   QStringLiteral("Ömer"),  QVariant(),
        QStringLiteral("oya"),    QStringLiteral("2. El"), QStringLiteral("şule")};
    QList<QVariant> karisik = turkce;
    karisik << QStringLiteral("Kâğıt") << QStringLiteral("Kağıt") << QStringLiteral("Éclair");
    QTest::newRow("cells, Turkish letters") << false << turkce;
    QTest::newRow("values, Turkish letters") << true << turkce;
    QTest::newRow("cells, other letters too") << false << karisik;
    QTest::newRow("values, other letters too") << true << karisik;
}

void TstMetinTablosu::siralama() {
    QFETCH(bool, degerlerle);
    QFETCH(QList<QVariant>, unvanlar);
    MetinTablosu t = tablo(unvanlar, degerlerle);
    t.sirala(1);
    QStringList sira;
    for (int r = 0; r < t.satirSayisi(); ++r)
        sira << (t.bos(r, 1) ? QStringLiteral("<NULL>") : t.metin(r, 1));
    QCOMPARE(sira, beklenenSira(unvanlar));
    // Rows move whole: each title keeps its own number; equal titles keep their order.
    for (int r = 0; r < t.satirSayisi(); ++r) {
        const int no = t.metin(r, 0).toInt();
        QCOMPARE(t.deger(r, 1),
                 unvanlar[no].isValid() ? QVariant(unvanlar[no].toString()) : QVariant());
    }
    const int isik = int(sira.indexOf(QStringLiteral("ışık")));
    QCOMPARE(sira[isik + 1], QStringLiteral("Işık"));
}

void TstMetinTablosu::nullVeBosMetin() {
    MetinTablosu t({QStringLiteral("A"), QStringLiteral("b")});
    t.ekle(QString());
    t.bosEkle();
    QCOMPARE(t.satirSayisi(), 1);
    QVERIFY(!t.bos(0, 0));
    QVERIFY(t.bos(0, 1));
    QCOMPARE(t.deger(0, 0), QVariant(QString("")));
    QCOMPARE(t.deger(0, 1), QVariant());
    QCOMPARE(t.sutunNo(QStringLiteral("B")), 1);
    QCOMPARE(t.sutunNo(QStringLiteral("c")), -1);
}

QTEST_GUILESS_MAIN(TstMetinTablosu)
#include "tst_metintablosu.moc"
