#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "alanlar.h"
#include "kayitortami.h"
#include "tfnotlar.h"
#include "tfnotlarnew.h"
#include "yerlesim.h"
#include "zaman.h"

namespace {

const QString kNotUyarisi =
    QStringLiteral("Açıklama veya not alanlarından en az birini girmelisiniz !..");

void notEkle(KayitOrtami& o, const QString& aciklama, const QString& metin = QString(),
             const QDate& tarih = QDate(2026, 1, 10)) {
    o.sql(
        QStringLiteral(
            "Insert Into Notlar (tarih, saat, aciklama, Notmetin) Values (:p1, '10:00', :p2, :p3)"),
        {tarih, aciklama, metin});
}

// The descriptions down the grid, and the one the cursor stands on.
QStringList aciklamalar(TFNotlar& w) {
    QStringList l;
    for (int r = 0; r < w.izgara()->modeli()->rowCount(); ++r)
        l << w.izgara()->modeli()->hucreMetni(r, 2);
    return l;
}

QString guncel(TFNotlar& w) {
    Sorgu& q = w.sorgu();
    if (q.RecordCount() == 0 || w.izgara()->currentIndex().row() != q.RecNo())
        return QStringLiteral("<yok>");
    return q.fieldText(QStringLiteral("Aciklama"));
}

}  // namespace

class TstNotlar : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(Yerlesim::DosyaYolu(QStringLiteral("Kovimaro"))); }
    void cleanup() { Zaman::Serbest(); }

    void enYeniUstteEnEskiGuncel();
    void yeniNotBugunVeSimdiIleAcilir();
    void dogrulama_data();
    void dogrulama();
    void tarihDegisinceYeriDegismez();
    void silmeEnYeniyeGider();
    void silinmisNotYeniKayitOlur();
    void bosTarihSifirTarihOlur();
    void yarimSaatBirakilmaz();
    void notSiniri();
};

