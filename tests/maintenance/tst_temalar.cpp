#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

#include "bakimortami.h"
#include "tema.h"
#include "tftemalar.h"
#include "web.h"

namespace {

const QString kIc = QString::fromLatin1(TemaYoneticisi::kIcTema);

void yaz(const QString& yol, const QByteArray& icerik) {
    QDir().mkpath(QFileInfo(yol).path());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(icerik);
}

// A skin folder with a few skins that colour the main window differently.
void temaKlasoru(const QString& klasor) {
    yaz(klasor + QStringLiteral("/Ak.qss"), "QDialog { background: white; }");
    yaz(klasor + QStringLiteral("/Gece.qss"), "QDialog { background: black; }");
    yaz(klasor + QStringLiteral("/Lale/Lale.qss"), "QDialog { background: pink; }");
}

QString kayitliTema(BakimOrtami& o) {
    return o.sutun(QStringLiteral("Select skinname From Params")).value(0);
}

void tikla(QListWidget* liste, const QString& ad) {
    const auto bulunan = liste->findItems(ad, Qt::MatchExactly);
    QVERIFY2(bulunan.size() == 1, qPrintable(ad));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(bulunan.first()).center());
}

}  // namespace

class TstTemalar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void temaListesi_data();
    void temaListesi();
    void klasordekiResimlerinYolu();
    void paletSatiri();
    void acilistaSeciliOgeYok();
    void onizlemeVeGeriAlma();
    void cikisSorusuPencereyiAcikTutar_data();
    void cikisSorusuPencereyiAcikTutar();
    void ayniTemayaTiklamak();
    void kaydet_data();
    void kaydet();
    void uzunTemaAdiHataGosterir();
    void yeniTemaSonrakiAcilistaGorunur();
    void temaIndirmeSayfasi();
    void gelenTemalar_data();
    void gelenTemalar();

private:
    QTemporaryDir klasor_;
};

void TstTemalar::init() {
    QDir(klasor_.path()).removeRecursively();
    QDir().mkpath(klasor_.path());
    temaKlasoru(klasor_.path());
    TemaYoneticisi::Ornek().setKlasor(klasor_.path());
    TemaYoneticisi::Ornek().setAd(kIc);
}

void TstTemalar::temaListesi_data() {
    QTest::addColumn<QStringList>("dosyalar");
    QTest::addColumn<QStringList>("beklenen");
    QTest::newRow("boş klasör") << QStringList() << QStringList{kIc};
    QTest::newRow("dosyalar, klasörler ve ilgisizler")
        << QStringList{QStringLiteral("zeytin.QSS"),           QStringLiteral("Çini/Çini.qss"),
                       QStringLiteral("Çini/desen.png"),       QStringLiteral("Açık.qss"),
                       QStringLiteral("Bulut/tema.qss"),       QStringLiteral("Resimsiz/desen.png"),
                       QStringLiteral("beni-oku.txt"),         QStringLiteral(".gizli.qss"),
                       QStringLiteral("Retro (internal).qss"), QStringLiteral("ısırgan.qss")}
        << QStringList{QStringLiteral("Açık"),
                       QStringLiteral("Bulut"),
                       QStringLiteral("Çini"),
                       QStringLiteral("ısırgan"),
                       kIc,
                       QStringLiteral("zeytin")};
}

void TstTemalar::temaListesi() {
    QFETCH(QStringList, dosyalar);
    QFETCH(QStringList, beklenen);
    QTemporaryDir dizin;
    for (const QString& d : dosyalar) yaz(dizin.filePath(d), "QWidget { color: black; }");
    TemaYoneticisi::Ornek().setKlasor(dizin.path());
    QCOMPARE(TemaYoneticisi::Ornek().Temalar(), beklenen);

    TemaYoneticisi::Ornek().setKlasor(dizin.filePath(QStringLiteral("olmayan")));
    QCOMPARE(TemaYoneticisi::Ornek().Temalar(), QStringList{kIc});
}

