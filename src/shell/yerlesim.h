#pragma once

#include <QString>
#include <memory>

class QHeaderView;
class QSettings;
class QWidget;

// The placement store: a window's position, size and state, and the column
// layout of its grid, kept in an INI settings file ("Kovimaro" with one section
// per window, "Ajanda") or in the native store (the main window under
// "Zafo"/"Kovimaro").
class Yerlesim {
public:
    enum class Depo { Dosya, Yerel };

    // dosya: the settings file's name ("Kovimaro", "Ajanda"); bolum: the section.
    Yerlesim(QString dosya, QString bolum, Depo depo = Depo::Dosya);

    void Yukle(QWidget* pencere, QHeaderView* baslik = nullptr) const;
    void Kaydet(const QWidget* pencere, const QHeaderView* baslik = nullptr) const;

    // Saving can be switched off and on (the main window does, going to the tray).
    bool kayitAcik = true;

    // Where an INI settings file lies: $XDG_CONFIG_HOME/Kovimaro/<dosya>.ini.
    static QString DosyaYolu(const QString& dosya);

private:
    std::unique_ptr<QSettings> ayarlar() const;

    QString dosya_;
    QString bolum_;
    Depo depo_;
};
