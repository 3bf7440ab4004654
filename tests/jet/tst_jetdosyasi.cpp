#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "dbhatasi.h"
#include "jetdosyasi.h"
#include "jetokuyucu.h"
#include "jetyazici.h"

using namespace JetYazici;

namespace {

QDateTime an(int y, int a, int g, int s = 0, int d = 0, int sn = 0) {
    return QDateTime(QDate(y, a, g), QTime(s, d, sn), Qt::UTC);
}

// The accounting program's card table as the viewer reads it, with a few
// columns of other types beside it.
Tablo cariKart() {
    Tablo t;
    t.ad = QStringLiteral("Carikart");
    t.sutunlar = {{QStringLiteral("Crsirano"), Tip::Uzun, 0, true},
                  {QStringLiteral("Carikod"), Tip::Metin, 20},
                  {QStringLiteral("Unvan"), Tip::Metin, 60},
                  {QStringLiteral("Yetkili"), Tip::Metin, 30, false, false},  // plain UCS-2
                  {QStringLiteral("Adres1"), Tip::Metin, 50},
                  {QStringLiteral("Adres2"), Tip::Metin, 50},
                  {QStringLiteral("Adres3"), Tip::Metin, 50},
                  {QStringLiteral("Sehir"), Tip::Metin, 25},
                  {QStringLiteral("Telefon1"), Tip::Metin, 15},
                  {QStringLiteral("Telefon2"), Tip::Metin, 15},
                  {QStringLiteral("Faxno"), Tip::Metin, 15},
                  {QStringLiteral("Vergi_Da"), Tip::Metin, 30},
                  {QStringLiteral("Vergi_No"), Tip::Metin, 15},
                  {QStringLiteral("Bakiye"), Tip::Para},
                  {QStringLiteral("Oran"), Tip::Cift},
                  {QStringLiteral("Kayittar"), Tip::Tarih},
                  {QStringLiteral("Aktif"), Tip::Evet},
                  {QStringLiteral("Grup"), Tip::Tamsayi},
                  {QStringLiteral("Derece"), Tip::Bayt}};
    const QVariant N;
    t.satirlar = {
        {1, "C001", QStringLiteral("Çiçek Öğütücü Şirketi"), QStringLiteral("Işıl Güneş"),
         QStringLiteral("İstiklal Cad."), QString(""), N, QStringLiteral("İzmir"), "0232", N, N,
         QStringLiteral("Karşıyaka"), "123", -1500.25, 0.1, an(1899, 12, 30), true, -7, 255},
        {2, "C002", QStringLiteral("Ağaç Ltd."), QString(""), N, N, N, N, N, N, N, N, N, 0.0,
         -2.5e-300, an(1850, 3, 1, 6, 30), false, 32767, 0},
        {3, "C003", N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N},
    };
    return t;
}

Dosya sirketDosyasi() {
    Dosya d;
    Tablo bos;
    bos.ad = QStringLiteral("Stok");
    bos.sutunlar = {{QStringLiteral("Kod"), Tip::Metin, 10}};
    d.tablolar = {cariKart(), bos};
    return d;
}

QString yaz(const QTemporaryDir& dizin, const QString& ad, const QByteArray& icerik) {
    const QString yol = dizin.filePath(ad);
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(yol));
    f.write(icerik);
    return yol;
}

// The first page after the catalogue whose type says table definition.
int tanimSayfasi(const QByteArray& dosya, int kacinci = 0) {
    for (int s = 3; s * kSayfa < dosya.size(); ++s)
        if (dosya[s * kSayfa] == 0x02 && kacinci-- == 0) return s;
    return -1;
}

}  // namespace

class TstJetDosyasi : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dizin.isValid()); }

    void mdbtoolsOkuyabilir();
    void jetMi_data();
    void jetMi();
    void parola_data();
    void parola();
    void parolaBasligiEksik();
    void tablolar();
    void tumSutunlar();
    void sutunAdlari();
    void turkceMetinIkiBicimde();
    void bosMetinNullDegil();
    void tarihler();
    void secilenSutunlarBuyukKucukHarfsiz();
    void eksikSutun();
    void eksikTablo();
    void bosTablo();
    void cokSayfaliTablo();
    void bozukDosyalar_data();
    void bozukDosyalar();
    void kesikOkumaSonucu();
    void abartiliSatirSayisi();

private:
    QTemporaryDir dizin;
};