void TstTemalar::klasordekiResimlerinYolu() {
    yaz(klasor_.filePath(QStringLiteral("Çini/Çini.qss")),
        "QMdiArea { background: url(desen.png); }\n"
        "QComboBox::down-arrow { image: url(\"resimler/ok.png\"); }\n"
        "QCheckBox::indicator { image: url(:/sabit.png); }");
    const QString metin = TemaYoneticisi::Ornek().StilMetni(QStringLiteral("Çini"));
    const QString kok = QDir(klasor_.filePath(QStringLiteral("Çini"))).absolutePath();
    QVERIFY2(metin.contains(QStringLiteral("url(\"%1/desen.png\")").arg(kok)), qPrintable(metin));
    QVERIFY2(metin.contains(QStringLiteral("url(\"%1/resimler/ok.png\")").arg(kok)),
             qPrintable(metin));
    QVERIFY(metin.contains(QStringLiteral("url(:/sabit.png)")));
}

void TstTemalar::paletSatiri() {
    const QPalette temel(Qt::white);
    const QPalette p = TemaYoneticisi::Palet(
        QStringLiteral("/* @palet Window=#202020 Text=#f0f0f0 Bilinmeyen=#123456 Base=yanlis */\n"
                       "QWidget { color: red; }"),
        temel);
    QCOMPARE(p.color(QPalette::Active, QPalette::Window), QColor(0x20, 0x20, 0x20));
    QCOMPARE(p.color(QPalette::Inactive, QPalette::Text), QColor(0xf0, 0xf0, 0xf0));
    QCOMPARE(p.color(QPalette::Active, QPalette::Base),
             temel.color(QPalette::Active, QPalette::Base));
    QCOMPARE(TemaYoneticisi::Palet(QStringLiteral("QWidget { color: red; }"), temel), temel);
}

void TstTemalar::acilistaSeciliOgeYok() {
    BakimOrtami o;
    TemaYoneticisi::Ornek().setAd(QStringLiteral("Gece"));
    TFTemalar d;
    d.show();
    auto* liste = d.findChild<QListWidget*>(QStringLiteral("Skinlist"));
    QCOMPARE(liste->count(), 4);
    QVERIFY(liste->selectedItems().isEmpty());
    QCOMPARE(d.focusWidget(), liste);
    QVERIFY(!d.degisti());
    QCOMPARE(d.acilistakiTema(), QStringLiteral("Gece"));
}

void TstTemalar::onizlemeVeGeriAlma() {
    BakimOrtami o;
    auto* uyg = qApp;
    const QString acilisStili = uyg->styleSheet();
    TFTemalar d;
    d.show();
    auto* liste = d.findChild<QListWidget*>(QStringLiteral("Skinlist"));
    tikla(liste, QStringLiteral("Ak"));
    QCOMPARE(TemaYoneticisi::Ornek().ad(), QStringLiteral("Ak"));
    QCOMPARE(uyg->styleSheet(), QStringLiteral("QDialog { background: white; }"));
    tikla(liste, QStringLiteral("Lale"));
    QCOMPARE(TemaYoneticisi::Ornek().ad(), QStringLiteral("Lale"));

    MesajTest::CevapEkle(1);
    d.findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    QCOMPARE(MesajTest::Gosterilenler().size(), 1);
    const auto soru = MesajTest::Gosterilenler().first();
    QCOMPARE(soru.tur, int(MesajTest::Soru));
    QCOMPARE(soru.numara, 0);
    QCOMPARE(soru.metin, QStringLiteral("Değiştirdiğiniz temayı kayıt etmediniz. Seçiminizi iptal "
                                        "ederek devam etmek istiyor musunuz ?.."));
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), -1);
    QCOMPARE(TemaYoneticisi::Ornek().ad(), kIc);
    QCOMPARE(uyg->styleSheet(), acilisStili);
    QCOMPARE(kayitliTema(o), kIc);
}

