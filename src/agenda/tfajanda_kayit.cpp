// The agenda window's work on the table: the range load of the day view, new
// and changed appointments, deletes and stored drags.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <memory>

#include "alanlar.h"
#include "dbhatasi.h"
#include "gunlukplan.h"
#include "mesaj.h"
#include "planyoneticisi.h"
#include "randevuaktar.h"
#include "tfajanda.h"
#include "tfajandanew.h"
#include "udm.h"
#include "uygulama.h"
#include "zafoputil.h"
#include "zaman.h"

namespace {

QString saatMetni(const QTime& saat) {
    return saat.toString(QStringLiteral("HH:mm:ss"));
}

// The stored row of an appointment, for the fields a drag leaves alone.
struct SatirDegerleri {
    QString aciklama;
    qint64 alarmvar = 1;
    QDate alarmgun;
    qint64 alarmsaat = 0;
    qint64 alarmdak = 0;
};

void guncellemeSatirlari(Sorgu& q) {
    q.addSql(QStringLiteral(
        "Update Ajanda Set Bastar=:Bastar, Bittar=:Bittar, Bassaat=:Bassaat, Bitsaat=:Bitsaat, "
        "Aciklama=:Aciklama,"));
    q.addSql(QStringLiteral(
        "Alarmvar=:Alarmvar, Alarmgun=:Alarmgun, Alarmsaat=:Alarmsaat, Alarmdak=:Alarmdak"));
    q.addSql(QStringLiteral("Where Ajid=:Ajid"));
}

}  // namespace

void TFAjanda::PlanManagerLoadBatch(const QString&, const QDate& ilk, const QDate& son) {
    QStringList reddedilenler;
    try {
        Q_Ajanda.Close();
        Q_Ajanda.clearSql();
        Q_Ajanda.addSql(QStringLiteral("Select Ajanda.* From Ajanda"));
        // "Bastar <= :Bittar" follows from the other two for every row the
        // view accepts; it lets the index on Bastar bound the scan on both
        // sides instead of reading every later row.
        Q_Ajanda.addSql(
            QStringLiteral("Where Bastar >= :Bastar And Bittar <= :Bittar And Bastar <= :Bittar"));
        Q_Ajanda.paramDate(QStringLiteral("Bastar"), ilk);
        Q_Ajanda.paramDate(QStringLiteral("Bittar"), son);
        Q_Ajanda.Open();
        TopluGuncelleme toplu(*PlanManager);
        // A row the day view refuses stays out; the others still come in.
        for (Q_Ajanda.First(); !Q_Ajanda.Eof(); Q_Ajanda.Next()) {
            const QString neden = RandevuAktar(*PlanManager, Q_Ajanda);
            if (!neden.isEmpty()) reddedilenler.append(ReddedilenSatir(neden, Q_Ajanda));
        }
        Q_Ajanda.Close();
    } catch (const DbHatasi& hata) {
        Q_Ajanda.Close();
        HataPenceresi(hata.mesaj());
        return;
    }
    if (!reddedilenler.isEmpty()) HataPenceresi(reddedilenler.join(QStringLiteral("\n\n")));
}

void TFAjanda::AjandaEkle() {
    auto pencere = std::make_unique<TFAjandanew>(this);
    QDate basGun, bitGun;
    QTime basSaat, bitSaat;
    if (GunlukPlan->gecerliSecimVar()) {
        const QPoint ilk = GunlukPlan->ilkSeciliHucre();
        const QPoint son = GunlukPlan->sonSeciliHucre();
        basGun = GunlukPlan->kolonTarihi(ilk.x());
        bitGun = GunlukPlan->kolonTarihi(son.x());
        basSaat = GunlukPlan->satirBaslangici(ilk.y());
        bitSaat = GunlukPlan->satirBitisi(son.y());
    } else {
        const QTime simdi = Zaman::SuAn();
        basGun = bitGun = Zaman::Bugun();
        basSaat = QTime(simdi.hour(), simdi.minute(), simdi.second());
        // 25 minutes on, as a time of day: late in the evening it passes
        // midnight while the end date stays today.
        bitSaat = basSaat.addSecs(25 * 60);
    }
    pencere->EBastar->setTarih(basGun);
    pencere->EBittar->setTarih(bitGun);
    pencere->EBassaat->setTime(basSaat);
    pencere->EBitsaat->setTime(bitSaat);
    pencere->EUyarigun->setTarih(basGun);
    pencere->EUyarisaat->setText(basSaat.toString(QStringLiteral("HH")));
    pencere->EUyaridak->setText(basSaat.toString(QStringLiteral("mm")));
    if (pencere->exec() == 1) {
        AjandaKaydet(1, QString(), *pencere);
        listeyiYenile();
    }
}

