#include "girispencere.h"

#include <QKeyEvent>
#include <QPushButton>

#include "alanlar.h"
#include "baglanti.h"
#include "kayitortak.h"
#include "mesaj.h"
#include "sorgu.h"

namespace {
bool enterMi(int tus) {
    return tus == Qt::Key_Return || tus == Qt::Key_Enter;
}

}  // namespace

GirisPencere::GirisPencere(const QString& ad, const QString& baslik, Baglanti& db, Sorgu& qTemp,
                           QWidget* parent)
    : QDialog(parent), db_(&db), qTemp_(&qTemp) {
    setObjectName(ad);
    setWindowTitle(baslik);
    setModal(true);
    // A fixed dialog whose title bar has only the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    BKaydet = KalinDugme("BKaydet", QStringLiteral("Kaydet - F9"), this);
    BCikis = KalinDugme("BCikis", QStringLiteral("Çıkış - Esc"), this);
    connect(BKaydet, &QPushButton::clicked, this, &GirisPencere::BKaydetClick);
    connect(BCikis, &QPushButton::clicked, this, &GirisPencere::BCikisClick);
}

void GirisPencere::setOdakSirasi(const QList<QWidget*>& sira, const QList<QWidget*>& tussuz) {
    sira_ = sira;
    for (int i = 0; i + 1 < sira.size(); ++i) setTabOrder(sira[i], sira[i + 1]);
    for (QWidget* w : sira)
        if (!tussuz.contains(w)) w->installEventFilter(this);
}

void GirisPencere::Goster() {
    gosterildi_ = true;
    if (Islem == 2) {
        db().AcmayaCalis();
        Sorgu& q = qTemp();
        q.Close();
        q.clearSql();
        for (const QString& satir : yuklemeSql()) q.addSql(satir);
        q.paramInt(QStringLiteral("Sirano"), Sirano);
        q.Open();
        if (q.RecordCount() == 0) {
            q.Close();
            Islem = 1;
            satirBulunamadi();
        } else {
            alanlariDoldur(q);
            q.Close();
        }
    } else if (Islem == 1) {
        yeniKayitDegerleri();
    }
}

bool GirisPencere::calistir(Sorgu& q) {
    q.Execute();
    return true;
}

void GirisPencere::BKaydetClick() {
    // A half-typed time is refused here as on leaving its field (F9 saves from
    // inside it): the focus goes back to it and nothing is written.
    for (SaatAlani* saat : findChildren<SaatAlani*>()) {
        if (saat->eksik()) {
            saat->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!Kontrol()) return;
    db().AcmayaCalis();
    Sorgu& q = qTemp();
    q.Close();
    q.clearSql();
    for (const QString& satir : Islem == 1 ? eklemeSql() : guncellemeSql()) q.addSql(satir);
    parametreleriDoldur(q);
    if (!calistir(q)) return;
    if (Islem == 2 && q.RowsAffected() == 0 && !degisikligiYeniSatirYap(q)) return;
    done(1);
}

bool GirisPencere::degisikligiYeniSatirYap(Sorgu& q) {
    q.Close();
    q.clearSql();
    for (const QString& satir : yuklemeSql()) q.addSql(satir);
    q.paramInt(QStringLiteral("Sirano"), Sirano);
    q.Open();
    const bool duruyor = q.RecordCount() > 0;
    q.Close();
    if (duruyor) {
        // The row is there but the change did not reach it: nothing is
        // closed as saved, and the window keeps what was typed.
        HataGoster(QStringLiteral("Kayıt değiştirilemedi !.."), 0);
        return false;
    }
    Islem = 1;
    yeniSatirAnahtari();
    q.clearSql();
    for (const QString& satir : eklemeSql()) q.addSql(satir);
    parametreleriDoldur(q);
    return calistir(q);
}

void GirisPencere::BCikisClick() {
    done(-1);
}

void GirisPencere::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (gosterildi_) return;
    Goster();
    if (!sira_.isEmpty()) sira_.first()->setFocus(Qt::OtherFocusReason);
}

void GirisPencere::keyPressEvent(QKeyEvent* olay) {
    // Whatever holds the focus, Esc is the "Çıkış - Esc" button; Enter presses
    // no button on its own.
    if (olay->key() == Qt::Key_Escape) {
        BCikis->click();
        return;
    }
    if (enterMi(olay->key())) {
        olay->accept();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void GirisPencere::odakTasi(QWidget* nereden, int yon) {
    const int n = static_cast<int>(sira_.size());
    int i = static_cast<int>(sira_.indexOf(nereden));
    if (n == 0 || i < 0) return;
    for (int adim = 0; adim < n; ++adim) {
        i = (i + yon + n) % n;
        QWidget* w = sira_[i];
        if (w->isEnabled() && w->isVisibleTo(this) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(yon > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool GirisPencere::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() != QEvent::KeyPress) return QDialog::eventFilter(nesne, olay);
    auto* w = qobject_cast<QWidget*>(nesne);
    auto* tus = static_cast<QKeyEvent*>(olay);
    const int k = tus->key();
    const bool dugme = w == BKaydet || w == BCikis;
    if (k == Qt::Key_F9) {
        BKaydet->click();
        return true;
    }
    if (k == Qt::Key_Escape) {
        BCikis->click();
        return true;
    }
    if (enterMi(k)) {
        if (dugme)
            static_cast<QPushButton*>(w)->click();
        else
            odakTasi(w, +1);
        return true;
    }
    const bool ok = k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right;
    if (dugme && ok) {
        (w == BKaydet ? BCikis : BKaydet)->setFocus(Qt::TabFocusReason);
        return true;
    }
    // Alt+Down opens a date field's calendar.
    if ((k == Qt::Key_Down || k == Qt::Key_Up) && !(tus->modifiers() & Qt::AltModifier)) {
        odakTasi(w, k == Qt::Key_Down ? +1 : -1);
        return true;
    }
    return QDialog::eventFilter(nesne, olay);
}
