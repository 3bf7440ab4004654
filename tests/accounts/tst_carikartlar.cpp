#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QtTest>

#include "cariler.h"
#include "carimodeli.h"
#include "hesaportam.h"
#include "logo.h"
#include "mesaj.h"
#include "moduller.h"
#include "sorgu.h"
#include "tdssunucu.h"
#include "tfcarikartlar.h"
#include "tfparametreler.h"
#include "umainform.h"
#include "yerlesim.h"

using Yanit = TdsSunucu::Yanit;

namespace {

const QString kGuncelDegil = QStringLiteral("Program sürümü güncel değil !..");
const QString kBaglantiYok =
    QStringLiteral("Lütfen önce parametrelerden ticari program bilgilerinizi güncelleyiniz !..");
const QString kZafoAcilmadi =
    QStringLiteral("Zafo veritabanı açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");
const QString kZafoTablo = QStringLiteral(
    "Zafo cari kart tablosu açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");
const QString kLogoAcilmadi =
    QStringLiteral("Logo veritabanı açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");
const QString kLogoTablo = QStringLiteral(
    "Logo cari kart tablosu açılamadı. Parametrelerden ayarlarınızı kontrol ediniz !..");

QVariantList kart(int no, const QVariant& unvan, const QVariant& sehir = QStringLiteral("İzmir")) {
    return {no,
            QStringLiteral("120.%1").arg(no),
            unvan,
            QStringLiteral("Işıl Güneş"),
            QStringLiteral("Adr1"),
            QString(""),
            QVariant(),
            sehir,
            QStringLiteral("0232 1"),
            QVariant(),
            QStringLiteral("0232 9"),
            QStringLiteral("Karşıyaka"),
            QStringLiteral("V%1").arg(no)};
}

// The grid's text of a row, column by column, as the user reads it.
QStringList satirMetni(const QAbstractItemModel* m, int satir) {
    QStringList s;
    for (int c = 0; c < m->columnCount(); ++c) s << m->index(satir, c).data().toString();
    return s;
}

QVariantMap logoParams(const TdsSunucu& s, const QString& firma = QStringLiteral("001")) {
    return {{QStringLiteral("Ticprogram"), 2},
            {QStringLiteral("Ticserver"), QStringLiteral("127.0.0.1,%1").arg(s.port())},
            {QStringLiteral("Ticveritab"), QStringLiteral("LOGODB")},
            {QStringLiteral("Ticuser"), QStringLiteral("sa")},
            {QStringLiteral("Ticpass"), QStringLiteral("gizli")},
            {QStringLiteral("Ticsirket"), firma}};
}

}  // namespace

class TstCarikartlar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MesajTest::Etkinlestir(); }
    void init() { MesajTest::Temizle(); }

    void uyarilar_data();
    void uyarilar();
    void paramsOkunamazsaHataGosterilir();
    void zafoKartlariTurkceSirada();
    void logoKartlari();
    void bosListeMesajsiz();
    void yenidenGosterilinceOkunmaz();
    void basliklarVeYerlesim();
    void escKapatir();
    void anaPencereden();
};

void TstCarikartlar::uyarilar_data() {
    QTest::addColumn<QString>("durum");
    QTest::addColumn<QString>("uyari");
    QTest::newRow("Ticprogram NULL") << "null" << kBaglantiYok;
    QTest::newRow("Ticprogram 0") << "0" << kBaglantiYok;
    QTest::newRow("Ticprogram 3") << "3" << QString();
    QTest::newRow("link columns missing") << "eski surum" << kGuncelDegil;
    QTest::newRow("no company file") << "dosya yok" << kZafoAcilmadi;
    QTest::newRow("random bytes") << "rastgele" << kZafoAcilmadi;
    QTest::newRow("truncated company file") << "kesik" << kZafoAcilmadi;
    QTest::newRow("no card table") << "tablo yok" << kZafoTablo;
    QTest::newRow("card table lacks Vergi_No") << "sutun eksik" << kZafoTablo;
    QTest::newRow("login refused") << "giris red" << kLogoAcilmadi;
    QTest::newRow("no such firm") << "firma yok" << kLogoTablo;
}

