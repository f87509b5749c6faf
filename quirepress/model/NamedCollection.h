#pragma once

#include <quirepress/Error.h>

#include "model/CaseInsensitiveName.h"

#include <QHash>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace quirepress::detail {

// The ordered, keyed collections of a report (its sections) and of a section
// (its fields): kept in insertion order, reached by position from 1 or by a
// key compared without regard to letter case. A missing key is Error 5, a
// position outside 1 to the count Error 9.
template <typename Item>
class NamedCollection {
public:
    explicit NamedCollection(QString source) : source_(std::move(source)) {}

    // By hash: adding n items, each checked first, takes time in proportion
    // to n, not n squared.
    bool contains(const QString& key) const { return keyCounts_.contains(CaseInsensitiveName{key}); }
    int32_t count() const { return static_cast<int32_t>(items_.size()); }

    void append(const QString& key, std::shared_ptr<Item> item)
    {
        ++keyCounts_[CaseInsensitiveName{key}];
        items_.emplace_back(key, std::move(item));
    }

    const std::shared_ptr<Item>& at(int position) const { return items_.at(checkedIndex(position)).second; }
    const std::shared_ptr<Item>& at(const QString& key) const { return items_.at(checkedIndex(key)).second; }

    void remove(int position) { removeAt(checkedIndex(position)); }
    void remove(const QString& key) { removeAt(checkedIndex(key)); }
    void clear()
    {
        items_.clear();
        keyCounts_.clear();
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    long indexOf(const QString& key) const
    {
        // Callers nearly always give a key as it was added; that is the
        // cheaper comparison, made first.
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].first == key)
                return static_cast<long>(i);
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].first.compare(key, Qt::CaseInsensitive) == 0)
                return static_cast<long>(i);
        return -1;
    }
    size_t checkedIndex(int position) const
    {
        if (position < 1 || position > count())
            throw Error(9, source_, QStringLiteral("Subscript out of range"));
        return static_cast<size_t>(position - 1);
    }
    size_t checkedIndex(const QString& key) const
    {
        const long index = indexOf(key);
        if (index < 0)
            throw Error(5, source_,
                        QStringLiteral("Invalid procedure call or argument: no item named \"%1\"").arg(key));
        return static_cast<size_t>(index);
    }

    void removeAt(size_t index)
    {
        const CaseInsensitiveName key{items_[index].first};
        if (--keyCounts_[key] == 0)
            keyCounts_.remove(key);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }

    QString source_;
    std::vector<std::pair<QString, std::shared_ptr<Item>>> items_;
    // How many items have each key.
    QHash<CaseInsensitiveName, int32_t> keyCounts_;
};

} // namespace quirepress::detail
