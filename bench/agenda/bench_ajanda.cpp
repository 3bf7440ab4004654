// Figures for the agenda: opening the window (list and first 7-day range),
// switching to 31 days at 1-minute rows and painting the view once, one day
// step, and one alarm check with nothing due. Run from the build folder:
//   bench/agenda/bench_ajanda [appointments] [alarm-rows]
// It works in a temporary folder of its own; the user's settings are not touched.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "alarm.h"
#include "gunlukplan.h"
#include "planyoneticisi.h"
#include "sorgu.h"
#include "sorgumodeli.h"
#include "tfajanda.h"
#include "udm.h"
#include "zaman.h"

namespace {

const QDate kBugun(2026, 12, 7);

struct Olcum {
    double enAz = 0, orta = 0, islemci = 0;
};

// Processor time of this process: on a machine shared with other work the
// wall clock also counts the waits for a core.
double islemciMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Olcum olc(int tekrar, const std::function<void()>& hazirlik, const std::function<void()>& is) {
    std::vector<double> ms, cpu;
    for (int i = 0; i < tekrar; ++i) {
        if (hazirlik) hazirlik();
        const double c0 = islemciMs();
        QElapsedTimer t;
        t.start();
        is();
        ms.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(islemciMs() - c0);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms.front(), ms[ms.size() / 2], cpu[cpu.size() / 2]};
}

void yaz(const char* ad, const Olcum& o, double hedef) {
    std::printf("%-50s median %8.2f ms  best %8.2f ms  cpu %8.2f ms", ad, o.orta, o.enAz,
                o.islemci);
    if (hedef > 0) std::printf("  target <= %3.0f ms", hedef);
    std::printf("\n");
}

// Appointments spread over ten years around today: mostly within one day,
// some over two or three days, a third with an alarm at the start.
void randevularEkle(Sorgu& q, int adet, const QString& onek, bool yalnizAlarm) {
    QRandomGenerator rnd(adet * 7919u + static_cast<quint32>(onek.size()));
    Dm->DB_Zafo.Calistir(QStringLiteral("BEGIN"));
    q.Close();
    q.clearSql();
    q.addSql(
        QStringLiteral("Insert Into Ajanda (Ajid, Bastar, Bittar, Bassaat, Bitsaat, Aciklama, "
                       "Alarmvar, Alarmgun, Alarmsaat, Alarmdak)"));
    q.addSql(
        QStringLiteral("Values (:Ajid, :Bastar, :Bittar, :Bassaat, :Bitsaat, :Aciklama, "
                       ":Alarmvar, :Alarmgun, :Alarmsaat, :Alarmdak)"));
    for (int i = 0; i < adet; ++i) {
        const QDate gun = kBugun.addDays(rnd.bounded(-1826, 1826));
        const QTime bas = QTime(7, 0).addSecs(rnd.bounded(48) * 15 * 60);
        const int gunSayisi = rnd.bounded(100) < 5 ? rnd.bounded(1, 3) : 0;
        QDateTime bit =
            QDateTime(gun.addDays(gunSayisi), bas).addSecs((1 + rnd.bounded(12)) * 15 * 60);
        const bool alarm = yalnizAlarm || rnd.bounded(3) == 0;
        // Alarm rows of the check are never due at the measured minute.
        const QDate alarmGunu = yalnizAlarm ? kBugun.addDays(rnd.bounded(-1826, 1826)) : gun;
        const int alarmSaati = yalnizAlarm && alarmGunu == kBugun ? 3 : bas.hour();
        q.paramText(QStringLiteral("Ajid"), onek + QString::number(i));
        q.paramDate(QStringLiteral("Bastar"), gun);
        q.paramDate(QStringLiteral("Bittar"), bit.date());
        q.paramText(QStringLiteral("Bassaat"), bas.toString(QStringLiteral("HH:mm:ss")));
        q.paramText(QStringLiteral("Bitsaat"), bit.time().toString(QStringLiteral("HH:mm:ss")));
        q.paramText(QStringLiteral("Aciklama"),
                    QStringLiteral("Görüşme %1 - müşteri ziyareti").arg(i));
        q.paramInt(QStringLiteral("Alarmvar"), alarm ? 2 : 1);
        q.paramDate(QStringLiteral("Alarmgun"), alarm ? alarmGunu : Zaman::SifirTarih());
        q.paramInt(QStringLiteral("Alarmsaat"), alarm ? alarmSaati : 0);
        q.paramInt(QStringLiteral("Alarmdak"), alarm ? bas.minute() : 0);
        q.Execute();
    }
    Dm->DB_Zafo.Calistir(QStringLiteral("COMMIT"));
}

double tamCizim(GunlukPlanGorunumu* plan) {
    QImage resim(plan->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer t;
    t.start();
    QPainter p(&resim);
    plan->ciz(p, QRect(QPoint(0, 0), plan->viewport()->size()));
    p.end();
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir dizin;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", dizin.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    const int randevuSayisi = argc > 1 ? std::atoi(argv[1]) : 30000;
    const int alarmToplami = argc > 2 ? std::atoi(argv[2]) : 100000;

    TDm dm(dizin.path());
    if (!dm.DataModuleCreate()) return 1;
    Dm = &dm;
    Zaman::Ayarla(QDateTime(kBugun, QTime(14, 5, 30)));

    QElapsedTimer dolum;
    dolum.start();
    randevularEkle(dm.Q_Temp, randevuSayisi, QStringLiteral("r"), false);
    std::printf("%d appointments over ten years written in %.0f ms\n\n", randevuSayisi,
                dolum.nsecsElapsed() / 1e6);

    // The two reads of the opening on their own.
    Sorgu q(dm.DB_Zafo);
    const Olcum liste = olc(7, {}, [&] {
        q.Close();
        q.setSql(QStringLiteral("Select ajanda.* from ajanda Order By Bastar, Bassaat"));
        q.Open();
    });
    yaz("list query alone (all rows)", liste, 0);
    auto aralik = [&](const QDate& ilk, const QDate& son) {
        q.Close();
        q.clearSql();
        q.addSql(QStringLiteral("Select Ajanda.* From Ajanda"));
        q.addSql(
            QStringLiteral("Where Bastar >= :Bastar And Bittar <= :Bittar And Bastar <= :Bittar"));
        q.paramDate(QStringLiteral("Bastar"), ilk);
        q.paramDate(QStringLiteral("Bittar"), son);
        q.Open();
    };
    yaz("7-day range query alone", olc(7, {}, [&] { aralik(kBugun, kBugun.addDays(6)); }), 0);
    yaz("1-day range query alone",
        olc(7, {}, [&] { aralik(kBugun.addDays(7), kBugun.addDays(7)); }), 0);
    q.Close();
    std::printf("\n");

    TFAjanda* pencere = nullptr;
    auto yeniPencere = [&] {
        delete pencere;
        pencere = new TFAjanda;
        pencere->resize(1280, 800);
        pencere->show();
        tamCizim(pencere->GunlukPlan);
    };
    const Olcum acilis = olc(
        7,
        [&] {
            delete pencere;
            pencere = nullptr;
        },
        yeniPencere);
    yaz("open (day view, first 7-day range, first paint)", acilis, 100);
    std::printf("  appointments held: %d\n", pencere->PlanManager->RandevuSayisi());
    const Olcum listeSekmesi =
        olc(7, yeniPencere, [&] { pencere->Sayfalar->setCurrentWidget(pencere->Stumadres); });
    yaz("first look at \"Tüm Kayıtlar\" (reads every row)", listeSekmesi, 0);
    std::printf("  list rows: %d\n", pencere->Ds_Kayitlar->rowCount());
    const Olcum ikisi = olc(
        7,
        [&] {
            delete pencere;
            pencere = nullptr;
        },
        [&] {
            yeniPencere();
            pencere->Sayfalar->setCurrentWidget(pencere->Stumadres);
        });
    yaz("open and read the list at once", ikisi, 100);
    pencere->Sayfalar->setCurrentWidget(pencere->SGunluk);

    auto dugme = [&](const char* ad) {
        pencere->findChild<QAbstractButton*>(QLatin1String(ad))->click();
    };
    int adim = 0;
    const Olcum gecis = olc(
        5,
        [&] {
            // A fresh window each time, so that the 24 new days are really read.
            yeniPencere();
            dugme("sSpeedButton12");
            dugme("sSpeedButton2");
        },
        [&] {
            dugme("sSpeedButton14");
            dugme("sSpeedButton7");
            tamCizim(pencere->GunlukPlan);
        });
    yaz("switch to 31 days at 1-minute rows, with paint", gecis, 16);
    const Olcum cizim = olc(15, {}, [&] { tamCizim(pencere->GunlukPlan); });
    yaz("one full paint at 31 days, 1-minute rows", cizim, 16);
    // Rows at the busy part of the day, where most boxes are.
    pencere->GunlukPlan->ustSaatiAyarla(QTime(10, 0));
    const Olcum kalabalik = olc(15, {}, [&] { tamCizim(pencere->GunlukPlan); });
    yaz("one full paint at 10:00, 31 days, 1-minute rows", kalabalik, 16);
    const Olcum gunAdimi = olc(15, {}, [&] {
        ++adim;
        dugme("BSonraki");
        tamCizim(pencere->GunlukPlan);
    });
    yaz("one day step (new day read, with paint)", gunAdimi, 20);
    std::printf("  appointments held after %d steps: %d\n", adim,
                pencere->PlanManager->RandevuSayisi());
    delete pencere;

    dolum.restart();
    randevularEkle(dm.Q_Temp, std::max(0, alarmToplami - randevuSayisi), QStringLiteral("a"), true);
    Sorgu say(dm.DB_Zafo);
    say.setSql(QStringLiteral("Select Count(*) As N From Ajanda"));
    say.Open();
    std::printf("\n%lld rows in Ajanda for the alarm check (filled in %.0f ms)\n",
                say.fieldInt(QStringLiteral("N")), dolum.nsecsElapsed() / 1e6);
    const Olcum alarm = olc(
        25, [&] { Dm->DB_Zafo.Close(); }, [] { AlarmKontrol(); });
    yaz("one AlarmKontrol, nothing due (opens the file)", alarm, 5);
    const Olcum alarmAcik = olc(25, {}, [] { AlarmKontrol(); });
    yaz("one AlarmKontrol, nothing due (file open)", alarmAcik, 5);
    Dm = nullptr;
    return 0;
}