// Every failure leaves the window open with an empty list and one warning.
void TstCarikartlar::uyarilar() {
    QFETCH(QString, durum);
    QFETCH(QString, uyari);
    HesapOrtami o;
    TdsSunucu sunucu;
    sunucu.setYanitlayici([](const QString&) {
        return Yanit::Hata(208, QStringLiteral("Invalid object name 'LG_002_CLCARD'."));
    });
    const QString zafo = o.yol(QStringLiteral("sirket.mdb"));
    const QByteArray iyi = SirketDosyasi(CariKartTablosu({kart(1, QStringLiteral("Ağaç"))}));
    if (durum == "null") o.params({{QStringLiteral("Ticprogram"), QVariant()}});
    if (durum == "0") o.params({{QStringLiteral("Ticprogram"), 0}});
    if (durum == "3")
        o.params({{QStringLiteral("Ticprogram"), 3}, {QStringLiteral("Ticsirket"), zafo}});
    if (durum == "eski surum") {
        o.params({{QStringLiteral("Ticprogram"), 1}});
        QVERIFY_THROWS_NO_EXCEPTION(
            o.dm.DB_Zafo.Calistir(QStringLiteral("Alter Table Params Drop Column Ticdonem")));
    }
    if (durum == "dosya yok" || durum == "rastgele" || durum == "kesik" || durum == "tablo yok" ||
        durum == "sutun eksik")
        o.params({{QStringLiteral("Ticprogram"), 1}, {QStringLiteral("Ticsirket"), zafo}});
    if (durum == "rastgele") {
        QByteArray b(20000, '\0');
        for (int i = 0; i < b.size(); ++i) b[i] = char((i * 7919 + 13) & 0xFF);
        o.dosya(QStringLiteral("sirket.mdb"), b);
    }
    if (durum == "kesik")
        o.dosya(QStringLiteral("sirket.mdb"), iyi.left(2 * JetYazici::kSayfa + 100));
    if (durum == "tablo yok") {
        JetYazici::Tablo baska = CariKartTablosu({kart(1, QStringLiteral("Ağaç"))});
        baska.ad = QStringLiteral("Cariler");
        o.dosya(QStringLiteral("sirket.mdb"), SirketDosyasi(baska));
    }
    if (durum == "sutun eksik")
        o.dosya(QStringLiteral("sirket.mdb"),
                SirketDosyasi(CariKartTablosu({kart(1, QStringLiteral("Ağaç"))},
                                              QStringLiteral("Vergi_No"))));
    if (durum == "giris red") {
        sunucu.setGirisReddet(true);
        o.params(logoParams(sunucu));
    }
    if (durum == "firma yok") o.params(logoParams(sunucu, QStringLiteral("002")));

    TFCarikartlar w;
    w.show();
    QCOMPARE(w.model()->rowCount(), 0);
    if (uyari.isEmpty()) {
        QVERIFY(MesajTest::Gosterilenler().isEmpty());
    } else {
        QCOMPARE(MesajTest::Gosterilenler().size(), 1);
        const MesajTest::Kayit k = MesajTest::Gosterilenler().first();
        QCOMPARE(k.metin, uyari);
        QCOMPARE(k.tur, int(MesajTest::Uyari));
        QCOMPARE(k.numara, 0);
    }
    QVERIFY(w.isVisible());
}

void TstCarikartlar::paramsOkunamazsaHataGosterilir() {
    HesapOrtami o;
    QVERIFY_THROWS_NO_EXCEPTION(o.dm.DB_Zafo.Calistir(QStringLiteral("Drop Table Params")));
    TFCarikartlar w;
    w.show();
    QCOMPARE(MesajTest::Gosterilenler().size(), 1);
    QCOMPARE(MesajTest::Gosterilenler().first().tur, -1);  // the application's error display
    QCOMPARE(w.model()->rowCount(), 0);
}

