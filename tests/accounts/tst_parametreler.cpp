#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "dosyasecimi.h"
#include "hesaportam.h"
#include "logo.h"
#include "mesaj.h"
#include "radyogrubu.h"
#include "tdssunucu.h"
#include "tfparametreler.h"

using Yanit = TdsSunucu::Yanit;

namespace {

const QVariantMap kOnceki = {{QStringLiteral("kulisim"), QStringLiteral("Ayşe Öztürk")},
                             {QStringLiteral("kulsirket"), QStringLiteral("Çınar Ltd.")},
                             {QStringLiteral("Eposta"), QStringLiteral("ayse@ornek.com.tr")},
                             {QStringLiteral("Ticserver"), QStringLiteral("SRV01")},
                             {QStringLiteral("Ticveritab"), QStringLiteral("LOGODB")},
                             {QStringLiteral("Ticuser"), QStringLiteral("sa")},
                             {QStringLiteral("Ticpass"), QStringLiteral("eski")},
                             {QStringLiteral("Ticsirket"), QStringLiteral("001")},
                             {QStringLiteral("Ticdonem"), QStringLiteral("2024")}};

const QStringList kBaglantiSutunlari = {"Ticsirket", "Ticserver", "Ticveritab",
                                        "Ticuser",   "Ticpass",   "Ticdonem"};

template <typename T>
T* bul(QWidget* w, const char* ad) {
    T* c = w->findChild<T*>(QLatin1String(ad));
    if (!c) qFatal("no %s", ad);
    return c;
}

QLineEdit* e(QWidget* w, const char* ad) {
    return bul<QLineEdit>(w, ad);
}
QLineEdit* zafoAlani(QWidget* w) {
    return bul<DosyaAlani>(w, "EZafosirket")->alan();
}

MesajTest::Kayit tekMesaj() {
    if (MesajTest::Gosterilenler().size() != 1)
        return {QStringLiteral("<%1 messages>").arg(MesajTest::Gosterilenler().size()), 0, 0};
    return MesajTest::Gosterilenler().first();
}

QMap<QString, QVariant> baglantiDegerleri(HesapOrtami& o) {
    QMap<QString, QVariant> m;
    for (const QString& s : kBaglantiSutunlari) m[s] = o.param(s);
    return m;
}

}  // namespace

class TstParametreler : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        MesajTest::Etkinlestir();
        DosyaSecimi::Test::Etkinlestir();
    }
    void init() {
        MesajTest::Temizle();
        DosyaSecimi::Test::Temizle();
    }

    void gorunum();
    void yukleme_data();
    void yukleme();
    void turSecimiGrubuGosterir();
    void kaydetme_data();
    void kaydetme();
    void cikisKaydetmez();
    void sigmayanMetinPencereyiKapatmaz();
    void zafoKontrol_data();
    void zafoKontrol();
    void logoKontrol_data();
    void logoKontrol();
    void dosyaSecimi();
};

void TstParametreler::gorunum() {
    HesapOrtami o;
    TFParametreler d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Çalışma Parametreleri ..."));
    QCOMPARE(d.size(), QSize(501, 351));
    // Every field is reached through its label.
    const QList<QLabel*> etiketler = d.findChildren<QLabel*>();
    for (QLineEdit* alan : d.findChildren<QLineEdit*>()) {
        const bool var = std::any_of(etiketler.begin(), etiketler.end(),
                                     [alan](QLabel* l) { return l->buddy() == alan; });
        QVERIFY2(var, qPrintable(alan->objectName()));
    }
    auto* grup = bul<RadyoGrubu>(&d, "ETicariprogram");
    QCOMPARE(grup->title(), QStringLiteral(" Cari Kart Bağlantısı "));
    QCOMPARE(grup->oge(0)->text(), QStringLiteral("Bağlantı Yok"));
    QCOMPARE(grup->oge(1)->text(), QStringLiteral("Zafo Yazılım Ürünleri"));
    QCOMPARE(grup->oge(2)->text(), QStringLiteral("Logo Yazılım Ürünleri"));
    QCOMPARE(bul<QGroupBox>(&d, "GrZafo")->title(), QStringLiteral(" Zafo Cari Bağlantısı "));
    QCOMPARE(bul<QGroupBox>(&d, "GrLogo")->title(), QStringLiteral(" Logo Cari Bağlantısı "));
    QCOMPARE(e(&d, "Eisim")->maxLength(), 30);
    QCOMPARE(e(&d, "ESirket")->maxLength(), 30);
    QCOMPARE(e(&d, "EPosta")->maxLength(), 50);
    QCOMPARE(zafoAlani(&d)->maxLength(), 255);
    QCOMPARE(e(&d, "ELogosifre")->echoMode(), QLineEdit::Normal);
    QCOMPARE(bul<QPushButton>(&d, "BKaydet")->text(), QStringLiteral("Kaydet"));
    QCOMPARE(bul<QPushButton>(&d, "BCikis")->text(), QStringLiteral("Çıkış"));
    QCOMPARE(bul<QPushButton>(&d, "SKontrolet")->text(), QStringLiteral("Kontrol Et"));
    QCOMPARE(bul<QPushButton>(&d, "BLogokontrol")->text(), QStringLiteral("Kontrol Et"));
}

