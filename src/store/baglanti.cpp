#include "baglanti.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>

#include "dbhatasi.h"
#include "turkce.h"

namespace {

// The file keeps its texts in UTF-8: comparing them as they are spares a
// conversion for every comparison of a sort.
int turkceHarmanla(void*, int uzA, const void* a, int uzB, const void* b) {
    return Turkce::KarsilastirUtf8(static_cast<const char*>(a), uzA, static_cast<const char*>(b),
                                   uzB);
}

QString sqliteHatasi(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

}  // namespace

Baglanti::~Baglanti() {
    Close();
}

void Baglanti::Open() {
    if (db_) return;
    sqlite3* db = nullptr;
    const QByteArray yol = QFile::encodeName(yol_);
    // One thread uses the connection: SQLite need not lock it for every call.
    int rc =
        sqlite3_open_v2(yol.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        QString hata = db ? sqliteHatasi(db) : QStringLiteral("bellek yetersiz");
        sqlite3_close(db);
        throw DbHatasi(QStringLiteral("Veritabanı açılamadı: %1 (%2)").arg(yol_, hata));
    }
    // SQLite opens lazily: read the schema now, so that a file that is not a
    // database fails here and not at the first statement.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        QString hata = sqliteHatasi(db);
        sqlite3_close(db);
        throw DbHatasi(QStringLiteral("Veritabanı açılamadı: %1 (%2)").arg(yol_, hata));
    }
    sqlite3_busy_timeout(db, 5000);
    // Sorting a whole list (every contact in Turkish order) stays in memory
    // instead of spilling to temporary files.
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY; PRAGMA cache_size = -32768", nullptr, nullptr,
                 nullptr);
    sqlite3_create_collation_v2(db, Turkce::kHarmanlama, SQLITE_UTF8, nullptr, turkceHarmanla,
                                nullptr);
    db_ = db;
}

bool Baglanti::AcmayaCalis() {
    if (!db_) {
        try {
            Open();
        } catch (const DbHatasi&) {
        }
    }
    return db_ != nullptr;
}

void Baglanti::Close() {
    if (!db_) return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Baglanti::CreateDatabase(const QString& yol) {
    const QByteArray ad = QFile::encodeName(yol);
    int fd = ::open(ad.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) throw DbHatasi(QStringLiteral("Veritabanı dosyası oluşturulamadı: %1").arg(yol));
    ::close(fd);
    // An empty file is an empty SQLite database; write its header now so that
    // the file is a database from the first moment on.
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(ad.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA user_version = 0; VACUUM;", nullptr, nullptr, nullptr);
    QString hata = (rc != SQLITE_OK && db) ? sqliteHatasi(db) : QString();
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        QFile::remove(yol);
        throw DbHatasi(QStringLiteral("Veritabanı dosyası oluşturulamadı: %1 (%2)").arg(yol, hata));
    }
}

void Baglanti::Calistir(const QString& sql) {
    if (!db_) throw DbHatasi(QStringLiteral("Veritabanı bağlantısı açık değil."));
    char* hata = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &hata) != SQLITE_OK) {
        QString m = QString::fromUtf8(hata);
        sqlite3_free(hata);
        throw DbHatasi(m);
    }
}