// Cards of the company file, whatever their order in the file, come by title
// in Turkish order (a title left NULL first); NULL and the empty text both
// show empty; the file's column names land under the grid's titles.
void TstCarikartlar::zafoKartlariTurkceSirada() {
    HesapOrtami o;
    const QVariant N;
    JetYazici::Tablo t = CariKartTablosu(
        {kart(1, QStringLiteral("İsmail Usta")), kart(2, QStringLiteral("Çetin A.Ş.")),
         kart(3, QStringLiteral("Irmak Ltd.")), kart(4, N), kart(5, QStringLiteral("Cem Yapı")),
         kart(6, QStringLiteral("ışık")), kart(7, QStringLiteral("Zeytin"), N),
         kart(8, QStringLiteral("Şule"))});
    // Titles in the plain two-byte form as well as the compressed one.
    t.sutunlar[2].sikistir = false;
    const QString yol = o.dosya(QStringLiteral("sirket.dat"), SirketDosyasi(t));
    o.params({{QStringLiteral("Ticprogram"), 1}, {QStringLiteral("Ticsirket"), yol}});

    TFCarikartlar w;
    w.show();
    QVERIFY2(MesajTest::Gosterilenler().isEmpty(),
             qPrintable(MesajTest::Gosterilenler().value(0).metin));
    const CariModeli* m = w.model();
    QAbstractItemModelTester tester(w.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(m->rowCount(), 8);
    QStringList unvanlar;
    for (int r = 0; r < m->rowCount(); ++r) unvanlar << m->index(r, 1).data().toString();
    QCOMPARE(unvanlar, QStringList({"", "Cem Yapı", "Çetin A.Ş.", "Irmak Ltd.", "ışık",
                                    "İsmail Usta", "Şule", "Zeytin"}));
    // Cari Kod, Ünvan, Yetkili, Adres-1..3, Şehir, Telefon-1..2, Faks, Vergi Dairesi, Vergi No
    QCOMPARE(satirMetni(m, 1), QStringList({"120.5", "Cem Yapı", "Işıl Güneş", "Adr1", "", "",
                                            "İzmir", "0232 1", "", "0232 9", "Karşıyaka", "V5"}));
    // Both show empty, but the empty text and NULL stay apart (Adres2 '', Adres3 NULL).
    QCOMPARE(m->index(1, 4).data(), QVariant(QString("")));
    QCOMPARE(m->index(1, 5).data(), QVariant());
    QCOMPARE(m->index(7, 6).data(), QVariant());  // Zeytin's city is NULL
}

// The ERP's cards: the city under "Adres-3", "Yetkili" and "Şehir" empty; the
// list comes in the server's order, which the statement asks to be by title.
void TstCarikartlar::logoKartlari() {
    HesapOrtami o;
    TdsSunucu sunucu;
    sunucu.setYanitlayici([](const QString& sql) {
        if (!sql.contains(QLatin1String("FROM [LG_001_CLCARD]")))
            return Yanit::Hata(208, QStringLiteral("Invalid object name."));
        return Yanit::Sonuc(
            LogoCariSutunlari(),
            {{11, QStringLiteral("120.01"), QStringLiteral("Çağlar Işık Ltd. Şti."),
              QStringLiteral("Gül Sk. 5"), QString(), QStringLiteral("İZMİR"),
              QStringLiteral("0232 111"), QVariant(), QStringLiteral("0232 112"),
              QStringLiteral("1234567890"), QStringLiteral("Karşıyaka")},
             {12, QStringLiteral("120.02"), QStringLiteral("Ödemiş Gıda"), QVariant(), QVariant(),
              QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}});
    });
    o.params(logoParams(sunucu));
    TFCarikartlar w;
    w.show();
    QVERIFY2(MesajTest::Gosterilenler().isEmpty(),
             qPrintable(MesajTest::Gosterilenler().value(0).metin));
    QCOMPARE(sunucu.sorgular(),
             QStringList(Logo::CariSorgusu(QStringLiteral("001")).join(QLatin1Char('\n'))));
    const CariModeli* m = w.model();
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(satirMetni(m, 0),
             QStringList({"120.01", "Çağlar Işık Ltd. Şti.", "", "Gül Sk. 5", "", "İZMİR", "",
                          "0232 111", "", "0232 112", "Karşıyaka", "1234567890"}));
    QCOMPARE(satirMetni(m, 1)[1], QStringLiteral("Ödemiş Gıda"));
    const QList<TdsSunucu::Giris> girisler = sunucu.girisler();
    QCOMPARE(girisler.size(), 1);
    QCOMPARE(girisler[0].veritabani, QStringLiteral("LOGODB"));
    QCOMPARE(girisler[0].kullanici, QStringLiteral("sa"));
    QCOMPARE(girisler[0].sifre, QStringLiteral("gizli"));
}

void TstCarikartlar::bosListeMesajsiz() {
    HesapOrtami o;
    const QString yol = o.dosya(QStringLiteral("sirket.mdb"), SirketDosyasi(CariKartTablosu({})));
    o.params({{QStringLiteral("Ticprogram"), 1}, {QStringLiteral("Ticsirket"), yol}});
    TFCarikartlar w;
    w.show();
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    QCOMPARE(w.model()->rowCount(), 0);
}

// The list is a snapshot of the first showing.
void TstCarikartlar::yenidenGosterilinceOkunmaz() {
    HesapOrtami o;
    TdsSunucu sunucu;
    sunucu.setYanitlayici([](const QString&) { return Yanit::Sonuc(LogoCariSutunlari(), {}); });
    o.params(logoParams(sunucu));
    TFCarikartlar w;
    w.show();
    w.hide();
    w.show();
    QCOMPARE(sunucu.sorgular().size(), 1);
}

void TstCarikartlar::basliklarVeYerlesim() {
    HesapOrtami o;
    o.params({{QStringLiteral("Ticprogram"), 0}});
    QPointer<TFCarikartlar> w = new TFCarikartlar;
    QCOMPARE(w->windowTitle(), QStringLiteral("Cari Hesaplar ..."));
    QCOMPARE(w->objectName(), QStringLiteral("FCarikartlar"));
    auto* grid = w->findChild<QTableView*>(QStringLiteral("DbAdresler"));
    QVERIFY(grid);
    QVERIFY(grid->editTriggers() == QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    const QStringList basliklar = {"Cari Kod",  "Ünvan",   "Yetkili",       "Adres-1",
                                   "Adres-2",   "Adres-3", "Şehir",         "Telefon-1",
                                   "Telefon-2", "Faks",    "Vergi Dairesi", "Vergi No"};
    const QList<int> genislikler = {79, 154, 97, 109, 117, 107, 99, 104, 107, 69, 99, 89};
    for (int c = 0; c < basliklar.size(); ++c) {
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), basliklar[c]);
        QCOMPARE(grid->horizontalHeader()->sectionSize(c), genislikler[c]);
    }
    auto* cikis = w->findChild<QPushButton*>(QStringLiteral("BCikis"));
    QVERIFY(cikis);
    QCOMPARE(cikis->text(), QStringLiteral("Çıkış - Esc"));

    // The column layout the user leaves is there the next time.
    w->show();
    grid->horizontalHeader()->resizeSection(1, 300);
    cikis->click();
    QTRY_VERIFY(w.isNull());
    QVERIFY(QFile::exists(Yerlesim::DosyaYolu(QStringLiteral("Kovimaro"))));
    QSettings ayar(Yerlesim::DosyaYolu(QStringLiteral("Kovimaro")), QSettings::IniFormat);
    QVERIFY(ayar.childGroups().contains(QStringLiteral("Carikartlar")));
    TFCarikartlar yeni;
    yeni.show();
    QCOMPARE(yeni.findChild<QTableView*>(QStringLiteral("DbAdresler"))
                 ->horizontalHeader()
                 ->sectionSize(1),
             300);
}