void TstParametreler::yukleme_data() {
    QTest::addColumn<QVariant>("tur");
    QTest::addColumn<int>("indeks");
    QTest::newRow("NULL (upgraded file)") << QVariant() << 0;
    QTest::newRow("0") << QVariant(0) << 0;
    QTest::newRow("1") << QVariant(1) << 1;
    QTest::newRow("2") << QVariant(2) << 2;
    QTest::newRow("above 2: the last item") << QVariant(7) << 2;
    QTest::newRow("negative: no link") << QVariant(-1) << 0;
}

// Only the stored kind's fields are filled; the other kind's start empty.
void TstParametreler::yukleme() {
    QFETCH(QVariant, tur);
    QFETCH(int, indeks);
    HesapOrtami o;
    o.params(kOnceki);
    o.params({{QStringLiteral("Ticprogram"), tur}});
    TFParametreler d;
    d.show();
    QCOMPARE(e(&d, "Eisim")->text(), QStringLiteral("Ayşe Öztürk"));
    QCOMPARE(e(&d, "ESirket")->text(), QStringLiteral("Çınar Ltd."));
    QCOMPARE(e(&d, "EPosta")->text(), QStringLiteral("ayse@ornek.com.tr"));
    QCOMPARE(bul<RadyoGrubu>(&d, "ETicariprogram")->itemIndex(), indeks);
    QCOMPARE(bul<QGroupBox>(&d, "GrZafo")->isVisible(), indeks == 1);
    QCOMPARE(bul<QGroupBox>(&d, "GrLogo")->isVisible(), indeks == 2);
    QCOMPARE(zafoAlani(&d)->text(), indeks == 1 ? QStringLiteral("001") : QString());
    QCOMPARE(e(&d, "ELogosirket")->text(), indeks == 2 ? QStringLiteral("001") : QString());
    QCOMPARE(e(&d, "ELogoserver")->text(), indeks == 2 ? QStringLiteral("SRV01") : QString());
    QCOMPARE(e(&d, "ELogoveritab")->text(), indeks == 2 ? QStringLiteral("LOGODB") : QString());
    QCOMPARE(e(&d, "ELogokullanici")->text(), indeks == 2 ? QStringLiteral("sa") : QString());
    QCOMPARE(e(&d, "ELogosifre")->text(), indeks == 2 ? QStringLiteral("eski") : QString());
}

void TstParametreler::turSecimiGrubuGosterir() {
    HesapOrtami o;
    TFParametreler d;
    d.show();
    auto* grup = bul<RadyoGrubu>(&d, "ETicariprogram");
    auto* zafo = bul<QGroupBox>(&d, "GrZafo");
    auto* logo = bul<QGroupBox>(&d, "GrLogo");
    QTest::mouseClick(grup->oge(2), Qt::LeftButton);
    QVERIFY(logo->isVisible() && !zafo->isVisible());
    QTest::mouseClick(grup->oge(1), Qt::LeftButton);
    QVERIFY(zafo->isVisible() && !logo->isVisible());
    QTest::mouseClick(grup->oge(0), Qt::LeftButton);
    QVERIFY(!zafo->isVisible() && !logo->isVisible());
}

