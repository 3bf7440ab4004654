#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QVariantMap>

#include "jetyazici.h"
#include "udm.h"

// A data module on a fresh Kovimaro.Vdb in a temporary folder, set as the
// program's Dm for as long as the object lives.
struct HesapOrtami {
    HesapOrtami();
    ~HesapOrtami();

    // Sets columns of the Params row (an invalid QVariant writes NULL).
    void params(const QVariantMap& degerler);
    // Reads one column of the Params row.
    QVariant param(const QString& sutun);

    QString yol(const QString& ad) const { return dizin.filePath(ad); }
    // Writes a file of the given bytes in the temporary folder and returns its path.
    QString dosya(const QString& ad, const QByteArray& icerik) const;

    QTemporaryDir dizin;
    TDm dm;
};

// The company file's card table with the thirteen columns the viewer reads
// (one of them left out when named), text in the compressed form except
// Yetkili, which is plain UCS-2.
JetYazici::Tablo CariKartTablosu(const QList<QVariantList>& satirlar,
                                 const QString& eksik = QString());
// A company file holding that table and a second, unrelated one.
QByteArray SirketDosyasi(const JetYazici::Tablo& carikart);