// The fixtures are Jet files for mdbtools' own programs too, not only for
// this reader: what the tests build is what a real file gives.
void TstJetDosyasi::mdbtoolsOkuyabilir() {
    const QString tablolar = QStandardPaths::findExecutable(QStringLiteral("mdb-tables"));
    const QString disa = QStandardPaths::findExecutable(QStringLiteral("mdb-export"));
    if (tablolar.isEmpty() || disa.isEmpty()) QSKIP("mdbtools' programs are not installed");
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    QProcess p;
    p.start(tablolar, {QStringLiteral("-1"), yol});
    QVERIFY(p.waitForFinished());
    QCOMPARE(
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
        (QStringList{QStringLiteral("Carikart"), QStringLiteral("Stok")}));
    p.start(disa, {yol, QStringLiteral("Carikart")});
    QVERIFY(p.waitForFinished());
    const QStringList satirlar =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(satirlar.size(), 4);
    QVERIFY2(satirlar[1].startsWith(
                 QStringLiteral("1,\"C001\",\"Çiçek Öğütücü Şirketi\",\"Işıl Güneş\"")),
             qPrintable(satirlar[1]));
}

void TstJetDosyasi::jetMi_data() {
    QTest::addColumn<QByteArray>("icerik");
    QTest::addColumn<bool>("jet");
    QTest::newRow("jet 4") << Yaz(sirketDosyasi()) << true;
    QByteArray jet3 = Yaz(sirketDosyasi());
    jet3[0x14] = 0;
    QTest::newRow("jet 3 header") << jet3 << true;
    QByteArray ace = Yaz(sirketDosyasi());
    ace[0x14] = 2;  // Access 2007: not a Jet file for us
    QTest::newRow("accdb") << ace << false;
    QTest::newRow("text") << QByteArray("Kovimaro\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("sqlite") << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0')
                            << false;
}

void TstJetDosyasi::jetMi() {
    QFETCH(QByteArray, icerik);
    QFETCH(bool, jet);
    QCOMPARE(Jet::JetMi(yaz(dizin, QStringLiteral("a.mdb"), icerik)), jet);
}

void TstJetDosyasi::parola_data() {
    QTest::addColumn<QString>("parola");
    QTest::addColumn<QDateTime>("olusturma");
    QTest::newRow("program") << QStringLiteral("kepl480259") << an(2004, 5, 17, 9, 30);
    QTest::newRow("none") << QString("") << an(2004, 5, 17);
    QTest::newRow("turkish, 20 chars")
        << QStringLiteral("şifreĞÜİıöç0123456789").left(20) << an(2011, 1, 2, 23, 59);
    QTest::newRow("created before 1900") << QStringLiteral("x") << an(1899, 1, 1);
}

void TstJetDosyasi::parola() {
    QFETCH(QString, parola);
    QFETCH(QDateTime, olusturma);
    Dosya d = sirketDosyasi();
    d.parola = parola;
    d.olusturma = olusturma;
    const QString yol = yaz(dizin, QStringLiteral("p.mdb"), Yaz(d));
    QCOMPARE(Jet::Parola(yol), parola);
}

void TstJetDosyasi::parolaBasligiEksik() {
    const QString yol = yaz(dizin, QStringLiteral("k.mdb"), Yaz(sirketDosyasi()).left(0x60));
    QVERIFY(Jet::JetMi(yol));
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::Parola(yol));
    const QString metin = yaz(dizin, QStringLiteral("m.txt"), QByteArray(200, 'x'));
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::Parola(metin));
}

void TstJetDosyasi::tablolar() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    QCOMPARE(Jet::Tablolar(yol), (QStringList{QStringLiteral("Carikart"), QStringLiteral("Stok")}));
}

void TstJetDosyasi::tumSutunlar() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    const Jet::Tablo t = Jet::TabloOku(yol, QStringLiteral("Carikart"));
    QStringList adlar;
    for (const Sutun& s : cariKart().sutunlar) adlar << s.ad;
    QCOMPARE(t.sutunlar, adlar);
    QCOMPARE(t.satirlar.size(), 3);
    const QVariantList& r = t.satirlar[0];
    QCOMPARE(r[0], QVariant(qint64(1)));
    QCOMPARE(r[13], QVariant(-1500.25));
    QCOMPARE(r[14].typeId(), QMetaType::Double);
    QCOMPARE(r[14].toDouble(), 0.1);
    QCOMPARE(r[16], QVariant(qint64(1)));
    QCOMPARE(r[17], QVariant(qint64(-7)));
    QCOMPARE(r[18], QVariant(qint64(255)));
    const QVariantList& r2 = t.satirlar[1];
    QCOMPARE(r2[13], QVariant(0.0));
    QCOMPARE(r2[14].toDouble(), -2.5e-300);
    QCOMPARE(r2[16], QVariant(qint64(0)));
    QCOMPARE(r2[17], QVariant(qint64(32767)));
    // A row of NULLs: every column but Yes/No, which has no NULL in Jet.
    const QVariantList& r3 = t.satirlar[2];
    for (int i = 2; i < r3.size(); ++i)
        if (i != 16) QVERIFY2(!r3[i].isValid(), qPrintable(t.sutunlar[i]));
    QCOMPARE(r3[16], QVariant(qint64(0)));
}