void TstParametreler::kaydetme_data() {
    QTest::addColumn<int>("tur");
    QTest::addColumn<QStringList>(
        "beklenen");  // Ticsirket, Ticserver, Ticveritab, Ticuser, Ticpass, Ticdonem
    QTest::newRow("no link empties all six") << 0 << QStringList{"", "", "", "", "", ""};
    QTest::newRow("company file") << 1
                                  << QStringList{"/veri/prodata/ŞİRKET.MDB", "", "", "", "", ""};
    QTest::newRow("ERP") << 2
                         << QStringList{"002", "YENİSRV\\LOGO", "GOLD", "muhasebe", "şifre;1", ""};
}

// Whatever was stored, the link columns the chosen kind does not use become
// empty texts (not NULL), the period is emptied, and the user's details stay.
void TstParametreler::kaydetme() {
    QFETCH(int, tur);
    QFETCH(QStringList, beklenen);
    HesapOrtami o;
    o.params(kOnceki);
    o.params({{QStringLiteral("Ticprogram"), 2}});
    TFParametreler d;
    d.show();
    e(&d, "Eisim")->setText(QStringLiteral("Ali Işık"));
    QTest::mouseClick(bul<RadyoGrubu>(&d, "ETicariprogram")->oge(tur), Qt::LeftButton);
    zafoAlani(&d)->setText(QStringLiteral("/veri/prodata/ŞİRKET.MDB"));
    e(&d, "ELogoserver")->setText(QStringLiteral("YENİSRV\\LOGO"));
    e(&d, "ELogoveritab")->setText(QStringLiteral("GOLD"));
    e(&d, "ELogokullanici")->setText(QStringLiteral("muhasebe"));
    e(&d, "ELogosifre")->setText(QStringLiteral("şifre;1"));
    e(&d, "ELogosirket")->setText(QStringLiteral("002"));
    bul<QPushButton>(&d, "BKaydet")->click();
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    QCOMPARE(d.result(), 1);
    QVERIFY(!d.isVisible());

    QCOMPARE(o.param(QStringLiteral("Ticprogram")).toInt(), tur);
    QCOMPARE(o.param(QStringLiteral("kulisim")).toString(), QStringLiteral("Ali Işık"));
    QCOMPARE(o.param(QStringLiteral("kulsirket")).toString(), QStringLiteral("Çınar Ltd."));
    QCOMPARE(o.param(QStringLiteral("Eposta")).toString(), QStringLiteral("ayse@ornek.com.tr"));
    for (int i = 0; i < kBaglantiSutunlari.size(); ++i) {
        const QVariant v = o.param(kBaglantiSutunlari[i]);
        QVERIFY2(!v.isNull(), qPrintable(kBaglantiSutunlari[i]));
        QCOMPARE(v.toString(), beklenen[i]);
    }
}

// "Çıkış", even after a successful test, stores nothing.
void TstParametreler::cikisKaydetmez() {
    HesapOrtami o;
    o.params(kOnceki);
    o.params({{QStringLiteral("Ticprogram"), 2}});
    TdsSunucu sunucu;
    sunucu.setYanitlayici([](const QString&) { return Yanit::Sonuc(LogoCariSutunlari(), {}); });
    const auto once = baglantiDegerleri(o);
    TFParametreler d;
    d.show();
    e(&d, "ELogoserver")->setText(QStringLiteral("127.0.0.1,%1").arg(sunucu.port()));
    e(&d, "Eisim")->setText(QStringLiteral("Başka"));
    bul<QPushButton>(&d, "BLogokontrol")->click();
    QCOMPARE(tekMesaj().metin,
             QStringLiteral("Logo bilgileri doğru girilmiş. Şimdi kayıt edebilirsiniz."));
    bul<QPushButton>(&d, "BCikis")->click();
    QCOMPARE(d.result(), -1);
    QCOMPARE(baglantiDegerleri(o), once);
    QCOMPARE(o.param(QStringLiteral("kulisim")).toString(), QStringLiteral("Ayşe Öztürk"));
    QCOMPARE(o.param(QStringLiteral("Ticprogram")).toInt(), 2);
}

