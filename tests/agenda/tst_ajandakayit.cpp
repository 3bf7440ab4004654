// Appointments through the agenda window against a real file: adding from
// now or from the selection, changing, deleting and dragging.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "acikajanda.h"
#include "mesaj.h"
#include "planyoneticisi.h"
#include "tfajandanew.h"

class TstAjandaKayit : public QObject {
    Q_OBJECT

private slots:
    void ekleSecimsiz();
    void ekleGeceYarisi();
    void ekleSecimden_data();
    void ekleSecimden();
    void ciftTiklamaSecilenAraliktan();
    void cikisHicbirSeyKaydetmez();
    void secimsizDuzeltVeSil_data();
    void secimsizDuzeltVeSil();
    void sil_data();
    void sil();
    void duzelt();
    void surukleme_data();
    void surukleme();
    void yazilamayanKayitBildirilir_data();
    void yazilamayanKayitBildirilir();
};

void TstAjandaKayit::ekleSecimsiz() {
    AjandaOrtami o;
    AcikAjanda a;
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), QStringLiteral("Kayıt girişi ..."));
        QCOMPARE(p->EBastar->tarih(), kPazartesi);
        QCOMPARE(p->EBittar->tarih(), kPazartesi);
        QCOMPARE(p->EBassaat->time(), QTime(14, 5, 30));
        QCOMPARE(p->EBitsaat->time(), QTime(14, 30, 30));
        QCOMPARE(p->EUyarigun->tarih(), kPazartesi);
        QCOMPARE(p->EUyarisaat->text(), QStringLiteral("14"));
        QCOMPARE(p->EUyaridak->text(), QStringLiteral("05"));
        QVERIFY(!p->EUyari->isChecked());
        p->EAciklama->setPlainText(QStringLiteral("Diş hekimi\nsaat 14'te"));
        p->BKaydet->click();
    }});
    a.dugme("Bekle");
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(o.satirSayisi(), 1);
    const QString ajid = listeAjid(a.w);
    QCOMPARE(ajid.size(), 20);
    const auto s = o.oku(ajid);
    QCOMPARE(s.bastar, kPazartesi);
    QCOMPARE(s.bassaat, QStringLiteral("14:05:30"));
    QCOMPARE(s.bittar, kPazartesi);
    QCOMPARE(s.bitsaat, QStringLiteral("14:30:30"));
    QCOMPARE(s.aciklama, QStringLiteral("Diş hekimi\nsaat 14'te"));
    QCOMPARE(s.alarmvar, 1);
    QCOMPARE(s.alarmgun, Zaman::SifirTarih());
    QCOMPARE(s.alarmsaat, 0);
    QCOMPARE(s.alarmdak, 0);
    // At once in the day view and as the list's current row.
    QVERIFY(a->PlanManager->Bul(ajid));
    QCOMPARE(a->GunlukPlan->randevuAlanlari(ajid).size(), 1);
    QCOMPARE(a->DbKayitlar->currentIndex().row(), a->Ds_Kayitlar->rowCount() - 1);
}

void TstAjandaKayit::ekleGeceYarisi() {
    AjandaOrtami o;
    AcikAjanda a(QDateTime(kPazartesi, QTime(23, 50)));
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(p->EBitsaat->time(), QTime(0, 15));
        QCOMPARE(p->EBittar->tarih(), kPazartesi);
        p->BKaydet->click();
    }});
    a.dugme("Bekle");
    QCOMPARE(o.satirSayisi(), 1);
    const QString ajid = listeAjid(a.w);
    QCOMPARE(o.oku(ajid).bitsaat, QStringLiteral("00:15:00"));
    const QStringList hatalar = AjandaOrtami::mesajlar(-1);
    QCOMPARE(hatalar.size(), 1);
    QVERIFY(hatalar[0].startsWith(QStringLiteral("Invalid start and end times")));
    QVERIFY(!a->PlanManager->Bul(ajid));
}

