#pragma once

#include <QObject>

class QAbstractButton;
class QPushButton;
class QString;
class QWidget;

// The keys of a record window's four actions (address book, notes, cash
// book): Esc presses the close button, F3 delete, F7 new and F8 change,
// whatever Shift, Ctrl or Alt say. Every other key keeps its usual meaning.
class IslemTuslari : public QObject {
    Q_OBJECT

public:
    IslemTuslari(QAbstractButton* yeni, QAbstractButton* duzelt, QAbstractButton* sil,
                 QAbstractButton* cikis, QObject* parent);

    // The widget passes its key presses through here first.
    void izle(QWidget* w);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    QAbstractButton* yeni_;
    QAbstractButton* duzelt_;
    QAbstractButton* sil_;
    QAbstractButton* cikis_;
};

// A record window's bold command button ("Kaydet - F9", "Yeni - F7"). Enter
// is the key handler's business: no button presses itself for another control.
QPushButton* KalinDugme(const char* ad, const QString& baslik, QWidget* sahip);
