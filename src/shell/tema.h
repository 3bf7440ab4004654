#pragma once

#include <QObject>
#include <QStringList>

// The skin manager: the built-in "Retro (internal)" skin and the skins found in
// the skin folder beside the executable ("Temalar"), as Qt style sheets. A skin
// is a file "<name>.qss" or a folder "<name>/" holding a style sheet and its
// pictures. Setting the active skin restyles every window of the program at once.
class TemaYoneticisi : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kIcTema = "Retro (internal)";

    static TemaYoneticisi& Ornek();

    void setKlasor(const QString& klasor);
    QString klasor() const { return klasor_; }

    // The built-in skin first, then the skins of the folder, sorted without regard to case.
    QStringList Temalar() const;

    QString ad() const { return ad_; }
    // An unknown name falls back to the built-in skin.
    void setAd(const QString& ad);

    // Off: windows are drawn without a skin (the desktop alert is).
    bool aktif() const { return aktif_; }
    void setAktif(bool aktif);

    // The style sheet of a skin; empty for an unknown name.
    QString StilMetni(const QString& ad) const;

signals:
    void temaDegisti(const QString& ad);

private:
    TemaYoneticisi() = default;
    void uygula();

    QString klasor_;
    QString ad_ = QString::fromLatin1(kIcTema);
    bool aktif_ = true;
};