void TstTemalar::cikisSorusuPencereyiAcikTutar_data() {
    QTest::addColumn<int>("cevap");
    QTest::newRow("Hayır") << 2;
    QTest::newRow("İptal") << 3;
}

void TstTemalar::cikisSorusuPencereyiAcikTutar() {
    QFETCH(int, cevap);
    BakimOrtami o;
    TFTemalar d;
    d.show();
    tikla(d.findChild<QListWidget*>(QStringLiteral("Skinlist")), QStringLiteral("Gece"));
    MesajTest::CevapEkle(cevap);
    d.findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    QVERIFY(d.isVisible());
    QCOMPARE(TemaYoneticisi::Ornek().ad(), QStringLiteral("Gece"));
    QCOMPARE(kayitliTema(o), kIc);
}

void TstTemalar::ayniTemayaTiklamak() {
    BakimOrtami o;
    TFTemalar d;
    d.show();
    int uygulanan = 0;
    connect(&TemaYoneticisi::Ornek(), &TemaYoneticisi::temaDegisti, &d, [&] { ++uygulanan; });
    tikla(d.findChild<QListWidget*>(QStringLiteral("Skinlist")), kIc);
    QCOMPARE(uygulanan, 0);
    QVERIFY(d.degisti());
    MesajTest::CevapEkle(1);
    d.findChild<QPushButton*>(QStringLiteral("BCikis"))->click();
    QCOMPARE(MesajTest::Gosterilenler().size(), 1);
    QCOMPARE(uygulanan, 1);
    QCOMPARE(TemaYoneticisi::Ornek().ad(), kIc);
    QVERIFY(!d.isVisible());
}

void TstTemalar::kaydet_data() {
    QTest::addColumn<QString>("tiklanan");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("tıklamadan") << QString() << kIc;
    QTest::newRow("önizlenen") << QStringLiteral("Gece") << QStringLiteral("Gece");
    QTest::newRow("klasör tema") << QStringLiteral("Lale") << QStringLiteral("Lale");
}

void TstTemalar::kaydet() {
    QFETCH(QString, tiklanan);
    QFETCH(QString, beklenen);
    BakimOrtami o;
    TFTemalar d;
    d.show();
    if (!tiklanan.isEmpty()) tikla(d.findChild<QListWidget*>(QStringLiteral("Skinlist")), tiklanan);
    d.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    QCOMPARE(d.result(), 1);
    QVERIFY(!d.isVisible());
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    QCOMPARE(kayitliTema(o), beklenen);
    QCOMPARE(TemaYoneticisi::Ornek().ad(), beklenen);
}

void TstTemalar::uzunTemaAdiHataGosterir() {
    BakimOrtami o;
    const QString uzun = QStringLiteral("Çok Uzun Adı Olan Bir Güzel Tema");  // 32 characters
    QCOMPARE(uzun.size(), 32);
    yaz(klasor_.filePath(uzun + QStringLiteral(".qss")), "QDialog { background: gray; }");
    TFTemalar d;
    d.show();
    tikla(d.findChild<QListWidget*>(QStringLiteral("Skinlist")), uzun);
    d.findChild<QPushButton*>(QStringLiteral("BKaydet"))->click();
    QCOMPARE(BakimOrtami::hatalar().size(), 1);
    QVERIFY(d.isVisible());
    QCOMPARE(TemaYoneticisi::Ornek().ad(), uzun);
    QCOMPARE(kayitliTema(o), kIc);
}

void TstTemalar::yeniTemaSonrakiAcilistaGorunur() {
    BakimOrtami o;
    {
        TFTemalar d;
        d.show();
        QCOMPARE(d.findChild<QListWidget*>(QStringLiteral("Skinlist"))->count(), 4);
    }
    yaz(klasor_.filePath(QStringLiteral("Yeni.qss")), "QDialog { background: green; }");
    TFTemalar d;
    d.show();
    QCOMPARE(d.findChild<QListWidget*>(QStringLiteral("Skinlist"))
                 ->findItems(QStringLiteral("Yeni"), Qt::MatchExactly)
                 .size(),
             1);
}

