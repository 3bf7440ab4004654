// The mouse and the keyboard in the day view: cell selection, picking an
// appointment, moving and resizing it, resizing rows, columns and headers,
// and the hints.
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include "gunlukplan.h"
#include "planyoneticisi.h"
#include "turkce.h"

namespace {
constexpr int kKenarPayi = 3;

QString anMetni(const QDateTime& an) {
    return Turkce::Tarih(an.date()) + QLatin1Char(' ') +
           an.time().toString(QStringLiteral("HH:mm"));
}
}  // namespace

GunlukPlanGorunumu::Surukleme GunlukPlanGorunumu::kenarBul(const QPoint& p, int* indeks) const {
    const int ust = ustYukseklik();
    if (p.y() < ust) {
        if (p.y() >= ust - kKenarPayi && p.x() < solGenislik_) return Surukleme::UstBant;
        if (p.y() >= kGrupBasligiYuksekligi && p.x() >= solGenislik_) {
            const int w = kolonGenisligi();
            const int x = p.x() - solGenislik_ + horizontalScrollBar()->value();
            const int k = (x + kKenarPayi) / w - 1;  // the column whose right edge is near
            if (k >= 0 && k < gunSayisi_ && qAbs(x - (k + 1) * w) <= kKenarPayi) {
                if (indeks) *indeks = k;
                return Surukleme::Kolon;
            }
            if (p.y() >= ust - kKenarPayi) return Surukleme::UstBant;
        }
        return Surukleme::Yok;
    }
    if (qAbs(p.x() - solGenislik_) <= kKenarPayi) return Surukleme::SolBant;
    if (p.x() < solGenislik_) {
        const int h = olcek_.satirYuksekligi();
        const int y = p.y() - ust + verticalScrollBar()->value();
        const int s = (y + kKenarPayi) / h - 1;  // the row whose lower edge is near
        if (s >= 0 && s < olcek_.satirSayisi() && qAbs(y - (s + 1) * h) <= kKenarPayi) {
            if (indeks) *indeks = s;
            return Surukleme::Satir;
        }
        return Surukleme::Yok;
    }
    // An appointment's upper edge on its first day and lower edge on its last day.
    const QPoint h = hucreNoktasi(p);
    const QString kimlik = noktadakiRandevu(p);
    if (h.x() < 0 || kimlik.isEmpty()) return Surukleme::Yok;
    for (const Kutu& k : gunKutulari(kolonTarihi(h.x()))) {
        if (k.kimlik != kimlik) continue;
        const QRect r = kutuAlani(h.x(), k);
        if (!r.contains(p)) continue;
        const QDate gun = kolonTarihi(h.x());
        if (gun == k.baslangic.date() && p.y() - r.top() <= kKenarPayi && r.height() > 10)
            return Surukleme::UstKenar;
        if (gun == k.bitis.date() && r.bottom() - p.y() <= kKenarPayi && r.height() > 10)
            return Surukleme::AltKenar;
        return Surukleme::Tasima;
    }
    return Surukleme::Yok;
}

void GunlukPlanGorunumu::imleciAyarla(const QPoint& p) {
    switch (kenarBul(p)) {
        case Surukleme::Kolon:
        case Surukleme::SolBant:
            viewport()->setCursor(Qt::SplitHCursor);
            break;
        case Surukleme::Satir:
        case Surukleme::UstBant:
            viewport()->setCursor(Qt::SplitVCursor);
            break;
        case Surukleme::UstKenar:
        case Surukleme::AltKenar:
            viewport()->setCursor(Qt::SizeVerCursor);
            break;
        default:
            viewport()->unsetCursor();
    }
}

QDateTime GunlukPlanGorunumu::noktaZamani(const QPoint& p, bool yuvarla) const {
    const int w = kolonGenisligi();
    const int x = p.x() - solGenislik_ + horizontalScrollBar()->value();
    const int kolon = qBound(0, x < 0 ? 0 : x / w, gunSayisi_ - 1);
    const int y = p.y() - ustYukseklik() + verticalScrollBar()->value();
    int saniye = olcek_.ySaniye(y);
    if (yuvarla) saniye = olcek_.yuvarla(saniye);
    return QDateTime(kolonTarihi(kolon), QTime(0, 0)).addSecs(saniye);
}

