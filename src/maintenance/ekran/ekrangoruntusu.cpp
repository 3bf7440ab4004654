// Screenshot driver: starts the program's main window on sample data and
// photographs every window the build holds, one PNG each, for
// scripts/screenshots.sh. Usage: kovimaro-ekran OUTDIR [--tum-temalar]

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "cekim.h"
#include "masaustuuyarisi.h"
#include "mesaj.h"
#include "moduller.h"
#include "ornekveri.h"
#include "tema.h"
#include "udm.h"
#include "umainform.h"
#include "uygulama.h"

namespace {

QStringList sirali(QStringList adlar) {
    std::sort(adlar.begin(), adlar.end());
    return adlar;
}

void tusGonder(QWidget* hedef, int tus, Qt::KeyboardModifiers tuslar) {
    QKeyEvent bas(QEvent::KeyPress, tus, tuslar);
    QCoreApplication::sendEvent(hedef, &bas);
    QKeyEvent birak(QEvent::KeyRelease, tus, tuslar);
    QCoreApplication::sendEvent(hedef, &birak);
}

// The about box opens the management panel by its key sequence, the panel
// opens the table viewer, and the viewer shows two tables.
void bakimIsleyicileri(Cekim& cekim) {
    cekim.setIsleyici(QStringLiteral("FHakkinda"), [&cekim](QWidget* kutu) {
        QTimer::singleShot(250, kutu, [&cekim, kutu] {
            cekim.kaydet(kutu, QStringLiteral("hakkinda"));
            QWidget* cikis = kutu->findChild<QPushButton*>(QStringLiteral("BCikis"));
            tusGonder(cikis, Qt::Key_F7, Qt::ShiftModifier);
            tusGonder(cikis, Qt::Key_F6, Qt::ControlModifier);
            Cekim::kapat(kutu);
        });
    });
    cekim.setIsleyici(QStringLiteral("FYonetimpaneli"), [&cekim](QWidget* panel) {
        QTimer::singleShot(250, panel, [&cekim, panel] {
            cekim.kaydet(panel, QStringLiteral("yonetim-paneli"));
            panel->findChild<QPushButton*>(QStringLiteral("BVeritabani"))->click();
            Cekim::kapat(panel);
        });
    });
    cekim.setIsleyici(QStringLiteral("FVeritabgoster"), [&cekim](QWidget* v) {
        QTimer::singleShot(100, v, [&cekim, v] {
            v->findChild<QComboBox*>(QStringLiteral("ETablo1"))
                ->setCurrentText(QStringLiteral("Adresler"));
            v->findChild<QPushButton*>(QStringLiteral("BAc1"))->click();
            v->findChild<QComboBox*>(QStringLiteral("ETablo2"))
                ->setCurrentText(QStringLiteral("Kasahar"));
            v->findChild<QPushButton*>(QStringLiteral("BAc2"))->click();
            cekim.cekVeKapat(v, QStringLiteral("veritabani"));
        });
    });
}

void mdiKapat(TFMainform& ana) {
    ana.mdiAlani()->closeAllSubWindows();
    Cekim::bekle(100);
}

// Every module window, and the entry windows and questions its buttons open.
void moduller(Cekim& cekim, TFMainform& ana) {
    for (const QString& modul : sirali(TFMainform::Moduller().keys())) {
        QWidget* w = ana.ModulAc(modul);
        if (!w) continue;
        if (auto* cerceve = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            cerceve->showMaximized();
        Cekim::bekle(300);
        const QString kisa = Cekim::Kisalt(modul.mid(1));
        cekim.kaydet(&ana, QStringLiteral("modul-") + kisa);
        for (const char* dugme : {"BYeni", "BDuzelt", "BSil"}) {
            auto* b = w->findChild<QAbstractButton*>(QLatin1String(dugme));
            if (!b || !b->isVisible() || !b->isEnabled()) continue;
            cekim.modalIcinde(
                QStringLiteral("giris-%1-%2").arg(kisa, Cekim::Kisalt(QLatin1String(dugme))),
                [b] { b->click(); });
        }
        mdiKapat(ana);
    }
}

void mesajlar(Cekim& cekim) {
    cekim.modalIcinde(QStringLiteral("mesaj-hata"),
                      [] { HataGoster(QStringLiteral("Açıklama alanı boş bırakılamaz !.."), 0); });
    cekim.modalIcinde(QStringLiteral("mesaj-uyari"), [] {
        UyariGoster(QStringLiteral("Lütfen önce mesaj ekranını kapatın."), 0);
    });
    cekim.modalIcinde(QStringLiteral("mesaj-soru"), [] {
        MesajGoster(
            QStringLiteral("Değiştirdiğiniz temayı kayıt etmediniz. Seçiminizi iptal ederek devam "
                           "etmek istiyor musunuz ?.."),
            3, true, true, true, QStringLiteral("Evet"), QStringLiteral("Hayır"),
            QStringLiteral("İptal"), 0, 2);
    });
    cekim.modalIcinde(QStringLiteral("silme-onayi"), [] { SilonayGoster(); });
}

void diyaloglar(Cekim& cekim, TFMainform& ana) {
    for (const QString& ad : sirali(TFMainform::Diyaloglar().keys())) {
        const auto fabrika = TFMainform::Diyaloglar().value(ad);
        cekim.modalIcinde(Cekim::Kisalt(ad.mid(2)), [&] { fabrika(&ana); });
    }
}

// The alarm check with an appointment due now; its window may be modal or not.
void alarm(Cekim& cekim) {
    if (!TFMainform::AlarmKontrolu()) return;
    const QWidgetList onceki = QApplication::topLevelWidgets();
    cekim.modalIcinde(QStringLiteral("alarm"), [] { TFMainform::AlarmKontrolu()(); });
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (onceki.contains(w) || !w->isVisible()) continue;
        Cekim::bekle(250);
        cekim.kaydet(w, QStringLiteral("alarm"));
        Cekim::kapat(w);
    }
}

// The skin chooser in a skin, with that skin picked in its list.
void temaPenceresi(Cekim& cekim, const QString& tema) {
    TemaYoneticisi::Ornek().setAd(tema);
    cekim.setIsleyici(QStringLiteral("FTemalar"), [&cekim, tema](QWidget* d) {
        auto* liste = d->findChild<QListWidget*>(QStringLiteral("Skinlist"));
        const auto bulunan = liste->findItems(tema, Qt::MatchExactly);
        if (!bulunan.isEmpty()) liste->setCurrentItem(bulunan.first());
        cekim.cekVeKapat(d, QStringLiteral("temalar-") + Cekim::Kisalt(tema));
    });
    const auto fabrika = TFMainform::Diyaloglar().value(QStringLiteral("TFTemalar"));
    if (fabrika) cekim.modalIcinde(QString(), [&] { fabrika(FMainform); });
    cekim.isleyiciKaldir(QStringLiteral("FTemalar"));
}

void hepsi(Cekim& cekim, TFMainform& ana, bool alarmDa) {
    ana.ProgramiGoster();
    Cekim::bekle(300);
    cekim.kaydet(&ana, QStringLiteral("ana-pencere"));
    moduller(cekim, ana);
    diyaloglar(cekim, ana);
    mesajlar(cekim);
    if (alarmDa) alarm(cekim);
}

}  // namespace

