#pragma once

#include <quirepress/Error.h>

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

    bool contains(const QString& key) const { return indexOf(key) >= 0; }
    int32_t count() const { return static_cast<int32_t>(items_.size()); }

    void append(const QString& key, std::shared_ptr<Item> item) { items_.emplace_back(key, std::move(item)); }

    const std::shared_ptr<Item>& at(int position) const { return items_.at(checkedIndex(position)).second; }
    const std::shared_ptr<Item>& at(const QString& key) const { return items_.at(checkedIndex(key)).second; }

    void remove(int position) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(checkedIndex(position))); }
    void remove(const QString& key) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(checkedIndex(key))); }
    void clear() { items_.clear(); }

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
            throw Error(5, source_, QStringLiteral("Invalid procedure call or argument: no item named \"%1\"").arg(key));
        return static_cast<size_t>(index);
    }

    QString source_;
    std::vector<std::pair<QString, std::shared_ptr<Item>>> items_;
};

} // namespace quirepress::detail
