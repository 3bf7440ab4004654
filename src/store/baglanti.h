#pragma once

#include <QString>

struct sqlite3;

// The connection to the program's own database file (DB_Zafo). The file is a
// plain SQLite 3 database; the connection adds the Turkish collation that the
// program's ORDER BY clauses name.
class Baglanti {
public:
    Baglanti() = default;
    ~Baglanti();
    Baglanti(const Baglanti&) = delete;
    Baglanti& operator=(const Baglanti&) = delete;

    void setDatabaseName(const QString& yol) { yol_ = yol; }
    const QString& databaseName() const { return yol_; }

    bool Connected() const { return db_ != nullptr; }
    // Opens the existing file; raises DbHatasi when it is missing or not a database.
    void Open();
    void Close();
    // The open on demand of every database step: opens the file when it is
    // closed; a failure leaves it closed (the step that follows then fails on
    // the closed connection, or the caller skips its work). Returns Connected().
    bool AcmayaCalis();

    // Creates a new, empty database file readable by its owner only; raises
    // DbHatasi when the file exists already or cannot be written.
    static void CreateDatabase(const QString& yol);

    // Runs statements that take no parameters (pragmas, transactions).
    void Calistir(const QString& sql);

    sqlite3* handle() const { return db_; }

private:
    QString yol_;
    sqlite3* db_ = nullptr;
};
