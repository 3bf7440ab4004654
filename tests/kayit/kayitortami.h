#pragma once

#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "mesaj.h"
#include "sorgu.h"
#include "udm.h"
#include "uygulama.h"

// A data module of its own on a fresh file in a temporary folder, with the
// message dialogs answered by the test seam and the clock left free.
struct KayitOrtami {
    KayitOrtami();
    ~KayitOrtami();
    KayitOrtami(const KayitOrtami&) = delete;
    KayitOrtami& operator=(const KayitOrtami&) = delete;

    Sorgu& q() { return dm->Q_Temp; }
    // Runs a statement with positional texts (?1, ?2...) filled in order; fails the test on error.
    void sql(const QString& metin, const QVariantList& degerler = {});
    // The first column of the first row of a SELECT.
    QVariant deger(const QString& metin, const QVariantList& degerler = {});
    // The messages the dialogs showed, as texts.
    static QStringList mesajlar();

    QTemporaryDir dizin;
    std::unique_ptr<TDm> dm;
};

// Runs adim on the next modal dialog as soon as it is open (the caller then
// enters its exec()). A dialog still open after adim is left to the caller.
// Deleting the returned timer cancels the wait.
QPointer<QTimer> ModalGelince(std::function<void(QDialog*)> adim);

// Types a text the way a keyboard does, Turkish letters included.
void Yaz(QWidget* alan, const QString& metin);

// Presses a key on whatever the dialog's focus is on.
void OdagaTus(QWidget* pencere, Qt::Key tus, Qt::KeyboardModifiers degistirici = Qt::NoModifier);

// The application object of the program, so that a raised failure reaches the
// error display (recorded by the seam) instead of ending the test.
#define KAYIT_TEST_MAIN(Sinif)                  \
    int main(int argc, char** argv) {           \
        Uygulama uygulama(argc, argv);          \
        Sinif test;                             \
        return QTest::qExec(&test, argc, argv); \
    }
