#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One copy of the program at a time: a second start asks the running copy to
// show its main window and ends. Two resident copies would show every alarm twice.
class TekOrnek : public QObject {
    Q_OBJECT

public:
    explicit TekOrnek(QString ad, QObject* parent = nullptr);

    // True when another copy runs (it has been asked to show itself).
    bool BaskasiCalisiyor();
    // Starts listening for later copies.
    bool Dinle();

    // The name of this user's copy.
    static QString VarsayilanAd();

signals:
    void gosterIstendi();

private:
    QString ad_;
    QLocalServer* sunucu_ = nullptr;
};
