#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

// Writes small Jet 4 (Access 2000) database files for the tests: no Access
// exists here and no package ships such a file. The files hold what a reader
// needs and nothing more: the header page, the MSysObjects catalogue at page 2,
// and for each table its definition page, a page with its usage and free-space
// maps, and its data pages. No indexes, no memo pages, no long values.
namespace JetYazici {

// Column type codes as the file stores them.
enum class Tip : quint8 {
    Evet = 0x01,  // Yes/No; the value lives in the row's null mask
    Bayt = 0x02,
    Tamsayi = 0x03,  // 16 bits
    Uzun = 0x04,     // 32 bits
    Para = 0x05,     // currency: 64-bit integer, ten-thousandths
    Tekli = 0x06,    // float
    Cift = 0x07,     // double
    Tarih = 0x08,    // days since 30.12.1899 as a double
    Metin = 0x0A,
    Ole = 0x0B,  // long binary; written as NULL only
};

struct Sutun {
    QString ad;
    Tip tip = Tip::Metin;
    int uzunluk = 50;       // characters, for text
    bool otomatik = false;  // autonumber (a Long)
    bool sikistir = true;   // text in the compressed form wherever the value allows it
};

// Values: an invalid QVariant is NULL; text columns take QString; date columns
// take QDateTime (wall time, any Qt::TimeSpec) or a raw double; numbers take any
// number; Yes/No takes bool or 0/1.
struct Tablo {
    QString ad;
    QList<Sutun> sutunlar;
    QList<QVariantList> satirlar;
};

struct Dosya {
    QList<Tablo> tablolar;
    QString parola;                                         // at most 20 characters
    QDateTime olusturma{QDate(2004, 5, 17), QTime(9, 30)};  // masks the password
    quint8 surum = 1;                                       // 0x14: 1 is Jet 4
};

// Jet's date number: whole days from 30.12.1899, the time of day as the
// fraction, which for days before that keeps its sign away from zero.
double JetTarihi(const QDateTime& an);

// The text of a value as Jet stores it: the compressed form (FF FE, then one
// byte per character, a zero byte switching to two-byte characters and back)
// when asked and possible, plain UCS-2 otherwise.
QByteArray MetinKodla(const QString& metin, bool sikistir);

QByteArray Yaz(const Dosya& dosya);
// Writes the file; returns false when it cannot be written.
bool DosyayaYaz(const QString& yol, const Dosya& dosya);

inline constexpr int kSayfa = 4096;

}  // namespace JetYazici