void TstCarikartlar::escKapatir() {
    HesapOrtami o;
    o.params({{QStringLiteral("Ticprogram"), 0}});
    QPointer<TFCarikartlar> w = new TFCarikartlar;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    w->findChild<QTableView*>(QStringLiteral("DbAdresler"))->setFocus();
    QTest::keyClick(w->findChild<QTableView*>(QStringLiteral("DbAdresler")), Qt::Key_Escape);
    QTRY_VERIFY(w.isNull());
}

// From the main window: the viewer opens once and a second opening brings
// the same window forward without reading the list again; the working
// parameters open as a modal dialog of the menu.
void TstCarikartlar::anaPencereden() {
    HesapOrtami o;
    TdsSunucu sunucu;
    sunucu.setYanitlayici([](const QString&) { return Yanit::Sonuc(LogoCariSutunlari(), {}); });
    o.params(logoParams(sunucu));
    ModulleriKaydet();
    TFMainform pencere(o.dm, true);
    pencere.AlertMesajKapat();
    pencere.ProgramiGoster();
    QWidget* ilk = pencere.ModulAc(QStringLiteral("FCARIKARTLAR"));
    QVERIFY(qobject_cast<TFCarikartlar*>(ilk));
    QCOMPARE(pencere.ModulAc(QStringLiteral("FCARIKARTLAR")), ilk);
    QCOMPARE(pencere.mdiAlani()->subWindowList().size(), 1);
    QCOMPARE(sunucu.sorgular().size(), 1);

    bool acildi = false;
    QTimer::singleShot(0, [&acildi] {
        auto* d = qobject_cast<TFParametreler*>(QApplication::activeModalWidget());
        if (!d) return;
        acildi = d->isModal() && d->findChild<QLineEdit*>(QStringLiteral("ELogoserver"))
                                     ->text()
                                     .startsWith(QLatin1String("127.0.0.1,"));
        d->findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    });
    const auto diyalog = TFMainform::Diyaloglar().value(QStringLiteral("TFParametreler"));
    QVERIFY(diyalog);
    diyalog(&pencere);
    QVERIFY(acildi);
}

QTEST_MAIN(TstCarikartlar)
#include "tst_carikartlar.moc"
