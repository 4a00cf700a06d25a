#include "EntryIndex.h"

#include "rules/CatalogueText.h"

EntryIndex::EntryIndex(const QList<Entry>& entries)
{
    for (const Entry& entry : entries) {
        entries_[entry.number] = entry;
        for (const QString& cas : entry.casNumbers)
            byCas_[cas].insert(entry.number);
        for (const QString& key : QStringList{entry.name} + entry.aliases) {
            const QString name = matchingName(key);
            byName_[name].insert(entry.number);
            byBaseName_[withoutQualifier(name)].insert(entry.number);
        }
    }
}

std::set<int> EntryIndex::lookup(const Map& map, const QString& key)
{
    const auto it = map.find(key);
    return it == map.end() ? std::set<int>() : it->second;
}

std::set<int> EntryIndex::byCas(const QString& cas) const
{
    return lookup(byCas_, cas);
}

std::set<int> EntryIndex::byName(const QString& name) const
{
    return lookup(byName_, matchingName(name));
}

std::set<int> EntryIndex::byNameOrBaseName(const QString& name) const
{
    std::set<int> found = byName(name);
    if (found.empty())
        found = lookup(byBaseName_, withoutQualifier(matchingName(name)));
    return found;
}
