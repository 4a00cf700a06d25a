#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <set>

// Catalogue entries by their CAS numbers and by the names and aliases a list
// may use for them, compared as MatchingName compares.
class EntryIndex {
public:
    struct Entry {
        int Number = 0;
        QString Name;
        QStringList Aliases;
        QStringList CasNumbers;
    };

    explicit EntryIndex(const QList<Entry>& entries);

    std::set<int> ByCas(const QString& cas) const;
    std::set<int> ByName(const QString& name) const;
    // A whole name first; failing that, a name without its bracketed
    // qualifier, on either side ("天然气" for "天然气[富含甲烷的]").
    std::set<int> ByNameOrBaseName(const QString& name) const;
    const Entry& At(int number) const { return entries_.at(number); }

private:
    using Map = std::map<QString, std::set<int>>;
    static std::set<int> Lookup(const Map& map, const QString& key);

    std::map<int, Entry> entries_;
    Map byCas_;
    Map byName_;
    Map byBaseName_;
};
