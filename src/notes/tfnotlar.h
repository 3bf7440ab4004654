#pragma once

#include "listepencere.h"

// The notes ("Notlar"), newest first. A new note is the first row after its
// save, a changed one is found again by its number, and after a delete the
// newest remaining note is current.
class TFNotlar : public ListePencere {
    Q_OBJECT

public:
    explicit TFNotlar(QWidget* parent = nullptr);

    void NotlariYukle() { Yukle(); }

    static QStringList ListeSql();

protected:
    QStringList listeSql() const override { return ListeSql(); }
    QString silSql() const override;
    std::unique_ptr<GirisPencere> girisPenceresi() override;
    void kayittanSonra(const GirisPencere& giris, int istenen) override;
    void silmedenSonra(qint64 sirano) override;
};
