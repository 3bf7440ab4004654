#include "testdb.h"

#include <QHash>

#include "veritabani.h"

TestVeritabani::TestVeritabani(bool olustur) : yol(dizin.filePath(QStringLiteral("Kovimaro.Vdb"))) {
    db.setDatabaseName(yol);
    if (olustur) {
        if (Veritabani::VeritabaniOlustur(db, q, yol) != Veritabani::OlusturmaSonucu::Tamam)
            qFatal("test database could not be created in %s", qPrintable(yol));
    } else {
        Baglanti::CreateDatabase(yol);
        db.Open();
    }
}

void testSql(Sorgu& q, const QString& sql) {
    q.Close();
    q.setSql(sql);
    q.Execute();
}

int EklendigiSurum(const QString& tablo, const QString& sutun) {
    static const QHash<QString, int> surumler = {
        {QStringLiteral("hatalog"), 19},
        {QStringLiteral("kasahar"), 19},
        {QStringLiteral("ajanda"), 21},
        {QStringLiteral("sadres"), 39},
        {QStringLiteral("notlar"), 51},
        {QStringLiteral("params.kolesira"), 5},
        {QStringLiteral("params.bilginame"), 19},
        {QStringLiteral("params.kullanici"), 19},
        {QStringLiteral("params.kulisim"), 29},
        {QStringLiteral("params.kulsirket"), 29},
        {QStringLiteral("params.gunyontem"), 42},
        {QStringLiteral("adresler.ozeltarih"), 43},
        {QStringLiteral("adresler.notlar"), 43},
        {QStringLiteral("params.ftpdeneme"), 44},
        {QStringLiteral("ajanda.alarmgun"), 45},
        {QStringLiteral("ajanda.alarmsaat"), 45},
        {QStringLiteral("ajanda.alarmdak"), 45},
        {QStringLiteral("params.kolmod"), 45},
        {QStringLiteral("params.kurtarih"), 45},
        {QStringLiteral("params.kursaat"), 45},
        {QStringLiteral("params.sonbiltarih"), 45},
        {QStringLiteral("params.sonbilsaat"), 45},
        {QStringLiteral("params.keyvalue"), 45},
        {QStringLiteral("params.acilismesaj"), 46},
        {QStringLiteral("params.eposta"), 51},
        {QStringLiteral("params.ticprogram"), 53},
        {QStringLiteral("params.ticsirket"), 53},
        {QStringLiteral("params.ticserver"), 53},
        {QStringLiteral("params.ticveritab"), 53},
        {QStringLiteral("params.ticuser"), 53},
        {QStringLiteral("params.ticpass"), 53},
        {QStringLiteral("params.ticdonem"), 53},
    };
    const QString k =
        sutun.isEmpty() ? tablo.toLower() : (tablo + QLatin1Char('.') + sutun).toLower();
    return surumler.value(k, 0);
}
