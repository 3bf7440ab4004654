#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QTimer;
class QVariantAnimation;

// The desktop alert: a frameless window of our own that grows from its centre
// at the bottom right of the screen, stays a while and fades away. The user
// can click it, move it with the mouse and close it.
class TMasaustuUyarisi : public QWidget {
    Q_OBJECT

public:
    struct Ayar {
        QString baslik;
        QString metin;
        QPixmap resim;
        int metinBoyu = 16;
        int baslikBoyu = 18;
        int genislik = 400;
        int yukseklik = 150;
        int acilisAdimi = 10, acilisSuresi = 25;    // steps, milliseconds each
        int gosterim = 15400;                       // milliseconds
        int kapanisAdimi = 10, kapanisSuresi = 50;  // steps, milliseconds each
    };

    explicit TMasaustuUyarisi(const Ayar& ayar, QWidget* sahip = nullptr);

    void Goster();

signals:
    // Emitted once, when the alert has gone (closed by the user or by time).
    void kapandi();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;

private:
    void kapanmayaBasla();

    Ayar ayar_;
    QRect hedef_;
    QPoint tutma_;
    bool surukleniyor_ = false;
    bool bitti_ = false;
    QTimer* sure_;
    QPointer<QVariantAnimation> animasyon_;
};