void TstAjandaKayit::ekleSecimden_data() {
    QTest::addColumn<int>("dakikaDugmesi");
    QTest::addColumn<QPoint>("capa");
    QTest::addColumn<QPoint>("imlec");
    QTest::addColumn<QDateTime>("bas");
    QTest::addColumn<QDateTime>("bit");
    const QDate sali = kPazartesi.addDays(1), cars = kPazartesi.addDays(2);
    QTest::newRow("Monday 10:00 to Wednesday 11:30")
        << 2 << QPoint(0, 20) << QPoint(2, 23) << QDateTime(kPazartesi, QTime(10, 0))
        << QDateTime(cars, QTime(11, 59, 59));
    QTest::newRow("dragged backwards")
        << 2 << QPoint(2, 23) << QPoint(0, 20) << QDateTime(kPazartesi, QTime(10, 0))
        << QDateTime(cars, QTime(11, 59, 59));
    QTest::newRow("one cell at 15 minutes")
        << 4 << QPoint(1, 41) << QPoint(1, 41) << QDateTime(sali, QTime(10, 15))
        << QDateTime(sali, QTime(10, 29, 59));
    QTest::newRow("last row of the day")
        << 1 << QPoint(0, 23) << QPoint(0, 23) << QDateTime(kPazartesi, QTime(23, 0))
        << QDateTime(kPazartesi, QTime(23, 59, 59));
}

void TstAjandaKayit::ekleSecimden() {
    QFETCH(int, dakikaDugmesi);
    QFETCH(QPoint, capa);
    QFETCH(QPoint, imlec);
    QFETCH(QDateTime, bas);
    QFETCH(QDateTime, bit);
    AjandaOrtami o;
    AcikAjanda a;
    a.dugme(qPrintable(QStringLiteral("sSpeedButton%1").arg(dakikaDugmesi)));
    a->GunlukPlan->hucreSec(capa, imlec);
    // Ticking the alarm without touching it sets it at the start.
    ModalSurucu surucu({[&](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(QDateTime(p->EBastar->tarih(), p->EBassaat->time()), bas);
        QCOMPARE(QDateTime(p->EBittar->tarih(), p->EBitsaat->time()), bit);
        p->EUyari->setChecked(true);
        p->BKaydet->click();
    }});
    // The pop-up menu's "Yeni Kayıt Ekle" is the same command as "Ekle".
    a->Mspyenikayekle->trigger();
    QCOMPARE(surucu.kalan(), 0);
    const auto s = o.oku(listeAjid(a.w));
    QCOMPARE(s.alarmvar, 2);
    QCOMPARE(s.alarmgun, bas.date());
    QCOMPARE(s.alarmsaat, bas.time().hour());
    QCOMPARE(s.alarmdak, bas.time().minute());
}

void TstAjandaKayit::ciftTiklamaSecilenAraliktan() {
    AjandaOrtami o;
    AcikAjanda a;
    // Drag over 10:00 to 11:30 of Tuesday, then double-click inside it.
    QTest::mousePress(a.izgara(), Qt::LeftButton, {}, a.hucre(1, 20));
    QTest::mouseMove(a.izgara(), a.hucre(1, 22));
    QTest::mouseMove(a.izgara(), a.hucre(1, 23));
    QTest::mouseRelease(a.izgara(), Qt::LeftButton, {}, a.hucre(1, 23));
    QCOMPARE(a->GunlukPlan->ilkSeciliHucre(), QPoint(1, 20));
    QCOMPARE(a->GunlukPlan->sonSeciliHucre(), QPoint(1, 23));
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(p->EBastar->tarih(), kPazartesi.addDays(1));
        QCOMPARE(p->EBittar->tarih(), kPazartesi.addDays(1));
        QCOMPARE(p->EBassaat->time(), QTime(10, 0));
        QCOMPARE(p->EBitsaat->time(), QTime(11, 59, 59));
        p->BCikis->click();
    }});
    QTest::mouseDClick(a.izgara(), Qt::LeftButton, {}, a.hucre(1, 21));
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(o.satirSayisi(), 0);
}

void TstAjandaKayit::cikisHicbirSeyKaydetmez() {
    AjandaOrtami o;
    o.ekle(satir("var", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    AcikAjanda a;
    listeyeGec(a.w);
    a->DbKayitlar->setCurrentIndex(a->Ds_Kayitlar->index(0, 0));
    ModalSurucu surucu({[](QDialog* d) { qobject_cast<TFAjandanew*>(d)->BCikis->click(); },
                        [](QDialog* d) {
                            auto* p = qobject_cast<TFAjandanew*>(d);
                            p->EAciklama->setPlainText(QStringLiteral("değişmemeli"));
                            QTest::keyClick(p, Qt::Key_Escape);
                        }});
    a.dugme("BGridekle");
    a.dugme("BGridduzelt");
    QCOMPARE(surucu.kalan(), 0);
    QCOMPARE(o.satirSayisi(), 1);
    QCOMPARE(o.oku(QStringLiteral("var")).aciklama, QStringLiteral("Randevu var"));
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("var"))->aciklama, QStringLiteral("Randevu var"));
}

