#pragma once

// The agenda window opened on a pinned Monday, and small helpers around it.
#include <QAbstractButton>
#include <QPointer>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "ajandatest.h"
#include "alanlar.h"
#include "gunlukplan.h"
#include "sorgumodeli.h"
#include "tfajanda.h"
#include "zaman.h"

inline const QDate kPazartesi(2026, 12, 7);

inline AjandaOrtami::Satir satir(const QString& ajid, const QDate& bas, const QString& bassaat,
                                 const QDate& bit, const QString& bitsaat, qint64 alarmvar = 1) {
    AjandaOrtami::Satir s;
    s.ajid = ajid;
    s.bastar = bas;
    s.bassaat = bassaat;
    s.bittar = bit;
    s.bitsaat = bitsaat;
    s.aciklama = QStringLiteral("Randevu ") + ajid;
    s.alarmvar = alarmvar;
    return s;
}

// The agenda window, shown, on the pinned day; freed at the end when it still lives.
struct AcikAjanda {
    explicit AcikAjanda(const QDateTime& an = QDateTime(kPazartesi, QTime(14, 5, 30))) {
        Zaman::Ayarla(an);
        w = new TFAjanda;
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) qWarning("agenda window not exposed");
    }
    ~AcikAjanda() { delete w; }
    AcikAjanda(const AcikAjanda&) = delete;
    AcikAjanda& operator=(const AcikAjanda&) = delete;
    TFAjanda* operator->() const { return w; }
    QWidget* izgara() const { return w->GunlukPlan->viewport(); }
    QPoint hucre(int kolon, int satir) const {
        return w->GunlukPlan->hucreAlani(kolon, satir).center();
    }
    void dugme(const char* ad) const { bul<QAbstractButton>(w, ad)->click(); }
    QPointer<TFAjanda> w;
};

// Brings the list tab to the front; the list is read then.
inline void listeyeGec(TFAjanda* w) {
    w->Sayfalar->setCurrentWidget(w->Stumadres);
}

// The key of the list's current row.
inline QString listeAjid(TFAjanda* w) {
    listeyeGec(w);
    const int r = w->DbKayitlar->currentIndex().row();
    w->Q_Kayitlar.setRecNo(r);
    return w->Q_Kayitlar.fieldText(QStringLiteral("Ajid"));
}