void TstTemalar::temaIndirmeSayfasi() {
    BakimOrtami o;
    QStringList acilan;
    Web::AcmaYoluAyarla([&](const QString& adres) { acilan << adres; });
    TFTemalar d;
    d.show();
    d.findChild<QPushButton*>(QStringLiteral("STemalar"))->click();
    Web::AcmaYoluAyarla([](const QString&) {});
    QCOMPARE(acilan.size(), 1);
    QVERIFY2(acilan.first().endsWith(QStringLiteral(
                 "/KovimaroTemaYukle.aspx?utm_source=ATema&utm_medium="
                 "Tiklama&utm_content=ATema&utm_campaign=ATema&Versiyon=53&p1=0_0_0")),
             qPrintable(acilan.first()));
    QVERIFY(d.isVisible());
}

namespace {

double parlaklik(const QColor& c) {
    const auto kanal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

// The contrast ratio of two colours (1 to 21); text wants 4.5 or more.
double karsitlik(const QColor& a, const QColor& b) {
    const double x = parlaklik(a), y = parlaklik(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QStringList uyarilar;
void uyariTopla(QtMsgType, const QMessageLogContext&, const QString& metin) {
    uyarilar << metin;
}

}  // namespace

void TstTemalar::gelenTemalar_data() {
    QTest::addColumn<QString>("ad");
    TemaYoneticisi::Ornek().setKlasor(QStringLiteral(KOVIMARO_TEMALAR));
    const QStringList adlar = TemaYoneticisi::Ornek().Temalar();
    QVERIFY(adlar.size() >= 6);
    for (const QString& ad : adlar) QTest::newRow(qPrintable(ad)) << ad;
}

// Every skin that ships: its sheet parses, its pictures are there, and its
// texts stand out from their backgrounds.
void TstTemalar::gelenTemalar() {
    QFETCH(QString, ad);
    TemaYoneticisi& tema = TemaYoneticisi::Ornek();
    tema.setKlasor(QStringLiteral(KOVIMARO_TEMALAR));
    const QString metin = tema.StilMetni(ad);
    QVERIFY(!metin.isEmpty());

    uyarilar.clear();
    const QtMessageHandler onceki = qInstallMessageHandler(uyariTopla);
    tema.setAd(ad);
    QWidget pencere;
    pencere.show();
    QCoreApplication::processEvents();
    qInstallMessageHandler(onceki);
    QCOMPARE(tema.ad(), ad);
    QVERIFY2(uyarilar.isEmpty(), qPrintable(uyarilar.join(QLatin1Char('\n'))));

    static const QRegularExpression resim(QStringLiteral("url\\(\"([^\"]+)\"\\)"));
    for (auto it = resim.globalMatch(metin); it.hasNext();) {
        const QString yol = it.next().captured(1);
        QVERIFY2(QFileInfo::exists(yol), qPrintable(yol));
    }

    const QPalette p = TemaYoneticisi::Palet(metin, QPalette(Qt::white));
    const auto yeterli = [&](QPalette::ColorRole yazi, QPalette::ColorRole zemin, double sinir) {
        const double k = karsitlik(p.color(yazi), p.color(zemin));
        QVERIFY2(k >= sinir, qPrintable(QStringLiteral("%1 on %2: %3")
                                            .arg(p.color(yazi).name(), p.color(zemin).name())
                                            .arg(k)));
    };
    yeterli(QPalette::WindowText, QPalette::Window, 7);
    yeterli(QPalette::Text, QPalette::Base, 7);
    yeterli(QPalette::Text, QPalette::AlternateBase, 7);
    yeterli(QPalette::ButtonText, QPalette::Button, 7);
    yeterli(QPalette::HighlightedText, QPalette::Highlight, 3);
    yeterli(QPalette::ToolTipText, QPalette::ToolTipBase, 4.5);
    yeterli(QPalette::Link, QPalette::Window, 3);
}

QTEST_MAIN(TstTemalar)
#include "tst_temalar.moc"