void TstAjandaKayit::secimsizDuzeltVeSil_data() {
    QTest::addColumn<QString>("dugme");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("Düzelt") << "BDuzelt"
                            << "Önce düzeltilecek kaydı seçin.";
    QTest::newRow("Sil") << "BSil"
                         << "Önce silinecek kaydı seçin.";
}

void TstAjandaKayit::secimsizDuzeltVeSil() {
    QFETCH(QString, dugme);
    QFETCH(QString, mesaj);
    AjandaOrtami o;
    AcikAjanda a;
    // Before any click: nothing at all.
    a.dugme(qPrintable(dugme));
    QVERIFY(MesajTest::Gosterilenler().isEmpty());
    // After a click on an empty cell: the plain message box.
    QTest::mouseClick(a.izgara(), Qt::LeftButton, {}, a.hucre(0, 20));
    a.dugme(qPrintable(dugme));
    QCOMPARE(AjandaOrtami::mesajlar(MesajTest::Duz), QStringList{mesaj});
}

void TstAjandaKayit::sil_data() {
    QTest::addColumn<bool>("listeden");
    QTest::addColumn<int>("cevap");
    QTest::newRow("day view, Hayır Kaydı Silme") << false << -1;
    QTest::newRow("day view, closed with the close box") << false << 2;
    QTest::newRow("day view, Evet Sil") << false << 1;
    QTest::newRow("list, Hayır Kaydı Silme") << true << -1;
    QTest::newRow("list, Evet Sil") << true << 1;
}