void TFAjanda::AjandaDuzelt(const QString& ajid) {
    auto pencere = std::make_unique<TFAjandanew>(this);
    Sorgu& q = Dm->Q_Temp;
    try {
        Dm->DB_Zafo.AcmayaCalis();
        q.Close();
        q.setSql(QStringLiteral("Select Ajanda.* From Ajanda Where Ajid=:Keyval"));
        q.paramText(QStringLiteral("Keyval"), ajid);
        q.Open();
    } catch (const DbHatasi& hata) {
        q.Close();
        HataPenceresi(hata.mesaj());
        return;
    }
    // Deleted meanwhile: there is nothing left to change.
    if (q.RecordCount() == 0) {
        q.Close();
        return;
    }
    pencere->EBastar->kayittanYukle(q.fieldDate(QStringLiteral("Bastar")));
    pencere->EBittar->kayittanYukle(q.fieldDate(QStringLiteral("Bittar")));
    pencere->EBassaat->setTime(SaatOku(q.fieldText(QStringLiteral("Bassaat"))));
    pencere->EBitsaat->setTime(SaatOku(q.fieldText(QStringLiteral("Bitsaat"))));
    pencere->EAciklama->setPlainText(q.fieldText(QStringLiteral("Aciklama")));
    pencere->EUyari->setChecked(q.fieldInt(QStringLiteral("Alarmvar")) == 2);
    pencere->EUyarigun->kayittanYukle(q.fieldDate(QStringLiteral("Alarmgun")));
    pencere->EUyarisaat->setText(QString::number(q.fieldInt(QStringLiteral("Alarmsaat"))));
    pencere->EUyaridak->setText(QString::number(q.fieldInt(QStringLiteral("Alarmdak"))));
    q.Close();
    if (pencere->exec() == 1) {
        AjandaKaydet(2, ajid, *pencere);
        listeyiYenile(ajid);
    }
}

void TFAjanda::AjandaKaydet(int tur, const QString& ajid, const TFAjandanew& pencere) {
    const QString anahtar = tur == 1 ? RastgeleAnahtar() : ajid;
    const bool uyari = pencere.EUyari->isChecked();
    Sorgu& q = Dm->Q_Temp;
    try {
        Dm->DB_Zafo.AcmayaCalis();
        q.Close();
        q.clearSql();
        if (tur == 1) {
            q.addSql(
                QStringLiteral("Insert Into Ajanda (Ajid, Bastar, Bittar, Bassaat, Bitsaat, "
                               "Aciklama, Alarmvar, Alarmgun, Alarmsaat, Alarmdak)"));
            q.addSql(
                QStringLiteral("Values (:Ajid, :Bastar, :Bittar, :Bassaat, :Bitsaat, "
                               ":Aciklama, :Alarmvar, :Alarmgun, :Alarmsaat, :Alarmdak)"));
        } else {
            guncellemeSatirlari(q);
        }
        q.paramText(QStringLiteral("Ajid"), anahtar);
        q.paramDate(QStringLiteral("Bastar"), pencere.EBastar->kayitDegeri());
        q.paramDate(QStringLiteral("Bittar"), pencere.EBittar->kayitDegeri());
        q.paramText(QStringLiteral("Bassaat"), saatMetni(pencere.EBassaat->time()));
        q.paramText(QStringLiteral("Bitsaat"), saatMetni(pencere.EBitsaat->time()));
        q.paramText(QStringLiteral("Aciklama"), pencere.aciklama());
        q.paramInt(QStringLiteral("Alarmvar"), uyari ? 2 : 1);
        q.paramDate(QStringLiteral("Alarmgun"),
                    uyari ? pencere.EUyarigun->kayitDegeri() : Zaman::SifirTarih());
        q.paramInt(QStringLiteral("Alarmsaat"), uyari ? pencere.EUyarisaat->text().toInt() : 0);
        q.paramInt(QStringLiteral("Alarmdak"), uyari ? pencere.EUyaridak->text().toInt() : 0);
        q.Execute();
    } catch (const DbHatasi&) {
        // The user must not go on believing the appointment is stored.
        HataGoster(QStringLiteral("Kayıt yapılırken bir hata oluştu !.."), 0);
        return;
    }
    satiriGunlugeAktar(anahtar);
}

