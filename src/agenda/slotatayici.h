#pragma once

#include <QVector>

// Places the appointments of one day column side by side: appointments whose
// times overlap share the column. Each takes the lowest slot that none of the
// earlier appointments it overlaps holds, and every appointment of a cluster
// (a run of appointments linked by overlaps) is drawn with the cluster's slot
// count, so that their boxes line up.
namespace SlotAtayici {

// A time span within the day in seconds, the end not included. A span with
// no length still takes one second, so that it gets a place of its own.
struct Aralik {
    int bas;
    int bit;
};

struct Yer {
    int slot;
    int slotSayisi;
    bool operator==(const Yer& o) const { return slot == o.slot && slotSayisi == o.slotSayisi; }
};

// Results in the order of the input. Earlier starts are placed first; of
// two with the same start the longer one goes first, then the input order.
QVector<Yer> Ata(const QVector<Aralik>& araliklar);

}  // namespace SlotAtayici