void TstJetDosyasi::sutunAdlari() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    QCOMPARE(Jet::Sutunlar(yol, QStringLiteral("stok")), QStringList{QStringLiteral("Kod")});
    QCOMPARE(Jet::Sutunlar(yol, QStringLiteral("Carikart")).size(), cariKart().sutunlar.size());
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::Sutunlar(yol, QStringLiteral("Yok")));
}

void TstJetDosyasi::turkceMetinIkiBicimde() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    const Jet::Tablo t = Jet::TabloOku(yol, QStringLiteral("Carikart"),
                                       {QStringLiteral("Unvan"), QStringLiteral("Yetkili"),
                                        QStringLiteral("Sehir"), QStringLiteral("Vergi_Da")});
    QCOMPARE(t.satirlar[0][0].toString(), QStringLiteral("Çiçek Öğütücü Şirketi"));
    QCOMPARE(t.satirlar[0][1].toString(), QStringLiteral("Işıl Güneş"));
    QCOMPARE(t.satirlar[0][2].toString(), QStringLiteral("İzmir"));
    QCOMPARE(t.satirlar[0][3].toString(), QStringLiteral("Karşıyaka"));
    // The fixture really holds both forms.
    QVERIFY(MetinKodla(QStringLiteral("Çiçek Öğütücü Şirketi"), true).startsWith("\xFF\xFE"));
    QVERIFY(!MetinKodla(QStringLiteral("Işıl Güneş"), false).startsWith("\xFF\xFE"));
}

void TstJetDosyasi::bosMetinNullDegil() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    const Jet::Tablo t = Jet::TabloOku(
        yol, QStringLiteral("Carikart"),
        {QStringLiteral("Adres2"), QStringLiteral("Adres3"), QStringLiteral("Yetkili")});
    QVERIFY(t.satirlar[0][0].isValid());
    QCOMPARE(t.satirlar[0][0].typeId(), QMetaType::QString);
    QVERIFY(t.satirlar[0][0].toString().isEmpty());
    QVERIFY(!t.satirlar[0][0].toString().isNull());
    QVERIFY(!t.satirlar[0][1].isValid());
    QVERIFY(t.satirlar[1][2].isValid());  // '' in the plain form as well
    QVERIFY(t.satirlar[1][2].toString().isEmpty());
}

void TstJetDosyasi::tarihler() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    const Jet::Tablo t =
        Jet::TabloOku(yol, QStringLiteral("Carikart"), {QStringLiteral("Kayittar")});
    QCOMPARE(t.satirlar[0][0].toDateTime(), an(1899, 12, 30));
    QCOMPARE(t.satirlar[1][0].toDateTime(), an(1850, 3, 1, 6, 30));
    QCOMPARE(t.satirlar[1][0].toDateTime().time(), QTime(6, 30));
    QVERIFY(!t.satirlar[2][0].isValid());
}

void TstJetDosyasi::secilenSutunlarBuyukKucukHarfsiz() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    const Jet::Tablo t = Jet::TabloOku(yol, QStringLiteral("CARIKART"),
                                       {QStringLiteral("unvan"), QStringLiteral("CRSIRANO")});
    QCOMPARE(t.sutunlar, (QStringList{QStringLiteral("Unvan"), QStringLiteral("Crsirano")}));
    QCOMPARE(t.satirlar[1], (QVariantList{QStringLiteral("Ağaç Ltd."), qint64(2)}));
}

void TstJetDosyasi::eksikSutun() {
    Dosya d = sirketDosyasi();
    d.tablolar[0].sutunlar.removeAt(10);  // Faxno
    for (QVariantList& r : d.tablolar[0].satirlar) r.removeAt(10);
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(d));
    try {
        Jet::TabloOku(yol, QStringLiteral("Carikart"),
                      {QStringLiteral("Unvan"), QStringLiteral("Faxno")});
        QFAIL("a missing column must raise");
    } catch (const DbHatasi& h) {
        QVERIFY2(h.mesaj().contains(QLatin1String("Faxno")), qPrintable(h.mesaj()));
    }
}

void TstJetDosyasi::eksikTablo() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::TabloOku(yol, QStringLiteral("Cari")));
}

void TstJetDosyasi::bosTablo() {
    const QString yol = yaz(dizin, QStringLiteral("s.mdb"), Yaz(sirketDosyasi()));
    const Jet::Tablo t = Jet::TabloOku(yol, QStringLiteral("Stok"));
    QCOMPARE(t.sutunlar, QStringList{QStringLiteral("Kod")});
    QVERIFY(t.satirlar.isEmpty());
}