void TstAjandaKayit::sil() {
    QFETCH(bool, listeden);
    QFETCH(int, cevap);
    AjandaOrtami o;
    o.ekle(satir("sil", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    o.ekle(satir("kal", kPazartesi, "12:00:00", kPazartesi, "13:00:00"));
    AcikAjanda a;
    if (listeden) {
        a->Sayfalar->setCurrentWidget(a->Stumadres);
        a->DbKayitlar->setCurrentIndex(a->Ds_Kayitlar->index(0, 0));
    } else {
        const QRect kutu = a->GunlukPlan->randevuAlanlari(QStringLiteral("sil")).value(0);
        QTest::mouseClick(a.izgara(), Qt::LeftButton, {}, kutu.center());
        QCOMPARE(a->GunlukPlan->seciliRandevu(), QStringLiteral("sil"));
    }
    MesajTest::CevapEkle(cevap);
    a.dugme(listeden ? "BSil2" : "BSil");
    QCOMPARE(AjandaOrtami::mesajlar(MesajTest::Silonay).size(), 1);
    const bool silindi = cevap == 1;
    QCOMPARE(o.oku(QStringLiteral("sil")).ajid.isEmpty(), silindi);
    QCOMPARE(a->PlanManager->Bul(QStringLiteral("sil")) == nullptr, silindi);
    listeyeGec(a.w);
    QCOMPARE(a->Ds_Kayitlar->rowCount(), silindi ? 1 : 2);
    QVERIFY(!o.oku(QStringLiteral("kal")).ajid.isEmpty());
    QVERIFY(a->PlanManager->Bul(QStringLiteral("kal")));
}

void TstAjandaKayit::duzelt() {
    AjandaOrtami o;
    auto s = satir("d", kPazartesi, "10:00:00", kPazartesi, "11:00:00", 2);
    s.alarmgun = kPazartesi;
    s.alarmsaat = 7;
    s.alarmdak = 5;
    o.ekle(s);
    o.ekle(satir("x", kPazartesi.addDays(1), "10:00:00", kPazartesi.addDays(1), "11:00:00"));
    o.ekle(satir("y", kPazartesi.addDays(2), "10:00:00", kPazartesi.addDays(2), "11:00:00"));
    AcikAjanda a;
    a->Sayfalar->setCurrentWidget(a->Stumadres);
    a->DbKayitlar->setCurrentIndex(a->Ds_Kayitlar->index(0, 0));
    ModalSurucu surucu({[](QDialog* d) {
        auto* p = qobject_cast<TFAjandanew*>(d);
        QCOMPARE(p->EBastar->tarih(), kPazartesi);
        QCOMPARE(p->EBassaat->time(), QTime(10, 0));
        QCOMPARE(p->EBitsaat->time(), QTime(11, 0));
        QVERIFY(p->EUyari->isChecked());
        QCOMPARE(p->EUyarigun->tarih(), kPazartesi);
        QCOMPARE(p->EUyarisaat->text(), QStringLiteral("07"));
        QCOMPARE(p->EUyaridak->text(), QStringLiteral("05"));
        // Moved after the others, without its alarm.
        p->EBastar->setTarih(kPazartesi.addDays(5));
        p->EBittar->setTarih(kPazartesi.addDays(5));
        p->EAciklama->setPlainText(QStringLiteral("Ertelendi"));
        p->EUyari->setChecked(false);
        p->BKaydet->click();
    }});
    QTRY_VERIFY(a->DbKayitlar->viewport()->isVisible());
    const QPoint yer = a->DbKayitlar->visualRect(a->Ds_Kayitlar->index(0, 4)).center();
    // As a desktop delivers it: the second press comes before the double-click.
    QTest::mouseClick(a->DbKayitlar->viewport(), Qt::LeftButton, {}, yer);
    QTest::mousePress(a->DbKayitlar->viewport(), Qt::LeftButton, {}, yer);
    QMouseEvent cift(QEvent::MouseButtonDblClick, yer, a->DbKayitlar->viewport()->mapToGlobal(yer),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(a->DbKayitlar->viewport(), &cift);
    QTest::mouseRelease(a->DbKayitlar->viewport(), Qt::LeftButton, {}, yer);
    QCOMPARE(surucu.kalan(), 0);
    const auto sonra = o.oku(QStringLiteral("d"));
    QCOMPARE(sonra.bastar, kPazartesi.addDays(5));
    QCOMPARE(sonra.aciklama, QStringLiteral("Ertelendi"));
    QCOMPARE(sonra.alarmvar, 1);
    QCOMPARE(sonra.alarmgun, Zaman::SifirTarih());
    QCOMPARE(sonra.alarmsaat, 0);
    QCOMPARE(sonra.alarmdak, 0);
    // The list follows the changed row to its new place.
    QCOMPARE(a->DbKayitlar->currentIndex().row(), 2);
    QCOMPARE(listeAjid(a.w), QStringLiteral("d"));
    const Randevu* r = a->PlanManager->Bul(QStringLiteral("d"));
    QCOMPARE(r->aciklama, QStringLiteral("Ertelendi"));
    QCOMPARE(r->baslangic.date(), kPazartesi.addDays(5));
    QVERIFY(!r->alarmAcik);
}

void TstAjandaKayit::surukleme_data() {
    QTest::addColumn<QString>("tutma");  // where the box is taken: orta, alt
    QTest::addColumn<QPoint>("kayma");   // columns and rows
    QTest::addColumn<bool>("esc");
    QTest::addColumn<QString>("bas");
    QTest::addColumn<QString>("bit");
    QTest::addColumn<int>("gun");
    QTest::newRow("two rows down") << "orta" << QPoint(0, 2) << false << "11:00:00"
                                   << "12:00:00" << 0;
    QTest::newRow("to the next day") << "orta" << QPoint(1, 0) << false << "10:00:00"
                                     << "11:00:00" << 1;
    QTest::newRow("lower edge one row down") << "alt" << QPoint(0, 1) << false << "10:00:00"
                                             << "11:30:00" << 0;
    QTest::newRow("Esc puts it back") << "orta" << QPoint(0, 2) << true << "10:00:00"
                                      << "11:00:00" << 0;
}

void TstAjandaKayit::surukleme() {
    QFETCH(QString, tutma);
    QFETCH(QPoint, kayma);
    QFETCH(bool, esc);
    QFETCH(QString, bas);
    QFETCH(QString, bit);
    QFETCH(int, gun);
    AjandaOrtami o;
    auto s = satir("t", kPazartesi, "10:00:00", kPazartesi, "11:00:00", 2);
    s.alarmgun = kPazartesi;
    s.alarmsaat = 9;
    s.alarmdak = 45;
    o.ekle(s);
    AcikAjanda a;
    const QRect kutu = a->GunlukPlan->randevuAlanlari(QStringLiteral("t")).value(0);
    QVERIFY(!kutu.isEmpty());
    const QPoint tut = tutma == QLatin1String("alt") ? QPoint(kutu.center().x(), kutu.bottom() - 1)
                                                     : kutu.center();
    const QPoint adim(a->GunlukPlan->kolonGenisligi() * kayma.x(),
                      a->GunlukPlan->satirYuksekligi() * kayma.y());
    QTest::mousePress(a.izgara(), Qt::LeftButton, {}, tut);
    QTest::mouseMove(a.izgara(), tut + adim / 2);
    QTest::mouseMove(a.izgara(), tut + adim);
    if (esc) QTest::keyClick(a->GunlukPlan, Qt::Key_Escape);
    QTest::mouseRelease(a.izgara(), Qt::LeftButton, {}, tut + adim);
    QVERIFY(a.w);  // Esc during a drag does not close the window
    const auto sonra = o.oku(QStringLiteral("t"));
    QCOMPARE(sonra.bastar, kPazartesi.addDays(gun));
    QCOMPARE(sonra.bassaat, bas);
    QCOMPARE(sonra.bitsaat, bit);
    // The rest of the row is left as it was.
    QCOMPARE(sonra.aciklama, QStringLiteral("Randevu t"));
    QCOMPARE(sonra.alarmvar, 2);
    QCOMPARE(sonra.alarmsaat, 9);
    QCOMPARE(sonra.alarmdak, 45);
    const Randevu* r = a->PlanManager->Bul(QStringLiteral("t"));
    QCOMPARE(r->baslangic, QDateTime(kPazartesi.addDays(gun), QTime::fromString(bas)));
    QVERIFY(!r->degisti);
}

void TstAjandaKayit::yazilamayanKayitBildirilir_data() {
    QTest::addColumn<QString>("islem");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("new appointment") << "INSERT"
                                     << "Kayıt yapılırken bir hata oluştu !..";
    QTest::newRow("change") << "UPDATE"
                            << "Kayıt yapılırken bir hata oluştu !..";
    QTest::newRow("drag") << "UPDATE"
                          << "Kayıt yapılırken bir hata oluştu !..";
    QTest::newRow("delete") << "DELETE"
                            << "Kayıt silinirken bir hata oluştu !..";
}

void TstAjandaKayit::yazilamayanKayitBildirilir() {
    QFETCH(QString, islem);
    QFETCH(QString, mesaj);
    AjandaOrtami o;
    o.ekle(satir("v", kPazartesi, "10:00:00", kPazartesi, "11:00:00"));
    // The file refuses the step, as a full disk or a locked file would.
    o.sql(QStringLiteral(
              "Create Trigger Engel Before %1 On Ajanda Begin Select Raise(Abort, 'engel'); End")
              .arg(islem));
    AcikAjanda a;
    const QString test = QString::fromLatin1(QTest::currentDataTag());
    const QRect kutu = a->GunlukPlan->randevuAlanlari(QStringLiteral("v")).value(0);
    if (test == QLatin1String("new appointment")) {
        ModalSurucu surucu({[](QDialog* d) { qobject_cast<TFAjandanew*>(d)->BKaydet->click(); }});
        a.dugme("Bekle");
        QCOMPARE(a->PlanManager->RandevuSayisi(), 1);
    } else if (test == QLatin1String("change")) {
        QTest::mouseClick(a.izgara(), Qt::LeftButton, {}, kutu.center());
        ModalSurucu surucu({[](QDialog* d) {
            auto* p = qobject_cast<TFAjandanew*>(d);
            p->EAciklama->setPlainText(QStringLiteral("yeni"));
            p->BKaydet->click();
        }});
        a.dugme("BDuzelt");
        QCOMPARE(a->PlanManager->Bul(QStringLiteral("v"))->aciklama, QStringLiteral("Randevu v"));
    } else if (test == QLatin1String("drag")) {
        const QPoint adim(0, 2 * a->GunlukPlan->satirYuksekligi());
        QTest::mousePress(a.izgara(), Qt::LeftButton, {}, kutu.center());
        QTest::mouseMove(a.izgara(), kutu.center() + adim);
        QTest::mouseRelease(a.izgara(), Qt::LeftButton, {}, kutu.center() + adim);
        // Shown where it was dropped, marked as not stored.
        QVERIFY(a->PlanManager->Bul(QStringLiteral("v"))->degisti);
    } else {
        QTest::mouseClick(a.izgara(), Qt::LeftButton, {}, kutu.center());
        MesajTest::CevapEkle(1);
        a.dugme("BSil");
        QVERIFY(a->PlanManager->Bul(QStringLiteral("v")));
    }
    QCOMPARE(AjandaOrtami::mesajlar(MesajTest::Hata), QStringList{mesaj});
    const auto s = o.oku(QStringLiteral("v"));
    QCOMPARE(s.bassaat, QStringLiteral("10:00:00"));
    QCOMPARE(s.aciklama, QStringLiteral("Randevu v"));
    QCOMPARE(o.satirSayisi(), 1);
}

QTEST_MAIN(TstAjandaKayit)
#include "tst_ajandakayit.moc"
