#include "slotatayici.h"

#include <algorithm>
#include <numeric>

namespace SlotAtayici {

QVector<Yer> Ata(const QVector<Aralik>& araliklar) {
    const int n = static_cast<int>(araliklar.size());
    QVector<Yer> sonuc(n, Yer{0, 1});
    if (n == 0) return sonuc;

    auto bitis = [&](int i) { return std::max(araliklar[i].bit, araliklar[i].bas + 1); };

    QVector<int> sira(n);
    std::iota(sira.begin(), sira.end(), 0);
    std::stable_sort(sira.begin(), sira.end(), [&](int a, int b) {
        if (araliklar[a].bas != araliklar[b].bas) return araliklar[a].bas < araliklar[b].bas;
        return bitis(a) > bitis(b);
    });

    QVector<int> kume;   // members of the running cluster, in placing order
    QVector<bool> dolu;  // slots taken by members that overlap the one being placed
    int kumeBitis = 0;
    int kumeSlotSayisi = 0;
    auto kumeyiKapat = [&] {
        for (int i : kume) sonuc[i].slotSayisi = kumeSlotSayisi;
        kume.clear();
        kumeSlotSayisi = 0;
    };

    for (int i : sira) {
        const int bas = araliklar[i].bas;
        if (!kume.isEmpty() && bas >= kumeBitis) kumeyiKapat();
        // Every member started at or before this one, so it overlaps exactly
        // those that end after this one starts.
        dolu.fill(false, kumeSlotSayisi + 1);
        for (int k : kume)
            if (bitis(k) > bas) dolu[sonuc[k].slot] = true;
        const int slot =
            static_cast<int>(std::find(dolu.begin(), dolu.end(), false) - dolu.begin());
        sonuc[i].slot = slot;
        kumeSlotSayisi = std::max(kumeSlotSayisi, slot + 1);
        kumeBitis = kume.isEmpty() ? bitis(i) : std::max(kumeBitis, bitis(i));
        kume.append(i);
    }
    kumeyiKapat();
    return sonuc;
}

}  // namespace SlotAtayici