void GunlukPlanGorunumu::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (surukleme_ != Surukleme::Yok) return;
    if (e->button() == Qt::RightButton) {
        // The pop-up menu acts on what is under the pointer, unless the
        // pointer is on the selection already.
        const QPoint h = hucreNoktasi(p);
        const QString kimlik = noktadakiRandevu(p);
        if (h.x() < 0) return;
        const bool secimde =
            gecerliSecimVar() && once(ilkSeciliHucre(), h) && once(h, sonSeciliHucre());
        if (!kimlik.isEmpty() || !secimde) {
            seciliRandevu_ = kimlik;
            hucreSec(h, h);
        }
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    int indeks = -1;
    const Surukleme tur = kenarBul(p, &indeks);
    basNokta_ = p;
    suruklenenIndeks_ = indeks;
    tasindi_ = false;
    switch (tur) {
        case Surukleme::Kolon:
            surukleme_ = tur;
            ilkDeger_ = kolonGenisligi();
            return;
        case Surukleme::Satir:
            surukleme_ = tur;
            ilkDeger_ = olcek_.satirYuksekligi();
            return;
        case Surukleme::SolBant:
            surukleme_ = tur;
            ilkDeger_ = solGenislik_;
            return;
        case Surukleme::UstBant:
            surukleme_ = tur;
            ilkDeger_ = kolonBasligiYuksekligi_;
            return;
        default:
            break;
    }
    const QPoint h = hucreNoktasi(p);
    if (h.x() < 0) return;
    seciliRandevu_ = noktadakiRandevu(p);
    if (seciliRandevu_.isEmpty()) {
        // A press on an empty cell of the selection keeps it, so that a
        // double-click adds an appointment over the whole selected range; a
        // drag from there starts a new selection.
        const bool secimde =
            gecerliSecimVar() && once(ilkSeciliHucre(), h) && once(h, sonSeciliHucre());
        if (secimde) {
            secimdenBasla_ = true;
            viewport()->update();
        } else {
            secimdenBasla_ = false;
            hucreSec(h, h);
        }
        surukleme_ = Surukleme::Secim;
        return;
    }
    hucreSec(h, h);
    const Randevu* r = yonetici_ ? yonetici_->Bul(seciliRandevu_) : nullptr;
    if (!r) return;
    surukleme_ = tur == Surukleme::Yok ? Surukleme::Tasima : tur;
    eskiBas_ = yeniBas_ = r->baslangic;
    eskiBit_ = yeniBit_ = r->bitis;
    tutulanAn_ = noktaZamani(p, false);
}

void GunlukPlanGorunumu::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (surukleme_ == Surukleme::Yok) {
        imleciAyarla(p);
        return;
    }
    const int dx = p.x() - basNokta_.x();
    const int dy = p.y() - basNokta_.y();
    switch (surukleme_) {
        case Surukleme::Kolon:
            setKolonGenisligi(ilkDeger_ + dx);
            return;
        case Surukleme::Satir: {
            // The row whose edge was taken stays where it was on the screen.
            const int ekranUstu = olcek_.satirY(suruklenenIndeks_) - verticalScrollBar()->value();
            setSatirYuksekligi(ilkDeger_ + dy);
            verticalScrollBar()->setValue(olcek_.satirY(suruklenenIndeks_) - ekranUstu);
            return;
        }
        case Surukleme::SolBant:
            setSatirBasligiGenisligi(ilkDeger_ + dx);
            return;
        case Surukleme::UstBant:
            setKolonBasligiYuksekligi(ilkDeger_ + dy);
            return;
        case Surukleme::Secim: {
            QPoint h = hucreNoktasi(p);
            if (h.x() < 0) {
                // Past the edge of the grid: the nearest cell.
                const int x = p.x() - solGenislik_ + horizontalScrollBar()->value();
                const int y = p.y() - ustYukseklik() + verticalScrollBar()->value();
                h = QPoint(qBound(0, x < 0 ? 0 : x / kolonGenisligi(), gunSayisi_ - 1),
                           olcek_.ySatir(y));
            }
            if (secimdenBasla_) {
                if (h == hucreNoktasi(basNokta_)) return;
                secimdenBasla_ = false;
                capa_ = hucreNoktasi(basNokta_);
            }
            if (h != imlec_) {
                imlec_ = h;
                viewport()->update();
                emit SecimDegisti();
            }
            return;
        }
        default:
            break;
    }
    if (!tasindi_ && (p - basNokta_).manhattanLength() < QApplication::startDragDistance()) return;
    tasindi_ = true;
    const int adim = olcek_.satirSaniye();
    if (surukleme_ == Surukleme::Tasima) {
        const qint64 fark = tutulanAn_.secsTo(noktaZamani(p, false));
        const qint64 kayma = qRound64(static_cast<double>(fark) / adim) * adim;
        yeniBas_ = eskiBas_.addSecs(kayma);
        yeniBit_ = eskiBit_.addSecs(kayma);
        // An end that lands on midnight closes the day before; stored as
        // 00:00:00 it would stand for the whole next day.
        if (yeniBit_.time() == QTime(0, 0) && yeniBit_.date() > yeniBas_.date())
            yeniBit_ = yeniBit_.addSecs(-1);
    } else if (surukleme_ == Surukleme::UstKenar) {
        QDateTime an = noktaZamani(p, true);
        if (an >= eskiBit_) an = eskiBit_.addSecs(-adim);
        yeniBas_ = an;
    } else {
        QDateTime an = noktaZamani(p, true);
        // A boundary at midnight ends the day itself, not the next one.
        if (an.time() == QTime(0, 0) && an.date() > eskiBas_.date()) an = an.addSecs(-1);
        if (an <= eskiBas_) an = eskiBas_.addSecs(adim);
        yeniBit_ = an;
    }
    viewport()->update();
}