void TstNotlar::enYeniUstteEnEskiGuncel() {
    KayitOrtami o;
    const QString uzun =
        QString::fromUtf8("Çarşamba günü İstanbul'da toplantı var; öncesinde ğüşiöç yazılacak.");
    notEkle(o, QStringLiteral("ilk"), uzun);
    notEkle(o, QStringLiteral("ikinci"));
    notEkle(o, QStringLiteral("üçüncü"), QStringLiteral("kısa"), QDate(2020, 2, 29));
    TFNotlar w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Notlar"));
    QCOMPARE(aciklamalar(w), QStringList({"üçüncü", "ikinci", "ilk"}));
    QCOMPARE(guncel(w), QStringLiteral("ilk"));
    SorguModeli* m = w.izgara()->modeli();
    QCOMPARE(m->hucreMetni(2, 3), uzun.left(50));
    QCOMPARE(m->hucreMetni(1, 3), QString());
    QCOMPARE(m->hucreMetni(0, 0), QStringLiteral("29.02.2020"));
    QCOMPARE(m->hucreMetni(0, 1), QStringLiteral("10:00"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Açıklama"));
    QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Not"));
}

void TstNotlar::yeniNotBugunVeSimdiIleAcilir() {
    KayitOrtami o;
    notEkle(o, QStringLiteral("eski"));
    notEkle(o, QStringLiteral("daha yeni"));
    Zaman::Ayarla(QDateTime(QDate(2026, 3, 5), QTime(9, 7, 40)));
    TFNotlar w;
    w.show();
    QCOMPARE(guncel(w), QStringLiteral("eski"));  // scrolled to the oldest note
    ModalGelince([](QDialog* d) {
        auto* g = qobject_cast<TFNotlarnew*>(d);
        QCOMPARE(g->windowTitle(), QStringLiteral("Not Girişi ..."));
        QCOMPARE(g->ETarih->text(), QStringLiteral("05.03.2026"));
        QCOMPARE(g->ESaat->metin(), QStringLiteral("09:07"));
        QCOMPARE(g->focusWidget(), static_cast<QWidget*>(g->ETarih));
        Yaz(g->EAciklama, QStringLiteral("Süt al"));
        QTest::keyClick(g->EAciklama, Qt::Key_F9);
    });
    QTest::keyClick(w.izgara(), Qt::Key_F7);
    QCOMPARE(aciklamalar(w), QStringList({"Süt al", "daha yeni", "eski"}));
    QCOMPARE(guncel(w), QStringLiteral("Süt al"));
    QCOMPARE(o.deger(QStringLiteral("Select tarih || ' ' || saat From Notlar Where Sirano=3"))
                 .toString(),
             QStringLiteral("2026-03-05 00:00:00 09:07"));
}

void TstNotlar::dogrulama_data() {
    QTest::addColumn<QString>("aciklama");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("kaydedilir");
    QTest::newRow("ikisi de boş") << ""
                                  << "" << false;
    QTest::newRow("yalnız açıklama") << "Başlık"
                                     << "" << true;
    QTest::newRow("yalnız not") << ""
                                << "Gövde" << true;
    QTest::newRow("boşluk dolu sayılır") << " "
                                         << "" << true;
}

void TstNotlar::dogrulama() {
    QFETCH(QString, aciklama);
    QFETCH(QString, metin);
    QFETCH(bool, kaydedilir);
    KayitOrtami o;
    TFNotlarnew g;
    g.show();
    Yaz(g.EAciklama, aciklama);
    g.ENot->setPlainText(metin);
    QTest::keyClick(g.EAciklama, Qt::Key_F9);
    QCOMPARE(g.result(), kaydedilir ? 1 : 0);
    QCOMPARE(o.deger(QStringLiteral("Select Count(*) From Notlar")).toInt(), kaydedilir ? 1 : 0);
    QCOMPARE(KayitOrtami::mesajlar(), kaydedilir ? QStringList() : QStringList{kNotUyarisi});
    if (kaydedilir)
        QCOMPARE(
            o.deger(QStringLiteral("Select aciklama || '|' || Notmetin From Notlar")).toString(),
            aciklama + QLatin1Char('|') + metin);
}

void TstNotlar::tarihDegisinceYeriDegismez() {
    KayitOrtami o;
    for (const char* a : {"bir", "iki", "üç"}) notEkle(o, QString::fromUtf8(a));
    TFNotlar w;
    w.show();
    QVERIFY(w.sorgu().Locate(QStringLiteral("Sirano"), 2));
    w.izgara()->imleciGoster();
    ModalGelince([](QDialog* d) {
        auto* g = qobject_cast<TFNotlarnew*>(d);
        QCOMPARE(g->EAciklama->text(), QStringLiteral("iki"));
        QCOMPARE(g->ETarih->text(), QStringLiteral("10.01.2026"));
        g->ETarih->setTarih(QDate(2030, 12, 31));
        g->EAciklama->setText(QStringLiteral("iki+"));
        QTest::keyClick(g->ETarih, Qt::Key_F9);
    });
    QTest::keyClick(w.izgara(), Qt::Key_F8);
    QCOMPARE(aciklamalar(w), QStringList({"üç", "iki+", "bir"}));
    QCOMPARE(guncel(w), QStringLiteral("iki+"));
    QCOMPARE(o.deger(QStringLiteral("Select tarih From Notlar Where Sirano=2")).toString(),
             QStringLiteral("2030-12-31 00:00:00"));
}

void TstNotlar::silmeEnYeniyeGider() {
    KayitOrtami o;
    for (const char* a : {"bir", "iki", "üç", "dört"}) notEkle(o, QString::fromUtf8(a));
    TFNotlar w;
    w.show();
    QVERIFY(w.sorgu().Locate(QStringLiteral("Sirano"), 2));
    w.izgara()->imleciGoster();
    MesajTest::CevapEkle(1);
    QTest::keyClick(w.izgara(), Qt::Key_F3);
    QCOMPARE(aciklamalar(w), QStringList({"dört", "üç", "bir"}));
    QCOMPARE(guncel(w), QStringLiteral("dört"));
}

void TstNotlar::silinmisNotYeniKayitOlur() {
    KayitOrtami o;
    notEkle(o, QStringLiteral("gidecek"));
    notEkle(o, QStringLiteral("kalan"));
    Zaman::Ayarla(QDateTime(QDate(2026, 3, 5), QTime(9, 7)));
    TFNotlar w;
    w.show();
    QCOMPARE(guncel(w), QStringLiteral("gidecek"));
    o.sql(QStringLiteral("Delete From Notlar Where Sirano=1"));
    ModalGelince([](QDialog* d) {
        auto* g = qobject_cast<TFNotlarnew*>(d);
        QCOMPARE(g->Islem, 1);
        // No new-entry defaults: the date and time stay empty.
        QVERIFY(g->ETarih->bos());
        QVERIFY(g->ESaat->bos());
        g->EAciklama->setText(QStringLiteral("yeniden"));
        QTest::keyClick(g->EAciklama, Qt::Key_F9);
    });
    QTest::keyClick(w.izgara(), Qt::Key_F8);
    QCOMPARE(
        o.deger(QStringLiteral("Select tarih || '|' || saat From Notlar Where aciklama='yeniden'"))
            .toString(),
        QStringLiteral("1899-12-30 00:00:00|  :  "));
    QCOMPARE(aciklamalar(w), QStringList({"yeniden", "kalan"}));
    QCOMPARE(guncel(w), QStringLiteral("yeniden"));
}

void TstNotlar::bosTarihSifirTarihOlur() {
    KayitOrtami o;
    notEkle(o, QStringLiteral("tarihli"));
    {
        TFNotlarnew g;
        g.Sirano = 1;
        g.Islem = 2;
        g.show();
        g.ETarih->clear();
        QCOMPARE(g.ETarih->displayText(), QStringLiteral("  .  .    "));
        QTest::keyClick(g.ETarih, Qt::Key_F9);
        QCOMPARE(g.result(), 1);
    }
    QCOMPARE(o.deger(QStringLiteral("Select tarih From Notlar")).toString(),
             QStringLiteral("1899-12-30 00:00:00"));
    TFNotlar w;
    w.show();
    QCOMPARE(w.izgara()->modeli()->hucreMetni(0, 0), QStringLiteral("30.12.1899"));
    TFNotlarnew g;
    g.Sirano = 1;
    g.Islem = 2;
    g.show();
    QVERIFY(g.ETarih->bos());
}

void TstNotlar::yarimSaatBirakilmaz() {
    KayitOrtami o;
    TFNotlarnew g;
    g.show();
    // The field's own check works on real focus changes, so the window must be active.
    g.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.EAciklama->setText(QStringLiteral("saatli"));
    g.ESaat->setFocus();
    g.ESaat->clear();
    g.ESaat->setCursorPosition(0);
    QTest::keyClick(g.ESaat, Qt::Key_1);
    QVERIFY(g.ESaat->eksik());
    QTest::keyClick(g.ESaat, Qt::Key_Return);
    QTRY_COMPARE(g.focusWidget(), static_cast<QWidget*>(g.ESaat));
    // F9 inside the field does not slip the half time past its check.
    QTest::keyClick(g.ESaat, Qt::Key_F9);
    QCOMPARE(g.result(), 0);
    QCOMPARE(o.deger(QStringLiteral("Select Count(*) From Notlar")).toInt(), 0);
    Yaz(g.ESaat, QStringLiteral("415"));
    QCOMPARE(g.ESaat->metin(), QStringLiteral("14:15"));
    QTest::keyClick(g.ESaat, Qt::Key_F9);
    QCOMPARE(g.result(), 1);
    QCOMPARE(o.deger(QStringLiteral("Select saat From Notlar")).toString(),
             QStringLiteral("14:15"));
}

void TstNotlar::notSiniri() {
    KayitOrtami o;
    TFNotlarnew g;
    g.show();
    g.ENot->setFocus();
    Yaz(g.ENot, QString(199, QLatin1Char('a')) + QStringLiteral("ğ"));
    QCOMPARE(g.ENot->toPlainText().size(), 200);
    Yaz(g.ENot, QStringLiteral("z"));
    QCOMPARE(g.ENot->toPlainText().size(), 200);
    QVERIFY(g.ENot->toPlainText().endsWith(QStringLiteral("ğ")));
    g.ENot->setPlainText(QString(230, QLatin1Char('b')));
    QCOMPARE(g.ENot->toPlainText().size(), 200);
    Yaz(g.EAciklama, QString(55, QLatin1Char('c')));
    QCOMPARE(g.EAciklama->text().size(), 50);
    QTest::keyClick(g.EAciklama, Qt::Key_F9);
    QCOMPARE(g.result(), 1);
    QCOMPARE(o.deger(QStringLiteral("Select length(Notmetin) From Notlar")).toInt(), 200);
}

KAYIT_TEST_MAIN(TstNotlar)
#include "tst_notlar.moc"
