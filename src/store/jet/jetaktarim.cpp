#include "jetaktarim.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "baglanti.h"
#include "dbhatasi.h"
#include "jetdosyasi.h"
#include "sema.h"
#include "sorgu.h"

namespace JetAktarim {

namespace {

constexpr qint64 kIlerlemeAraligi = 500;

struct Aktarilacak {
    SemaTablo tanim;  // the schema's table, cut down to the columns the file has
    Jet::Tablo veri;
    QList<int> sira;  // for each column of tanim, its column in veri
};

// The schema's tables that the file has, each with the schema's columns that
// the file has, in the schema's order; the upgrade adds what is missing.
QList<Aktarilacak> oku(const QString& yol) {
    const QStringList dosyadaki = Jet::Tablolar(yol);
    QList<Aktarilacak> liste;
    for (const SemaTablo& t : Sema::Tablolar()) {
        QString ad;
        for (const QString& d : dosyadaki)
            if (d.compare(QLatin1String(t.ad), Qt::CaseInsensitive) == 0) ad = d;
        if (ad.isEmpty()) continue;
        // Only the schema's columns are asked for: a column of its own that a
        // user added in Access has no place in the schema and may be of a
        // type the reader does not take.
        const QStringList varolan = Jet::Sutunlar(yol, ad);
        Aktarilacak a;
        a.tanim.ad = t.ad;
        QStringList istenen;
        for (const SemaSutun& s : t.sutunlar) {
            for (const QString& v : varolan) {
                if (v.compare(QLatin1String(s.ad), Qt::CaseInsensitive) == 0) {
                    a.tanim.sutunlar.push_back(s);
                    a.sira.append(static_cast<int>(istenen.size()));
                    istenen.append(v);
                    break;
                }
            }
        }
        if (istenen.isEmpty()) continue;
        a.veri = Jet::TabloOku(yol, ad, istenen);
        liste.append(std::move(a));
    }
    return liste;
}

[[noreturn]] void sqliteHatasi(sqlite3* db) {
    throw DbHatasi(QString::fromUtf8(sqlite3_errmsg(db)));
}

void bagla(sqlite3* db, sqlite3_stmt* st, int no, const QVariant& v) {
    int rc = SQLITE_OK;
    switch (v.typeId()) {
        case QMetaType::UnknownType:
            rc = sqlite3_bind_null(st, no);
            break;
        case QMetaType::LongLong:
            rc = sqlite3_bind_int64(st, no, v.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(st, no, v.toDouble());
            break;
        case QMetaType::QDateTime: {
            // Dates as the statement component stores them, wall time as the file had it.
            const QString s = Sorgu::tarihMetni(v.toDateTime());
            rc = sqlite3_bind_text16(st, no, s.utf16(), static_cast<int>(s.size() * 2),
                                     SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(st, no, b.constData(), static_cast<int>(b.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QString s = v.toString();
            rc = sqlite3_bind_text16(st, no, s.utf16(), static_cast<int>(s.size() * 2),
                                     SQLITE_TRANSIENT);
        }
    }
    if (rc != SQLITE_OK) sqliteHatasi(db);
}

struct Komut {
    sqlite3_stmt* st = nullptr;
    ~Komut() { sqlite3_finalize(st); }
};

void yaz(Baglanti& db, const QList<Aktarilacak>& liste,
         const std::function<void(qint64, qint64)>& ilerleme) {
    qint64 toplam = 0;
    for (const Aktarilacak& a : liste) toplam += a.veri.satirlar.size();
    qint64 yapilan = 0;
    if (ilerleme) ilerleme(0, toplam);
    db.Calistir(QStringLiteral("BEGIN"));
    for (const Aktarilacak& a : liste) {
        db.Calistir(Sema::OlusturmaSatirlari(a.tanim).join(QLatin1Char('\n')));
        QStringList adlar, yerler;
        for (const SemaSutun& s : a.tanim.sutunlar) {
            adlar << QLatin1String(s.ad);
            yerler << QStringLiteral("?");
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(QLatin1String(a.tanim.ad), adlar.join(QStringLiteral(", ")),
                                     yerler.join(QStringLiteral(", ")));
        Komut k;
        if (sqlite3_prepare16_v2(db.handle(), sql.utf16(), static_cast<int>(sql.size() * 2), &k.st,
                                 nullptr) != SQLITE_OK)
            sqliteHatasi(db.handle());
        for (const QVariantList& satir : a.veri.satirlar) {
            for (int i = 0; i < a.sira.size(); ++i)
                bagla(db.handle(), k.st, i + 1, satir.value(a.sira[i]));
            if (sqlite3_step(k.st) != SQLITE_DONE) sqliteHatasi(db.handle());
            sqlite3_reset(k.st);
            if (++yapilan % kIlerlemeAraligi == 0 && ilerleme) ilerleme(yapilan, toplam);
        }
    }
    db.Calistir(QStringLiteral("COMMIT"));
    if (ilerleme) ilerleme(toplam, toplam);
}

// The first free name for the Jet file: "<vdb>.jet", then "<vdb>.jet.2", ...
QString saklamaAdi(const QString& vdbYolu) {
    const QString ad = vdbYolu + QStringLiteral(".jet");
    if (!QFileInfo::exists(ad)) return ad;
    for (int i = 2;; ++i) {
        const QString aday = ad + QLatin1Char('.') + QString::number(i);
        if (!QFileInfo::exists(aday)) return aday;
    }
}

bool yenidenAdlandir(const QString& eski, const QString& yeni) {
    return std::rename(QFile::encodeName(eski).constData(), QFile::encodeName(yeni).constData()) ==
           0;
}

// The renames must outlive a power cut like the data did.
void klasoruEsitle(const QString& yol) {
    const int fd = ::open(QFile::encodeName(QFileInfo(yol).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

Sonuc GerekirseAktar(const QString& vdbYolu, const std::function<void(qint64, qint64)>& ilerleme) {
    if (!QFileInfo(vdbYolu).isFile() || !Jet::JetMi(vdbYolu)) return Sonuc::JetDegil;
    try {
        if (Jet::Parola(vdbYolu) != QLatin1String(kParola)) return Sonuc::YanlisParola;
    } catch (const DbHatasi&) {
        return Sonuc::Basarisiz;
    }
    if (ilerleme) ilerleme(0, 0);

    const QString gecici = vdbYolu + QStringLiteral(".aktariliyor");
    QFile::remove(gecici);  // left by an import that did not finish
    try {
        const QList<Aktarilacak> liste = oku(vdbYolu);
        Baglanti::CreateDatabase(gecici);
        Baglanti db;
        db.setDatabaseName(gecici);
        db.Open();
        yaz(db, liste, ilerleme);
        db.Close();
    } catch (...) {
        QFile::remove(gecici);
        return Sonuc::Basarisiz;
    }

    const QString saklanan = saklamaAdi(vdbYolu);
    const QByteArray vdbAdi = QFile::encodeName(vdbYolu);
    const QByteArray saklananAdi = QFile::encodeName(saklanan);
    if (::link(vdbAdi.constData(), saklananAdi.constData()) == 0) {
        // The Jet file has its second name first; then one atomic rename puts
        // the new file in its place, so that "Kovimaro.Vdb" never goes missing:
        // a program that finds none would start with an empty file.
        if (!yenidenAdlandir(gecici, vdbYolu)) {
            ::unlink(saklananAdi.constData());
            QFile::remove(gecici);
            return Sonuc::Basarisiz;
        }
    } else {
        // A file system without hard links: two renames, undone on failure.
        if (!yenidenAdlandir(vdbYolu, saklanan)) {
            QFile::remove(gecici);
            return Sonuc::Basarisiz;
        }
        if (!yenidenAdlandir(gecici, vdbYolu)) {
            yenidenAdlandir(saklanan, vdbYolu);
            QFile::remove(gecici);
            return Sonuc::Basarisiz;
        }
    }
    klasoruEsitle(vdbYolu);
    return Sonuc::Aktarildi;
}

}  // namespace JetAktarim