void GunlukPlanGorunumu::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    suruklemeyiBitir(true);
}

void GunlukPlanGorunumu::suruklemeyiBitir(bool kaydet) {
    const Surukleme tur = surukleme_;
    surukleme_ = Surukleme::Yok;
    const bool tasindi = tasindi_;
    tasindi_ = false;
    viewport()->update();
    if (!kaydet || !tasindi) return;
    if (tur != Surukleme::Tasima && tur != Surukleme::UstKenar && tur != Surukleme::AltKenar)
        return;
    if (yeniBas_ == eskiBas_ && yeniBit_ == eskiBit_) return;
    const Randevu* r = yonetici_ ? yonetici_->Bul(seciliRandevu_) : nullptr;
    if (!r) return;
    // Shown at once where it was dropped, marked as not stored yet.
    Randevu tasinan = *r;
    tasinan.baslangic = yeniBas_;
    tasinan.bitis = yeniBit_;
    tasinan.degisti = true;
    if (!yonetici_->Yerlestir(tasinan).isEmpty()) return;
    emit RandevuTasindi(tasinan.kimlik, yeniBas_, yeniBit_);
}

void GunlukPlanGorunumu::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    surukleme_ = Surukleme::Yok;
    emit CiftTiklandi();
}

void GunlukPlanGorunumu::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && surukleme_ != Surukleme::Yok) {
        // Esc during a drag puts everything back as it was before the press.
        const Surukleme tur = surukleme_;
        if (tur == Surukleme::Kolon) setKolonGenisligi(ilkDeger_);
        if (tur == Surukleme::Satir) setSatirYuksekligi(ilkDeger_);
        if (tur == Surukleme::SolBant) setSatirBasligiGenisligi(ilkDeger_);
        if (tur == Surukleme::UstBant) setKolonBasligiYuksekligi(ilkDeger_);
        suruklemeyiBitir(false);
        e->accept();
        return;
    }
    // Everything else, Esc included, is the window's.
    e->ignore();
}

void GunlukPlanGorunumu::contextMenuEvent(QContextMenuEvent* e) {
    if (acilirMenu_) acilirMenu_->exec(e->globalPos());
}

QString GunlukPlanGorunumu::ipucu(const QPoint& p) const {
    const QString kimlik = noktadakiRandevu(p);
    if (!kimlik.isEmpty() && yonetici_) {
        if (const Randevu* r = yonetici_->Bul(kimlik))
            return anMetni(r->baslangic) + QStringLiteral(" - ") + anMetni(r->bitis) +
                   QLatin1Char('\n') + r->aciklama;
    }
    const QPoint h = hucreNoktasi(p);
    if (h.x() < 0 || !gecerliSecimVar()) return QString();
    const QPoint a = ilkSeciliHucre();
    const QPoint b = sonSeciliHucre();
    if (!once(a, h) || !once(h, b)) return QString();
    return anMetni(QDateTime(kolonTarihi(a.x()), satirBaslangici(a.y()))) + QStringLiteral(" - ") +
           anMetni(QDateTime(kolonTarihi(b.x()), satirBitisi(b.y()).addSecs(1)));
}

bool GunlukPlanGorunumu::event(QEvent* e) {
    // Esc during a drag belongs to the view, not to the window's shortcut.
    if (e->type() == QEvent::ShortcutOverride && surukleme_ != Surukleme::Yok &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        e->accept();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

bool GunlukPlanGorunumu::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* he = static_cast<QHelpEvent*>(e);
        const QString metin = ipucu(he->pos());
        if (metin.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(he->globalPos(), metin, viewport());
        return true;
    }
    if (e->type() == QEvent::Leave && surukleme_ == Surukleme::Yok) viewport()->unsetCursor();
    return QAbstractScrollArea::viewportEvent(e);
}
