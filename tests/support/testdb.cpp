#include "testdb.h"

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
