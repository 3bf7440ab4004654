#pragma once

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>

class QToolButton;
class QCalendarWidget;

// A date field: day, month and year with dots ("  .  .    " when empty) and a
// drop-down calendar. Its value is a day without time; a text that is not a
// valid date counts as empty. The date rule of the entry windows: an empty
// field stands for the zero date (30.12.1899), and the zero date shows empty.
class TarihAlani : public QLineEdit {
    Q_OBJECT

public:
    explicit TarihAlani(QWidget* parent = nullptr);

    QDate tarih() const;  // null when empty or not a date
    void setTarih(const QDate& gun);
    // The date rule, both ways.
    QDate kayitDegeri() const;             // empty -> the zero date
    void kayittanYukle(const QDate& gun);  // the zero date -> empty
    bool bos() const { return !tarih().isValid(); }

signals:
    void tarihDegisti();

protected:
    void resizeEvent(QResizeEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void takvimAc();
    QToolButton* dugme_;
};

// A time field with hours and minutes ("!90:00": the first hour digit may be
// left out, the others are required). It can be empty ("  :  "), but it will
// not be left with a required digit missing.
class SaatAlani : public QLineEdit {
    Q_OBJECT

public:
    explicit SaatAlani(QWidget* parent = nullptr);

    // The text as stored: "HH:mm", " 9:30", or "  :  " when empty.
    QString metin() const;
    void setMetin(const QString& saat);
    QTime saat() const;  // invalid when empty or incomplete
    void setSaat(const QTime& saat);
    bool bos() const;
    bool eksik() const;  // some digits typed, a required one missing

protected:
    void focusOutEvent(QFocusEvent* olay) override;
};

// An amount: right-aligned, at most two decimals, a minus sign, shown with
// thousands separators (",0.##") also while it is typed; 0 shows empty.
class TutarAlani : public QLineEdit {
    Q_OBJECT

public:
    explicit TutarAlani(QWidget* parent = nullptr);

    double deger() const;
    void setDeger(double deger);

signals:
    void degerDegisti(double deger);

private:
    void yazilirken(const QString& metin);
    QString onceki_;
};

// A multi-line note: Enter starts a new line, Tab leaves the field, and it
// holds no more characters than its column does (line breaks count).
class NotAlani : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit NotAlani(int enFazla, QWidget* parent = nullptr);

    int enFazla() const { return enFazla_; }

private:
    void sinirla();
    int enFazla_;
    bool sinirlaniyor_ = false;
};
