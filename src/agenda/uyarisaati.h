#pragma once

#include <QString>

class QLineEdit;

// Tidies an alarm's hour and minute boxes as the user left them: an empty box
// becomes "00", a single digit gets its leading zero, an hour above 23 becomes
// "23" and a minute above 59 becomes "59". A box that does not hold a whole
// number leaves both boxes as they were and returns the message to show;
// otherwise returns the empty text. hataliKutu tells which box failed: 1 the
// hour, 2 the minute.
QString UyariSaatiDuzenle(QString& saat, QString& dakika, int* hataliKutu = nullptr);

// The same on the two boxes of a window: a failure reaches the error display
// and puts the focus on the box at fault, and the boxes keep what was typed.
bool UyariKutulariniDuzenle(QLineEdit* saatKutusu, QLineEdit* dakikaKutusu);
