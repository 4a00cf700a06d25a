#include "EntryIndex.h"

#include "rules/CatalogueText.h"

EntryIndex::EntryIndex(const QList<Entry>& entries)
{
    for (const Entry& entry : entries) {
        entries_[entry.Number] = entry;
        for (const QString& cas : entry.CasNumbers)
            byCas_[cas].insert(entry.Number);
        for (const QString& key : QStringList{entry.Name} + entry.Aliases) {
            const QString name = MatchingName(key);
            byName_[name].insert(entry.Number);
            byBaseName_[WithoutQualifier(name)].insert(entry.Number);
        }
    }
}

std::set<int> EntryIndex::Lookup(const Map& map, const QString& key)
{
    const auto it = map.find(key);
    return it == map.end() ? std::set<int>() : it->second;
}

std::set<int> EntryIndex::ByCas(const QString& cas) const
{
    return Lookup(byCas_, cas);
}

std::set<int> EntryIndex::ByName(const QString& name) const
{
    return Lookup(byName_, MatchingName(name));
}

std::set<int> EntryIndex::ByNameOrBaseName(const QString& name) const
{
    std::set<int> found = ByName(name);
    if (found.empty())
        found = Lookup(byBaseName_, WithoutQualifier(MatchingName(name)));
    return found;
}
