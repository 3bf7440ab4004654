#pragma once

#include <QApplication>

// The application object. Every failure that no handler guards reaches one
// error display (a message box with the error text) and ends that handler;
// the program keeps running, since it stays resident for the alarms.
class Uygulama : public QApplication {
    Q_OBJECT

public:
    Uygulama(int& argc, char** argv);

    bool notify(QObject* alici, QEvent* olay) override;

    // The program's name, maker and icon, and a run that goes on with every
    // window closed: it lives in the notification area.
    static void KimlikKur();

    // Turkish for Qt's own texts and for dates and numbers, whatever the machine's locale.
    static void TurkceKur();
};

// The standard error display; tests read what it showed through MesajTest.
void HataPenceresi(const QString& metin);