void TFAjanda::satiriGunlugeAktar(const QString& ajid) {
    QString neden;
    try {
        Q_Ajanda.Close();
        Q_Ajanda.setSql(QStringLiteral("Select Ajanda.* From Ajanda Where Ajid=:Keyval"));
        Q_Ajanda.paramText(QStringLiteral("Keyval"), ajid);
        Q_Ajanda.Open();
        if (Q_Ajanda.RecordCount() > 0) {
            neden = RandevuAktar(*PlanManager, Q_Ajanda);
            if (!neden.isEmpty()) neden = ReddedilenSatir(neden, Q_Ajanda);
        }
    } catch (const DbHatasi& hata) {
        neden = hata.mesaj();
    }
    if (!neden.isEmpty()) HataPenceresi(neden);
}

void TFAjanda::AjandaSil(const QString& ajid) {
    if (SilonayGoster(this) != 1) return;
    Sorgu& q = Dm->Q_Temp;
    try {
        Dm->DB_Zafo.AcmayaCalis();
        q.Close();
        q.setSql(QStringLiteral("Delete From Ajanda Where Ajid=:Keyval"));
        q.paramText(QStringLiteral("Keyval"), ajid);
        q.Execute();
    } catch (const DbHatasi&) {
        // The row is still there: the day view keeps showing it.
        HataGoster(QStringLiteral("Kayıt silinirken bir hata oluştu !.."), 0);
        listeyiYenile(ajid);
        return;
    }
    PlanManager->Sil(ajid);
    listeyiYenile();
}

void TFAjanda::RandevuTasindi(const QString& ajid, const QDateTime& baslangic,
                              const QDateTime& bitis) {
    // A drag changes only the start and the end; the rest is written back as stored.
    Sorgu& q = Dm->Q_Temp;
    try {
        Dm->DB_Zafo.AcmayaCalis();
        q.Close();
        q.setSql(QStringLiteral("Select Ajanda.* From Ajanda Where Ajid=:Keyval"));
        q.paramText(QStringLiteral("Keyval"), ajid);
        q.Open();
        if (q.RecordCount() == 0) {
            q.Close();
            PlanManager->Sil(ajid);
            return;
        }
        SatirDegerleri s;
        s.aciklama = q.fieldText(QStringLiteral("Aciklama"));
        s.alarmvar = q.fieldInt(QStringLiteral("Alarmvar"));
        s.alarmgun = q.fieldDate(QStringLiteral("Alarmgun"));
        s.alarmsaat = q.fieldInt(QStringLiteral("Alarmsaat"));
        s.alarmdak = q.fieldInt(QStringLiteral("Alarmdak"));
        q.Close();
        q.clearSql();
        guncellemeSatirlari(q);
        q.paramText(QStringLiteral("Ajid"), ajid);
        q.paramDate(QStringLiteral("Bastar"), baslangic.date());
        q.paramDate(QStringLiteral("Bittar"), bitis.date());
        q.paramText(QStringLiteral("Bassaat"), saatMetni(baslangic.time()));
        q.paramText(QStringLiteral("Bitsaat"), saatMetni(bitis.time()));
        q.paramText(QStringLiteral("Aciklama"), s.aciklama);
        q.paramInt(QStringLiteral("Alarmvar"), s.alarmvar);
        q.paramDate(QStringLiteral("Alarmgun"), s.alarmgun);
        q.paramInt(QStringLiteral("Alarmsaat"), s.alarmsaat);
        q.paramInt(QStringLiteral("Alarmdak"), s.alarmdak);
        q.Execute();
    } catch (const DbHatasi&) {
        // The box keeps its changed picture: it is not stored.
        q.Close();
        HataGoster(QStringLiteral("Kayıt yapılırken bir hata oluştu !.."), 0);
        return;
    }
    satiriGunlugeAktar(ajid);
    listeyiYenile(ajid);
}