// A server name longer than its column cannot be stored: the error is shown,
// nothing is written, and the window stays open with the user's edits.
void TstParametreler::sigmayanMetinPencereyiKapatmaz() {
    HesapOrtami o;
    o.params(kOnceki);
    o.params({{QStringLiteral("Ticprogram"), 2}});
    const auto once = baglantiDegerleri(o);
    TFParametreler d;
    d.show();
    e(&d, "ELogoserver")->setText(QString(60, QLatin1Char('s')));
    bul<QPushButton>(&d, "BKaydet")->click();
    QCOMPARE(tekMesaj().tur, -1);
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);
    QCOMPARE(e(&d, "ELogoserver")->text(), QString(60, QLatin1Char('s')));
    QCOMPARE(baglantiDegerleri(o), once);
}

void TstParametreler::zafoKontrol_data() {
    QTest::addColumn<QString>("durum");
    QTest::addColumn<QString>("mesaj");
    const QString secin = QStringLiteral(
        "Lütfen Zafo programının yüklü olduğu dizindeki prodata altından çalıştığınız şirket "
        "dosyasını seçiniz !..");
    const QString yanlis = QStringLiteral("Lütfen Zafo şirketini doğru seçiniz !..");
    QTest::newRow("empty path") << "bos" << secin;
    QTest::newRow("no such file") << "yok" << yanlis;
    QTest::newRow("random bytes") << "rastgele" << yanlis;
    QTest::newRow("truncated") << "kesik" << yanlis;
    QTest::newRow("absurd page numbers") << "sayfalar" << yanlis;
    QTest::newRow("no card table") << "tablo yok" << yanlis;
    QTest::newRow("right file, any extension")
        << "dogru" << QStringLiteral("Zafo şirketi doğru seçilmiş. Şimdi kayıt edebilirsiniz.");
}

void TstParametreler::zafoKontrol() {
    QFETCH(QString, durum);
    QFETCH(QString, mesaj);
    HesapOrtami o;
    const QByteArray iyi = SirketDosyasi(CariKartTablosu({{1, "C1", QStringLiteral("Ağaç")}}));
    QString yol = o.yol(QStringLiteral("sirket.zfd"));
    if (durum == "bos") yol.clear();
    if (durum == "rastgele") o.dosya(QStringLiteral("sirket.zfd"), QByteArray(9000, '\x5A'));
    if (durum == "kesik") o.dosya(QStringLiteral("sirket.zfd"), iyi.left(JetYazici::kSayfa + 17));
    if (durum == "sayfalar") {
        // Every page number in the catalogue's page points far past the file's end.
        QByteArray b = iyi;
        for (int i = 2 * JetYazici::kSayfa + 8; i + 4 < 3 * JetYazici::kSayfa; i += 4)
            if (b[i] == 0 && b[i + 1] == 0 && b[i + 2] == 0 && b[i + 3] != 0) b[i + 3] = '\x7F';
        o.dosya(QStringLiteral("sirket.zfd"), b);
    }
    if (durum == "tablo yok") {
        JetYazici::Tablo t = CariKartTablosu({});
        t.ad = QStringLiteral("Stoklar");
        o.dosya(QStringLiteral("sirket.zfd"), SirketDosyasi(t));
    }
    if (durum == "dogru") o.dosya(QStringLiteral("sirket.zfd"), iyi);

    TFParametreler d;
    d.show();
    QTest::mouseClick(bul<RadyoGrubu>(&d, "ETicariprogram")->oge(1), Qt::LeftButton);
    zafoAlani(&d)->setText(yol);
    bul<QPushButton>(&d, "SKontrolet")->click();
    const MesajTest::Kayit k = tekMesaj();
    QCOMPARE(k.metin, mesaj);
    QCOMPARE(k.tur, int(MesajTest::Hata));
    QCOMPARE(k.numara, 0);
    QVERIFY(d.isVisible());
}

