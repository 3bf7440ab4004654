#include "alanlar.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QWidgetAction>
#include <cmath>

#include "turkce.h"
#include "zaman.h"

// ---------------------------------------------------------------- date field

TarihAlani::TarihAlani(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QStringLiteral("00.00.0000; "));
    dugme_ = new QToolButton(this);
    dugme_->setObjectName(QStringLiteral("TakvimDugmesi"));
    dugme_->setArrowType(Qt::DownArrow);
    dugme_->setCursor(Qt::ArrowCursor);
    dugme_->setFocusPolicy(Qt::NoFocus);
    dugme_->setToolTip(QStringLiteral("Takvim (Alt+Aşağı)"));
    dugme_->setAccessibleName(QStringLiteral("Takvim"));
    setTextMargins(0, 0, 22, 0);
    setMinimumWidth(110);
    connect(dugme_, &QToolButton::clicked, this, &TarihAlani::takvimAc);
    connect(this, &QLineEdit::textChanged, this, &TarihAlani::tarihDegisti);
}

QDate TarihAlani::tarih() const {
    return QDate::fromString(displayText(), QStringLiteral("dd.MM.yyyy"));
}

void TarihAlani::setTarih(const QDate& gun) {
    if (gun.isValid())
        setText(gun.toString(QStringLiteral("dd.MM.yyyy")));
    else
        clear();
}

QDate TarihAlani::kayitDegeri() const {
    const QDate d = tarih();
    return d.isValid() ? d : Zaman::SifirTarih();
}

void TarihAlani::kayittanYukle(const QDate& gun) {
    setTarih(gun == Zaman::SifirTarih() ? QDate() : gun);
}

void TarihAlani::resizeEvent(QResizeEvent* olay) {
    QLineEdit::resizeEvent(olay);
    const int g = height() - 4;
    dugme_->setGeometry(width() - g - 2, 2, g, g);
}

void TarihAlani::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Down && (olay->modifiers() & Qt::AltModifier)) {
        takvimAc();
        return;
    }
    QLineEdit::keyPressEvent(olay);
}

void TarihAlani::takvimAc() {
    QMenu menu(this);
    auto* takvim = new QCalendarWidget(&menu);
    takvim->setObjectName(QStringLiteral("Takvim"));
    takvim->setLocale(Turkce::Yerel());
    takvim->setFirstDayOfWeek(Qt::Monday);
    takvim->setGridVisible(true);
    takvim->setSelectedDate(bos() ? Zaman::Bugun() : tarih());
    auto* eylem = new QWidgetAction(&menu);
    eylem->setDefaultWidget(takvim);
    menu.addAction(eylem);
    connect(takvim, &QCalendarWidget::activated, &menu, [&](const QDate& gun) {
        setTarih(gun);
        menu.close();
    });
    connect(takvim, &QCalendarWidget::clicked, &menu, [&](const QDate& gun) {
        setTarih(gun);
        menu.close();
    });
    takvim->setFocus();
    menu.exec(mapToGlobal(QPoint(0, height())));
    setFocus();
}

// ---------------------------------------------------------------- time field

SaatAlani::SaatAlani(QWidget* parent) : QLineEdit(parent) {
    // The first hour digit may be left out; the others are required.
    setInputMask(QStringLiteral("09:99;_"));
    setMaximumWidth(70);
}

QString SaatAlani::metin() const {
    QString s = displayText();
    s.replace(QLatin1Char('_'), QLatin1Char(' '));
    return s;
}

void SaatAlani::setMetin(const QString& saat) {
    QString s = saat;
    s.replace(QLatin1Char(' '), QLatin1Char('_'));
    setText(s);
}

bool SaatAlani::bos() const {
    const QString s = displayText();
    for (QChar c : s)
        if (c.isDigit()) return false;
    return true;
}

bool SaatAlani::eksik() const {
    return !bos() && !hasAcceptableInput();
}

QTime SaatAlani::saat() const {
    if (bos() || eksik()) return QTime();
    const QString s = metin();
    return QTime(s.left(2).trimmed().toInt(), s.mid(3, 2).toInt());
}

void SaatAlani::setSaat(const QTime& saat) {
    if (saat.isValid())
        setText(saat.toString(QStringLiteral("HH:mm")));
    else
        clear();
}

