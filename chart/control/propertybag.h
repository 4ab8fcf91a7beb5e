#pragma once
// The chart's stored properties: an ordered key -> value store with the reader's and writer's
// defaults, and a UTF-8 text form (one "Key = value" line per key) that a container keeps in its file.
#include "chart/control/vexachart_export.h"
#include "chart/control/variant.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace vexachart {

class VEXACHART_EXPORT PropertyBag {
public:
    // Writes the key unless the value equals the given writer default.
    void write(const QString& key, const Variant& value, const std::optional<Variant>& writerDefault = std::nullopt);
    // The stored value, or the reader default when the key is missing.
    Variant read(const QString& key, const Variant& readerDefault = Variant()) const;
    bool contains(const QString& key) const;
    QStringList keys() const;
    void set(const QString& key, const Variant& value); // replaces or appends, whatever the default

    // Numbers plain ("0.01"), texts quoted with doubled quotes, True/False, fonts as Font("...").
    QString toText() const;
    // Lines that cannot be read are skipped and named in `bad` when given.
    static PropertyBag fromText(const QString& text, QStringList* bad = nullptr);

private:
    // Position in m_items of the item with the given key, ignoring case; null when none.
    const std::pair<QString, Variant>* find(const QString& key) const;

    // The items in the order of their first writing, each under the spelling first written.
    std::vector<std::pair<QString, Variant>> m_items;
    // Case-folded key -> position in m_items: a chart with thousands of plots stores tens of
    // thousands of keys, and every one is looked up when it is written and read again.
    QHash<QString, size_t> m_index;
};

// Numbers compare by value whatever their numeric kind.
VEXACHART_EXPORT bool sameValue(const Variant& a, const Variant& b);

} // namespace vexachart
