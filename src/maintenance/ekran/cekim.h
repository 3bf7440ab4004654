#pragma once

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

// Takes pictures of the program's windows for the screenshot script. Every
// modal window that opens while a step runs is handed to a handler: by
// default it is photographed and closed again; some windows get a handler of
// their own that works them a little first (the about box opens its panel).
class Cekim : public QObject {
    Q_OBJECT

public:
    explicit Cekim(QString klasor);

    // The prefix of the next pictures' file names ("temalar/gece-mavisi-").
    void setOnEk(const QString& onEk) { onEk_ = onEk; }

    void kaydet(QWidget* pencere, const QString& ad);
    void ekranKaydet(const QString& ad);  // the whole screen, tray included

    using Isleyici = std::function<void(QWidget*)>;
    // Runs the step; modal windows that open meanwhile go to their handler.
    // ad: the picture name for a window that has no name of its own.
    void modalIcinde(const QString& ad, const std::function<void()>& adim);
    // A handler for windows of this object name, in place of the default.
    void setIsleyici(const QString& nesneAdi, Isleyici isle);
    void isleyiciKaldir(const QString& nesneAdi) { isleyiciler_.remove(nesneAdi); }
    // The default handling: settle, photograph under the name, close.
    void cekVeKapat(QWidget* pencere, const QString& ad, int gecikme = 250);

    static void bekle(int ms);
    static void kapat(QWidget* pencere);
    // "Gece Mavisi" -> "gece-mavisi", "Retro (internal)" -> "retro-internal"
    static QString Kisalt(const QString& ad);
    // The picture name of a window: known windows have fixed names.
    QString pencereAdi(QWidget* pencere) const;

    int sayi() const { return sayi_; }

private:
    void bak();

    QString klasor_;
    QString onEk_;
    QString siradakiAd_;
    QTimer bekci_;
    QSet<QWidget*> gorulen_;
    QHash<QString, Isleyici> isleyiciler_;
    int sayi_ = 0;
};
