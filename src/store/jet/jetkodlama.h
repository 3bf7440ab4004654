#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include "dbhatasi.h"

// Plain little-endian records for what crosses from the reading child to the
// program: far cheaper than a generic stream for hundreds of thousands of values.
namespace Jet::Kodlama {

struct Yazici {
    QByteArray b;
    void u8(char c) { b.append(c); }
    void u32(quint32 d) {
        char t[4];
        qToLittleEndian<quint32>(d, t);
        b.append(t, 4);
    }
    void i64(qint64 d) {
        char t[8];
        qToLittleEndian<qint64>(d, t);
        b.append(t, 8);
    }
    void bayt(const void* p, qsizetype n) {
        u32(static_cast<quint32>(n));
        b.append(static_cast<const char*>(p), n);
    }
    void metin(const QString& s) { bayt(s.utf16(), s.size() * 2); }
};

// Reads what a Yazici wrote; raises DbHatasi rather than read past the end.
struct Okuyucu {
    const QByteArray& b;
    qsizetype yer = 0;
    void gerek(qint64 n) const {
        if (n < 0 || n > b.size() - yer) throw DbHatasi(QStringLiteral("Jet okuma sonucu eksik."));
    }
    char u8() {
        gerek(1);
        return b[yer++];
    }
    quint32 u32() {
        gerek(4);
        const quint32 d = qFromLittleEndian<quint32>(b.constData() + yer);
        yer += 4;
        return d;
    }
    qint64 i64() {
        gerek(8);
        const qint64 d = qFromLittleEndian<qint64>(b.constData() + yer);
        yer += 8;
        return d;
    }
    // The bytes of a length-prefixed field, in place.
    const char* bayt(qsizetype& n) {
        n = u32();
        gerek(n);
        const char* p = b.constData() + yer;
        yer += n;
        return p;
    }
    QString metin() {
        qsizetype n = 0;
        const char* p = bayt(n);
        return QString(reinterpret_cast<const QChar*>(p), n / 2);
    }
};

}  // namespace Jet::Kodlama
