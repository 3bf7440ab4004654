#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "mesaj.h"
#include "sorgu.h"
#include "udm.h"

// A data module over a fresh file in a temporary folder, with the message
// dialogs answered by the test seam.
struct BakimOrtami {
    BakimOrtami() : dm(dizin.path()) {
        if (!dm.DataModuleCreate()) qFatal("test database could not be created");
        Dm = &dm;
        MesajTest::Etkinlestir(true);
        MesajTest::Temizle();
    }
    ~BakimOrtami() {
        Dm = nullptr;
        MesajTest::Temizle();
    }

    // The first column of a query's rows, as text.
    QStringList sutun(const QString& sql) {
        Sorgu q(dm.DB_Zafo);
        if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
        q.setSql(sql);
        q.Open();
        QStringList sonuc;
        for (; !q.Eof(); q.Next()) sonuc << q.fieldText(q.fieldNames().first());
        return sonuc;
    }
    void calistir(const QString& sql) {
        if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
        Sorgu q(dm.DB_Zafo);
        q.setSql(sql);
        q.Execute();
    }
    // What reached the application's error display.
    static QStringList hatalar() {
        QStringList h;
        for (const auto& k : MesajTest::Gosterilenler())
            if (k.tur == -1) h << k.metin;
        return h;
    }

    QTemporaryDir dizin;
    TDm dm;
};

// Runs the step and hands each modal window it opens to the handler, which
// must close it. Returns the titles of the modal windows that opened.
inline QStringList modalIcinde(const std::function<void()>& adim,
                               const std::function<void(QWidget*)>& isle) {
    QStringList basliklar;
    QWidget* onceki = QApplication::activeModalWidget();
    QTimer bekci;
    bekci.setInterval(5);
    QObject::connect(&bekci, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w != onceki && !w->property("gorulen").toBool()) {
            w->setProperty("gorulen", true);
            basliklar << w->windowTitle();
            isle(w);
        }
    });
    bekci.start();
    adim();
    QCoreApplication::processEvents();
    return basliklar;
}
