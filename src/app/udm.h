#pragma once

#include <QString>

#include "baglanti.h"
#include "sorgu.h"

// The data module: it owns the connection to the program's own file (DB_Zafo)
// and the general statement component (Q_Temp) that most windows use. Module
// windows make statement components of their own on the same connection.
class TDm {
public:
    // klasor: the folder of the file, normally the executable's.
    explicit TDm(QString klasor);

    // Creates the file when it is missing, opens it and upgrades an older one.
    // Returns false when the program must end (the user has been told why).
    bool DataModuleCreate();

    QString VeritabaniYolu() const;

    Baglanti DB_Zafo;
    Sorgu Q_Temp{DB_Zafo};

private:
    QString klasor_;
};

// The single data module of the run; null before start-up made it.
extern TDm* Dm;