void SaatAlani::focusOutEvent(QFocusEvent* olay) {
    QLineEdit::focusOutEvent(olay);
    // A half-typed time is refused: the focus comes back until it is complete or emptied.
    if (eksik() && olay->reason() != Qt::PopupFocusReason &&
        olay->reason() != Qt::ActiveWindowFocusReason) {
        QTimer::singleShot(0, this, [this] {
            setFocus(Qt::OtherFocusReason);
            setStyleSheet(QStringLiteral("SaatAlani { background: #ffd0d0; }"));
        });
    } else {
        setStyleSheet(QString());
    }
}

// ---------------------------------------------------------------- amount field

namespace {

// Builds the shown text from what the user typed: digits, one decimal comma
// (a dot typed is taken as the comma), at most two decimals, a leading minus.
QString tutarMetni(const QString& yazilan) {
    const QChar virgul = QLatin1Char(',');
    bool eksi = false;
    QString tam, ondalik;
    bool ondalikta = false;
    for (QChar c : yazilan) {
        if (c == QLatin1Char('-') && tam.isEmpty() && !ondalikta)
            eksi = true;
        else if (c.isDigit())
            (ondalikta ? ondalik : tam) += c;
        else if ((c == virgul) && !ondalikta)
            ondalikta = true;
    }
    if (ondalik.size() > 2) ondalik.truncate(2);
    while (tam.size() > 1 && tam.startsWith(QLatin1Char('0'))) tam.remove(0, 1);
    QString gruplu;
    for (int i = 0; i < tam.size(); ++i) {
        if (i > 0 && (tam.size() - i) % 3 == 0) gruplu += QLatin1Char('.');
        gruplu += tam.at(i);
    }
    QString sonuc = (eksi ? QStringLiteral("-") : QString()) + gruplu;
    if (ondalikta) sonuc += virgul + ondalik;
    return sonuc;
}

}  // namespace

TutarAlani::TutarAlani(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &TutarAlani::yazilirken);
}

double TutarAlani::deger() const {
    QString s = text();
    s.remove(QLatin1Char('.'));
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    if (s.isEmpty() || s == QLatin1String("-")) return 0.0;
    bool tamam = false;
    const double d = s.toDouble(&tamam);
    return tamam ? d : 0.0;
}

void TutarAlani::setDeger(double deger) {
    const double yuvarlak = std::round(deger * 100.0) / 100.0;
    setText(yuvarlak == 0.0 ? QString() : Turkce::KisaTutar(yuvarlak));
    onceki_ = text();
    emit degerDegisti(yuvarlak);
}

void TutarAlani::yazilirken(const QString& yazilan) {
    // Keep the cursor after the same number of digits it stood after.
    const int imlec = cursorPosition();
    int rakamlar = 0;
    for (int i = 0; i < imlec && i < yazilan.size(); ++i) {
        const QChar c = yazilan.at(i);
        if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('-')) ++rakamlar;
    }
    QString duzeltilmis = yazilan;
    // A dot typed after the last group, or where no group can stand, is a decimal comma.
    if (yazilan.size() > onceki_.size() && imlec > 0 && imlec <= yazilan.size() &&
        yazilan.at(imlec - 1) == QLatin1Char('.') && !yazilan.contains(QLatin1Char(','))) {
        duzeltilmis[imlec - 1] = QLatin1Char(',');
        ++rakamlar;
    }
    const QString yeni = tutarMetni(duzeltilmis);
    if (yeni != yazilan) {
        setText(yeni);
        int konum = 0, sayac = 0;
        while (konum < yeni.size() && sayac < rakamlar) {
            const QChar c = yeni.at(konum);
            if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('-')) ++sayac;
            ++konum;
        }
        setCursorPosition(konum);
    }
    onceki_ = text();
    emit degerDegisti(deger());
}

// ---------------------------------------------------------------- note field

NotAlani::NotAlani(int enFazla, QWidget* parent) : QPlainTextEdit(parent), enFazla_(enFazla) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &NotAlani::sinirla);
}

void NotAlani::sinirla() {
    if (sinirlaniyor_) return;
    const int fazla = toPlainText().size() - enFazla_;
    if (fazla <= 0) return;
    sinirlaniyor_ = true;
    // What was just typed or pasted stands before the cursor: that part goes.
    // Text put in from outside (the cursor at its start) loses its end instead.
    QTextCursor imlec = textCursor();
    const int konum = imlec.position();
    if (konum >= fazla) {
        imlec.setPosition(konum - fazla);
        imlec.setPosition(konum, QTextCursor::KeepAnchor);
    } else {
        imlec.movePosition(QTextCursor::End);
        imlec.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, fazla);
    }
    imlec.removeSelectedText();
    setTextCursor(imlec);
    sinirlaniyor_ = false;
}