void TstParametreler::logoKontrol_data() {
    QTest::addColumn<QString>("durum");
    QTest::addColumn<QString>("firma");
    QTest::addColumn<QString>("mesaj");
    QTest::addColumn<int>("tur");
    QTest::addColumn<QString>("tablo");  // the FROM line the server must have received
    const QString tablo =
        QStringLiteral("Logo cari kart tablosu açılamadı. Bilgilerinizi kontrol ediniz !..");
    QTest::newRow("right") << ""
                           << "001"
                           << "Logo bilgileri doğru girilmiş. Şimdi kayıt edebilirsiniz." << 1
                           << "FROM [LG_001_CLCARD]";
    QTest::newRow("login refused")
        << "red"
        << "001"
        << "Lütfen Logo bağlantı bilgilerini doğru giriniz !.." << 1 << "";
    QTest::newRow("nobody listening")
        << "kapali"
        << "001"
        << "Lütfen Logo bağlantı bilgilerini doğru giriniz !.." << 1 << "";
    QTest::newRow("no such firm") << ""
                                  << "002" << tablo << 2 << "FROM [LG_002_CLCARD]";
    QTest::newRow("firm with a blank") << ""
                                       << " 001" << tablo << 2 << "FROM [LG_ 001_CLCARD]";
    QTest::newRow("firm with a bracket")
        << ""
        << "001]; DROP TABLE X--" << tablo << 2 << "FROM [LG_001]]; DROP TABLE X--_CLCARD]";
}

void TstParametreler::logoKontrol() {
    QFETCH(QString, durum);
    QFETCH(QString, firma);
    QFETCH(QString, mesaj);
    QFETCH(int, tur);
    QFETCH(QString, tablo);
    HesapOrtami o;
    auto sunucu = std::make_unique<TdsSunucu>();
    const quint16 port = sunucu->port();
    sunucu->setGirisReddet(durum == "red");
    sunucu->setYanitlayici([](const QString& sql) {
        if (sql.contains(QLatin1String("\nFROM [LG_001_CLCARD]\n")))
            return Yanit::Sonuc(LogoCariSutunlari(), {});
        return Yanit::Hata(208, QStringLiteral("Invalid object name."));
    });
    if (durum == "kapali") sunucu.reset();

    TFParametreler d;
    d.show();
    QTest::mouseClick(bul<RadyoGrubu>(&d, "ETicariprogram")->oge(2), Qt::LeftButton);
    e(&d, "ELogoserver")->setText(QStringLiteral("127.0.0.1,%1").arg(port));
    e(&d, "ELogoveritab")->setText(QStringLiteral("LOGODB"));
    e(&d, "ELogokullanici")->setText(QStringLiteral("sa"));
    e(&d, "ELogosifre")->setText(QStringLiteral("gizli"));
    e(&d, "ELogosirket")->setText(firma);
    bul<QPushButton>(&d, "BLogokontrol")->click();
    const MesajTest::Kayit k = tekMesaj();
    QCOMPARE(k.metin, mesaj);
    QCOMPARE(k.tur, tur);
    QCOMPARE(k.numara, 0);
    if (sunucu) {
        const QStringList sorgular = sunucu->sorgular();
        if (tablo.isEmpty()) {
            QVERIFY(sorgular.isEmpty());
        } else {
            QCOMPARE(sorgular.size(), 1);
            QCOMPARE(sorgular.first(), Logo::KontrolSorgusu(firma).join(QLatin1Char('\n')));
            QCOMPARE(sorgular.first().section(QLatin1Char('\n'), 2, 2), tablo);
        }
    }
}

// The file button asks through the dialog door, starting in the program's
// prodata folder, and takes the chosen file; a cancel keeps what was there.
void TstParametreler::dosyaSecimi() {
    HesapOrtami o;
    QVERIFY(QDir(o.dizin.path()).mkpath(QStringLiteral("Zafo/prodata")));
    o.params({{QStringLiteral("progdizin"), o.yol(QStringLiteral("Zafo"))},
              {QStringLiteral("Ticprogram"), 1}});
    TFParametreler d;
    d.show();
    auto* dugme =
        bul<DosyaAlani>(&d, "EZafosirket")->findChild<QPushButton*>(QStringLiteral("DosyaSec"));
    QVERIFY(dugme);
    const QString secilen = o.yol(QStringLiteral("Zafo/prodata/sirket01.mdb"));
    DosyaSecimi::Test::CevapEkle(secilen);
    dugme->click();
    QCOMPARE(DosyaSecimi::Test::SonKlasor(), o.yol(QStringLiteral("Zafo/prodata")));
    QCOMPARE(zafoAlani(&d)->text(), secilen);
    dugme->click();  // cancelled
    QCOMPARE(DosyaSecimi::Test::SoruSayisi(), 2);
    QCOMPARE(zafoAlani(&d)->text(), secilen);
}

QTEST_MAIN(TstParametreler)
#include "tst_parametreler.moc"