int main(int argc, char** argv) {
    Uygulama uygulama(argc, argv);
    Uygulama::KimlikKur();
    const QStringList argumanlar = QCoreApplication::arguments();
    if (argumanlar.size() < 2) {
        std::fprintf(stderr, "usage: kovimaro-ekran OUTDIR [--tum-temalar]\n");
        return 2;
    }
    const bool tumTemalar = argumanlar.contains(QStringLiteral("--tum-temalar"));

    QTemporaryDir veri;
    TDm dm(veri.path());
    Dm = &dm;
    if (!dm.DataModuleCreate()) return 1;
    OrnekVeriYaz(dm);

    Cekim cekim(argumanlar.at(1));
    bakimIsleyicileri(cekim);
    ModulleriKaydet();
    TFMainform ana(dm);
    FMainform = &ana;

    // A new file shows the opening alert as the program goes to the tray.
    Cekim::bekle(900);
    cekim.ekranKaydet(QStringLiteral("masaustu-uyari"));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TMasaustuUyarisi*>(w) && w->isVisible()) w->close();
    Cekim::bekle(200);

    hepsi(cekim, ana, true);

    // The skin chooser in the built-in skin and in a dark one, and the main
    // window with a module open in the dark one.
    const QStringList temalar = TemaYoneticisi::Ornek().Temalar();
    const QString ic = QString::fromLatin1(TemaYoneticisi::kIcTema);
    const QString koyu = temalar.contains(QStringLiteral("Gece Mavisi"))
                             ? QStringLiteral("Gece Mavisi")
                             : temalar.value(1, ic);
    temaPenceresi(cekim, ic);
    temaPenceresi(cekim, koyu);
    if (!TFMainform::Moduller().isEmpty()) {
        QWidget* w = ana.ModulAc(sirali(TFMainform::Moduller().keys()).first());
        if (w) w->parentWidget()->resize(560, 360);
        Cekim::bekle(300);
        cekim.kaydet(&ana, QStringLiteral("ana-pencere-") + Cekim::Kisalt(koyu));
        mdiKapat(ana);
    }

    if (tumTemalar) {
        for (const QString& tema : temalar) {
            TemaYoneticisi::Ornek().setAd(tema);
            cekim.setOnEk(QStringLiteral("temalar/") + Cekim::Kisalt(tema) + QLatin1Char('-'));
            hepsi(cekim, ana, false);
        }
    }
    TemaYoneticisi::Ornek().setAd(ic);
    std::printf("%d pictures\n", cekim.sayi());
    ana.TMsCikisClick();
    Dm = nullptr;
    return 0;
}
