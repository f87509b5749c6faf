// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Error.h>

#include "model/CaseInsensitiveName.h"

#include <QCoreApplication>
#include <QHashFunctions>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace quirepress::detail {

// The ordered, keyed collections of a report (its sections) and of a section
// (its fields): kept in insertion order, reached by position from 1 or by a
// key compared without regard to letter case. A missing key is Error 5, a
// position outside 1 to the count Error 9.
//
// Keys are found by hash in a table of positions beside the items, four
// bytes a slot: a section of thousands of fields costs little more than the
// fields themselves, and adding n items, each checked first, takes time in
// proportion to n.
template <typename Item>
class NamedCollection {
public:
    explicit NamedCollection(QString source) : source_(std::move(source)) {}

    bool contains(const QString& key) const { return indexOf(key) >= 0; }
    int32_t count() const { return static_cast<int32_t>(items_.size()); }

    // `key` is one that contains() does not know: keys are unique.
    void append(const QString& key, std::shared_ptr<Item> item)
    {
        items_.emplace_back(key, std::move(item));
        if (tooFull(items_.size()))
            rebuild(slotsFor(items_.size()));
        else
            place(items_.size() - 1);
    }
    // Makes room for `size` items at once, so that adding that many grows
    // nothing: growing would hold the items twice over for a while, and
    // leave room for up to as many again.
    void reserve(size_t size)
    {
        items_.reserve(size);
        if (tooFull(size))
            rebuild(slotsFor(size));
    }

    const std::shared_ptr<Item>& at(int position) const { return items_.at(checkedIndex(position)).second; }
    const std::shared_ptr<Item>& at(const QString& key) const { return items_.at(checkedIndex(key)).second; }

    void remove(int position) { removeAt(checkedIndex(position)); }
    void remove(const QString& key) { removeAt(checkedIndex(key)); }
    void clear()
    {
        items_.clear();
        slots_.clear();
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    // At most three quarters full, which linear probing still finds fast.
    bool tooFull(size_t items) const { return items * 4 > slots_.size() * 3; }
    static size_t slotsFor(size_t items)
    {
        size_t size = 8;
        while (items * 4 > size * 3)
            size *= 2;
        return size;
    }
    size_t mask() const { return slots_.size() - 1; }
    size_t homeOf(const QString& key) const
    {
        return qHash(CaseInsensitiveName{key}, QHashSeed::globalSeed()) & mask();
    }

    long indexOf(const QString& key) const
    {
        // A caller asks for the same item again and again, a section for
        // every row it prints: the item found last is tried first, without
        // hashing. A key spelt exactly as that item's can only be its own,
        // keys being unique, however the collection has changed since.
        if (lastFound_ < items_.size() && items_[lastFound_].first == key)
            return static_cast<long>(lastFound_);
        if (slots_.empty())
            return -1;
        for (size_t slot = homeOf(key); slots_[slot] != 0; slot = (slot + 1) & mask()) {
            const size_t index = slots_[slot] - 1;
            if (items_[index].first.compare(key, Qt::CaseInsensitive) == 0) {
                lastFound_ = index;
                return static_cast<long>(index);
            }
        }
        return -1;
    }
    size_t checkedIndex(int position) const
    {
        if (position < 1 || position > count())
            throw Error(9, source_, QCoreApplication::translate("quirepress::Error", "Subscript out of range"));
        return static_cast<size_t>(position - 1);
    }
    size_t checkedIndex(const QString& key) const
    {
        const long index = indexOf(key);
        if (index < 0)
            throw Error(5, source_,
                        QCoreApplication::translate("quirepress::detail::NamedCollection",
                                                    "Invalid procedure call or argument: no item named \"%1\"")
                            .arg(key));
        return static_cast<size_t>(index);
    }

    // Puts the item at `index` into the first free slot from its key's own.
    void place(size_t index)
    {
        size_t slot = homeOf(items_[index].first);
        while (slots_[slot] != 0)
            slot = (slot + 1) & mask();
        slots_[slot] = static_cast<uint32_t>(index + 1);
    }

    void rebuild(size_t size)
    {
        slots_.assign(size, 0);
        for (size_t index = 0; index < items_.size(); ++index)
            place(index);
    }

    // Frees the slot of the item at `index`, moving back the items after it
    // that would otherwise no longer be reached from their own slots.
    void unplace(size_t index)
    {
        size_t hole = homeOf(items_[index].first);
        while (slots_[hole] != index + 1)
            hole = (hole + 1) & mask();
        slots_[hole] = 0;
        for (size_t slot = (hole + 1) & mask(); slots_[slot] != 0; slot = (slot + 1) & mask()) {
            const size_t home = homeOf(items_[slots_[slot] - 1].first);
            // The item stays when its own slot lies after the hole, up to
            // where it is, going round the end of the table.
            const bool reachable = hole < slot ? (home > hole && home <= slot) : (home > hole || home <= slot);
            if (!reachable) {
                slots_[hole] = slots_[slot];
                slots_[slot] = 0;
                hole = slot;
            }
        }
    }

    void removeAt(size_t index)
    {
        // The last item, as a collection emptied from the end loses them,
        // leaves the others where they are; any other moves those after it.
        if (index + 1 == items_.size()) {
            unplace(index);
            items_.pop_back();
            return;
        }
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        rebuild(slots_.size());
    }

    QString source_;
    std::vector<std::pair<QString, std::shared_ptr<Item>>> items_;
    // Each item's position plus one, at its key's slot or the first free one
    // after it; 0 is a free slot.
    std::vector<uint32_t> slots_;
    // Where indexOf() found a key last. A report is used from one thread
    // only (Report.h), so a lookup may note it.
    mutable size_t lastFound_ = 0;
};

} // namespace quirepress::detail