void TstJetDosyasi::cokSayfaliTablo() {
    Dosya d = sirketDosyasi();
    Tablo& t = d.tablolar[0];
    t.satirlar.clear();
    for (int i = 1; i <= 3000; ++i)
        t.satirlar.append({i, QStringLiteral("K%1").arg(i), QStringLiteral("Ünvan %1 ğışçö").arg(i),
                           QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                           QVariant(), QVariant(), QVariant(), QVariant(), i * 0.5, QVariant(),
                           QVariant(), i % 2 == 0, QVariant(), QVariant()});
    const QByteArray icerik = Yaz(d);
    QVERIFY(icerik.size() > 20 * kSayfa);
    const QString yol = yaz(dizin, QStringLiteral("b.mdb"), icerik);
    const Jet::Tablo okunan = Jet::TabloOku(yol, QStringLiteral("Carikart"),
                                            {QStringLiteral("Crsirano"), QStringLiteral("Unvan")});
    QCOMPARE(okunan.satirlar.size(), 3000);
    QCOMPARE(okunan.satirlar.last()[1].toString(), QStringLiteral("Ünvan 3000 ğışçö"));
}

void TstJetDosyasi::bozukDosyalar_data() {
    QTest::addColumn<QByteArray>("icerik");
    const QByteArray iyi = Yaz(sirketDosyasi());
    const int tanim = tanimSayfasi(iyi);
    QTest::newRow("not jet") << QByteArray(3 * kSayfa, 'x');
    QTest::newRow("cut inside a data page") << iyi.left(iyi.size() - 1000);
    QTest::newRow("cut at a page end") << iyi.left((tanim + 2) * kSayfa);
    QTest::newRow("only the header") << iyi.left(kSayfa);
    QByteArray rastgele = iyi.left(kSayfa);
    QRandomGenerator uret(4711);
    for (int i = 0; i < 8 * kSayfa; ++i) rastgele.append(static_cast<char>(uret.bounded(256)));
    QTest::newRow("random pages after a good header") << rastgele;
    QByteArray sayfa = iyi;  // the catalogue points the table far beyond the file
    qToLittleEndian<quint32>(0x00FFFFF0u, sayfa.data() + tanim * kSayfa + 55);
    QTest::newRow("usage map on an absurd page") << sayfa;
    QByteArray harita = iyi;  // an inline map whose pages run past 2^31
    const int haritaYeri =
        qFromLittleEndian<quint16>(harita.constData() + (tanim + 1) * kSayfa + 14);
    qToLittleEndian<quint32>(0xFFFFFFF0u, harita.data() + (tanim + 1) * kSayfa + haritaYeri + 1);
    QTest::newRow("usage map wrapping round") << harita;
    QByteArray sutun = iyi;
    qToLittleEndian<quint16>(4000, sutun.data() + tanim * kSayfa + 45);
    QTest::newRow("4000 columns") << sutun;
    QByteArray indeks = iyi;
    qToLittleEndian<quint32>(0x80000000u, indeks.data() + tanim * kSayfa + 51);
    QTest::newRow("negative index count") << indeks;
    QByteArray katalog = iyi;
    katalog[2 * kSayfa] = 0x01;
    QTest::newRow("catalogue page not a definition") << katalog;
}

void TstJetDosyasi::bozukDosyalar() {
    QFETCH(QByteArray, icerik);
    const QString yol = yaz(dizin, QStringLiteral("bozuk.mdb"), icerik);
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::TabloOku(yol, QStringLiteral("Carikart")));
}

// What the reading child sends must arrive whole: a record cut anywhere,
// even between two rows, is refused rather than taken for a shorter table.
void TstJetDosyasi::kesikOkumaSonucu() {
    Jet::Dogrudan::Kaynak k;
    k.veri = Yaz(sirketDosyasi());
    k.bellekte = true;
    const QByteArray ham = Jet::Dogrudan::TabloHam(k, QStringLiteral("Carikart"), {});
    QCOMPARE(Jet::Dogrudan::HamCoz(ham).satirlar.size(), 3);
    for (int n = 0; n < ham.size(); n += 7)
        QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::Dogrudan::HamCoz(ham.left(n)));
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::Dogrudan::HamCoz(ham + 'x'));
}

// The definition's row count comes from the file: a huge one is damage to
// report, not a size to allocate (found by the byte sweep of the fuzz folder).
void TstJetDosyasi::abartiliSatirSayisi() {
    Jet::Dogrudan::Kaynak k;
    k.veri = Yaz(sirketDosyasi());
    k.bellekte = true;
    qToLittleEndian<quint32>(0x7F000000u, k.veri.data() + tanimSayfasi(k.veri) * kSayfa + 16);
    QVERIFY_THROWS_EXCEPTION(DbHatasi, Jet::Dogrudan::TabloOku(k, QStringLiteral("Carikart"), {}));
}

QTEST_GUILESS_MAIN(TstJetDosyasi)
#include "tst_jetdosyasi.moc"
