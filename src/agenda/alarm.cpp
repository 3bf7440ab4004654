#include "alarm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

#include "alanlar.h"
#include "dbhatasi.h"
#include "tfajandaalarm.h"
#include "udm.h"
#include "zaman.h"

void AlarmKontrol() {
    if (!Dm) return;
    const QDate bugun = Zaman::Bugun();
    const QTime simdi = Zaman::SuAn();
    const int saat = simdi.hour();
    const int dakika = simdi.minute();
    Dm->DB_Zafo.AcmayaCalis();
    Sorgu& q = Dm->Q_Temp;
    const bool acildi = Sessizce([&] {
        q.Close();
        q.clearSql();
        // Minute 0 asks for minute -1 as well, which never matches: the
        // minute before is looked for within the same hour only.
        q.addSql(QStringLiteral(
            "Select Ajanda.* From Ajanda Where (Alarmgun=:Alarmgun And Alarmsaat=:Alarmsaat "
            "And ((Alarmdak=:Alarmdak) Or (Alarmdak=:Alarmdak-1)))"));
        q.paramDate(QStringLiteral("Alarmgun"), bugun);
        q.paramInt(QStringLiteral("Alarmsaat"), saat);
        q.paramInt(QStringLiteral("Alarmdak"), dakika);
        q.Open();
    });
    if (!acildi || q.RecordCount() == 0) {
        q.Close();
        return;
    }
    // One window serves every due row of this check; what the user ticked
    // for one appointment is still ticked for the next.
    auto pencere = std::make_unique<TFAjandaalarm>();
    for (q.First(); !q.Eof(); q.Next()) {
        pencere->ajid = q.fieldText(QStringLiteral("Ajid"));
        pencere->EMesaj->setPlainText(q.fieldText(QStringLiteral("Aciklama")));
        pencere->EUyarigun->setTarih(bugun);
        pencere->EUyarisaat->setText(QString::number(saat));
        pencere->EUyaridak->setText(QString::number(dakika));
        pencere->exec();
    }
    q.Close();
}
