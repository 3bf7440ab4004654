#include "yedektanim.h"

#include "sorgu.h"

namespace YedekTanim {

Parametreler ParametreleriOku(Sorgu& q) {
    q.Close();
    q.setSql(QStringLiteral("Select Params.* From Params"));
    q.Open();
    Parametreler p;
    p.musterikod = q.fieldText(QStringLiteral("musterikod"));
    p.progdizin = q.fieldText(QStringLiteral("progdizin"));
    q.Close();
    return p;
}

QStringList DosyalariOku(Sorgu& q) {
    q.Close();
    q.setSql(QStringLiteral("Select Yedekdosyalar.* From Yedekdosyalar"));
    q.Open();
    QStringList dosyalar;
    for (; !q.Eof(); q.Next()) dosyalar << q.fieldText(QStringLiteral("Dosyaadi"));
    q.Close();
    return dosyalar;
}

void Kaydet(Sorgu& q, Sorgu& q2, const QString& musterikod, const QString& progdizin,
            const QStringList& dosyalar) {
    q.Close();
    q.setSql(QStringLiteral("Update Params Set Musterikod=:Musterikod, Progdizin=:Progdizin"));
    q.paramText(QStringLiteral("Musterikod"), musterikod);
    q.paramText(QStringLiteral("Progdizin"), progdizin);
    q.Execute();

    // The column compares without regard to case; file paths must not, or a
    // path differing from a stored one only in case would be taken for it and
    // then deleted with it.
    q.Close();
    q.setSql(QStringLiteral(
        "Select Yedekdosyalar.* From Yedekdosyalar Where Dosyaadi=:Dosyaadi Collate Binary"));
    q2.Close();
    q2.setSql(QStringLiteral("Insert Into Yedekdosyalar (Dosyaadi) Values (:Dosyaadi)"));
    for (const QString& dosya : dosyalar) {
        q.Close();
        q.paramText(QStringLiteral("Dosyaadi"), dosya);
        q.Open();
        if (q.RecordCount() == 0) {
            q2.paramText(QStringLiteral("Dosyaadi"), dosya);
            q2.Execute();
        }
    }

    q2.Close();
    q2.setSql(QStringLiteral("Delete From Yedekdosyalar Where Dosyaadi=:Dosyaadi Collate Binary"));
    q.Close();
    q.setSql(QStringLiteral("Select Yedekdosyalar.* From Yedekdosyalar"));
    q.Open();
    for (; !q.Eof(); q.Next()) {
        const QString dosya = q.fieldText(QStringLiteral("Dosyaadi"));
        if (!dosyalar.contains(dosya, Qt::CaseSensitive)) {
            q2.paramText(QStringLiteral("Dosyaadi"), dosya);
            q2.Execute();
        }
    }
    q.Close();
}

}  // namespace YedekTanim
