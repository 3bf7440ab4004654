#pragma once

#include <QTemporaryDir>
#include <QTest>

#include "baglanti.h"
#include "dbhatasi.h"
#include "sorgu.h"

// Fails the test with the database's own message when a step raises.
#define QVERIFY_DB(adim)                                                                          \
    do {                                                                                          \
        try {                                                                                     \
            adim;                                                                                 \
        } catch (const DbHatasi& hata__) {                                                        \
            QFAIL(                                                                                \
                qPrintable(QStringLiteral("%1: %2").arg(QStringLiteral(#adim), hata__.mesaj()))); \
        }                                                                                         \
    } while (false)

// A fresh database file in a temporary folder of its own.
struct TestVeritabani {
    // olustur: create every table with the default rows, as a first start does.
    explicit TestVeritabani(bool olustur = true);

    QString klasor() const { return dizin.path(); }

    QTemporaryDir dizin;
    QString yol;
    Baglanti db;
    Sorgu q{db};
};

// Runs a statement without parameters on the test's file; fails the test on error.
void testSql(Sorgu& q, const QString& sql);

// The schema version at which a table or column came in; a file of an older
// version lacks it (0: there from the start). Old files for the upgrade and
// import tests are written from it.
int EklendigiSurum(const QString& tablo, const QString& sutun = QString());
