#pragma once

#include <QString>
#include <QStringList>

#include "logo.h"
#include "metintablosu.h"

namespace Logo {

// One read-only session with the ERP's SQL Server through unixODBC and the
// FreeTDS driver. The handles are freed when the session ends.
class Oturum {
public:
    Oturum();
    ~Oturum();
    Oturum(const Oturum&) = delete;
    Oturum& operator=(const Oturum&) = delete;

    // Logs in; raises Hata (Baglanti) with the driver's diagnostics.
    void Ac(const Bilgiler& bilgi);
    // Logs in with a connection string of the caller's (tests reach the test server's port this
    // way).
    void AcMetinle(const QString& baglantiMetni);
    bool Acik() const { return dbc_ != nullptr && bagli_; }
    void Kapat();

    // How long a statement may wait for the server (seconds).
    void setSorguSuresi(int saniye) { sorguSuresi_ = saniye; }

    // Sends the statement as it stands and reads every row as text (numbers and
    // dates as the driver writes them); raises Hata (Sorgu).
    MetinTablosu Sorgula(const QString& sql);

private:
    void* env_ = nullptr;
    void* dbc_ = nullptr;
    bool bagli_ = false;
    int sorguSuresi_ = kSorguSuresi;
};

// Logs in, runs one statement and logs out: what the working parameters'
// test and the viewer need. Raises Hata.
MetinTablosu Oku(const Bilgiler& bilgi, const QStringList& satirlar);

}  // namespace Logo
