#pragma once

#include "listepencere.h"

// The address book ("Adresler"): every contact, in Turkish order of first and
// last name. A saved contact is found again by its record key, and after a
// delete the row numbered one below the deleted one becomes current.
class TFAdresler : public ListePencere {
    Q_OBJECT

public:
    explicit TFAdresler(QWidget* parent = nullptr);

    // Reads the list again (AdresleriYukle), standing on the last row.
    void AdresleriYukle() { Yukle(); }

    static QStringList ListeSql();

protected:
    QStringList listeSql() const override { return ListeSql(); }
    QString silSql() const override;
    std::unique_ptr<GirisPencere> girisPenceresi() override;
    void kayittanSonra(const GirisPencere& giris, int istenen) override;
    void silmedenSonra(qint64 sirano) override;
};
